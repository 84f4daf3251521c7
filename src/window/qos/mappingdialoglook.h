#pragma once

class QDialog;
class QFont;
class QWidget;

// What the two mapping dialogs share around their tables.
namespace MappingDialogLook {

// Lays the table out above the buttons, so that the dialog is never smaller
// than its heads need on one line, whatever the font and scale; and gives
// every head (each label of the dialog) its grey with the text colour that
// reads best on it, whatever the palette, also after the desktop's palette
// changes while the dialog is open.
void apply(QDialog &dialog, QWidget *table, QWidget *buttons);

// Shows the dialog in `font`, the font of the window it is opened from, as
// it is now: a desktop that changes the application's font later (its
// settings come in once the program runs) changes neither.
void useFont(QDialog &dialog, const QFont &font);

} // namespace MappingDialogLook
