#pragma once

#include <QString>

class QLabel;

// A file as the dialogs about it name it, so that two of them can be told
// apart (in a mail, say): its path and the model it was read for,
// "PATH (MODEL)".
QString describedFile(const QString &path, int row);

// Sets a label naming a file: a long path neither widens the dialog nor is
// lost, as the tool tip and a selection still give it whole.
void showFileLine(QLabel *label, const QString &text);
