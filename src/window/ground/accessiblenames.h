#pragma once

#include <QString>

class QLabel;
class QWidget;

// Names for assistive technologies. A field is called what the label
// beside it says; the forms make that label the field's buddy.
namespace AccessibleNames {

// The text a label shows, as one line: line breaks and runs of spaces
// become single spaces, mnemonic marks and markup go ("Power Supply 1
// Alarm").
QString labelText(const QLabel *label);
// Gives the buddy of each label within `root`, and the label, the label's
// text as its accessible name; again after a label's text changed.
void nameFieldsAfterLabels(QWidget *root);

} // namespace AccessibleNames
