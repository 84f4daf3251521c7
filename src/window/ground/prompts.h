#pragma once

// Every modal question the window asks goes through here: file dialogs,
// message boxes and the program's own dialogs. In the running program these
// are the plain Qt dialogs; a test answers them in advance instead, so that
// no dialog ever blocks a test run.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QDialog;
class QWidget;

namespace Prompts {

// What a file dialog was asked with; tests read the last one back.
struct FileRequest
{
    QString caption;
    QString startPath;
    QString filter;
};

// The name a save dialog's name is completed to (a suffix appended).
using CompleteName = std::function<QString(const QString &)>;
// A save dialog whose chosen name is completed by `complete` before any
// question: the file written. When that file exists, asks "FILE already
// exists. Do you want to replace it?" (the dialog itself does not ask, as it
// would ask about the name before completion); No shows the dialog again.
// Returns the completed name; empty when cancelled.
QString saveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter, const CompleteName &complete);
QString openFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter);
// The usual folder dialog; an empty name when cancelled.
QString existingDirectory(QWidget *parent, const QString &caption, const QString &startPath);

// Runs `dialog` modally and returns its result code.
int exec(QDialog &dialog);

// An information box with one OK button.
void information(QWidget *parent, const QString &title, const QString &text);

// A button's own text instead of the platform's for its role.
struct ButtonText
{
    QMessageBox::StandardButton button;
    QString text;
};

// A question with the given buttons; returns the button chosen.
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton,
                                     const QVector<ButtonText> &texts = {});

// Test seam. File and folder names are taken from the front of the queue (an empty
// name is a cancelled dialog); dialogs and message boxes are handed to the
// handler, which may change them and returns the result code `exec` would
// have returned. Without a handler a dialog would block: it is rejected
// instead and counted as unanswered.
void queueFileNames(const QStringList &names);
using DialogHandler = std::function<int(QDialog &)>;
void setDialogHandler(DialogHandler handler);
// Switches the seam on (tests) or off (the running program).
void setScripted(bool scripted);
FileRequest lastFileRequest();
int unansweredDialogs();
void reset();

} // namespace Prompts
