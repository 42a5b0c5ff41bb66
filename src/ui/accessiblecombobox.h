#pragma once
// Drop-down lists that a screen reader calls by what they are. On Linux Qt
// gives a combo box's current entry as its accessible name and drops the
// name the program sets, expecting a label to be tied to it; the main
// window's boxes are captioned by check boxes, which Qt does not tie. This
// interface speaks the name set with setAccessibleName (the entry while none
// is set) and otherwise acts as Qt's own: the entry is the value, the popup
// list and the text field are the children, and it opens and closes.

class QObject;

namespace orbilex {

// Installs the interface for every QComboBox made from now on; once is enough.
void installAccessibleComboBoxes();

} // namespace orbilex
