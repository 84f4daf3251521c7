#pragma once

// How the window meets the desk it runs on: high-DPI scaling, the first
// size on small screens and the desktop's colours.

#include <QColor>
#include <QMargins>
#include <QPalette>
#include <QRect>
#include <QSize>

class QWidget;

namespace DeskSetup {

// Turns on Qt's high-DPI scaling and high-DPI pixmaps with exact
// (pass-through) scale factors, so 125 %, 150 % and 175 % are not rounded.
// Must run before the application object is created.
void enableHighDpi();

// WCAG 2 contrast ratio of two colours, 1 (same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);
// Black or white, whichever has the higher contrast on `background`.
QColor readableTextOn(const QColor &background);

// The window's palette on a desktop with `desktop`: the light blue-grey
// background where the desktop's own text stays readable on it (WCAG AA),
// otherwise the desktop's palette untouched, so a dark theme stays whole.
QPalette windowPalette(const QPalette &desktop);
extern const QColor kWindowColour;

// The size the main window opens at where the screen has room for it.
extern const QSize kPreferredWindowSize;

// The first size of a window that prefers `preferred` and needs at least
// `minimum`, on a screen whose free area is `available`, with `frame` the
// window manager's decoration around it.
QSize firstWindowSize(const QSize &preferred, const QSize &minimum, const QRect &available,
                      const QMargins &frame);

// The window manager's decoration around `window`: as it is once the window
// is shown, the style's title bar before.
QMargins windowFrame(const QWidget *window);

} // namespace DeskSetup
