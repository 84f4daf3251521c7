#pragma once

#include <functional>

class QWidget;

namespace DesktopColours {

// Calls `recolour` now, and again whenever the application's palette or
// style changes while `widget` lives: a desktop that switches between light
// and dark schemes while the program runs. A look that computes colours of
// its own (a palette, a style sheet with colours) computes them in
// `recolour` only, so the first colours and every later change take the same
// path. `recolour` reads the desktop's palette from the application
// (QApplication::palette), never from the widget, whose palette is its own
// look.
void follow(QWidget *widget, std::function<void()> recolour);

} // namespace DesktopColours
