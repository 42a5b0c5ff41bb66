#pragma once

#include "ui/companions/companionwindow.h"

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace orbilex {

// Latitudes and longitudes of United States places, state by state: a list to
// scroll, a line to choose and copy. The window reads nothing from the country
// data and hands nothing back.
//
// cmbMainList is an always-open list with a text field above it ("text" and
// "items" inside it). Choosing a line writes it into the field; typing into
// the field leaves no line chosen, and copying then takes the typed text.
//
// Each load starts again on line 0.
class frmLat : public CompanionWindow
{
    Q_OBJECT
public:
    frmLat(Environment &env, MainWindowLink &main);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void loadSteps() override;

private:
    void buildWindow();
    void fillList();
    void lineChosen(int row);
    void textTyped();
    void Command2Clicked();

    QLineEdit *m_listText = nullptr;
    QListWidget *m_listItems = nullptr;
};

} // namespace orbilex
