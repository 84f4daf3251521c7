#pragma once

#include <functional>

class QWidget;

namespace DesktopColours {

// Calls `recolour` now, and again whenever the application's palette or
// style has changed while `widget` lives (a desktop that switches between
// light and dark schemes while the program runs), once the change has come
// in whole; then every widget inside takes its palette anew. A look that
// computes colours of its own (a palette, a style sheet with colours)
// computes them in `recolour` only, so the first colours and every later
// change take one path. `recolour` reads the desktop's palette from the
// application (QApplication::palette), never from the widget, whose palette
// is its own look.
void follow(QWidget *widget, std::function<void()> recolour);

} // namespace DesktopColours
