#pragma once

#include <QIcon>

namespace orbilex {

// The pictures of the small picture buttons, drawn by the program: the same on
// every desktop, and no icon theme is searched at start (on X11 that search
// alone took longer than building the rest of the main window's first row).
enum class ToolIcon { Enlarge, Copy, Paste, Options };

// At 16 and 32 pixels, so the picture stays sharp at 200 % scale.
QIcon toolIcon(ToolIcon which);

} // namespace orbilex
