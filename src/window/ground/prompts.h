#pragma once

// Every modal question the window asks goes through here: file dialogs,
// message boxes and the program's own dialogs. In the running program these
// are the plain Qt dialogs; a test answers them in advance instead, so that
// no dialog ever blocks a test run.

#include <QMessageBox>
#include <QString>
#include <QStringList>

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

QString saveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter);
QString openFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter);
// The usual folder dialog; an empty name when cancelled.
QString existingDirectory(QWidget *parent, const QString &caption, const QString &startPath);

// Runs `dialog` modally and returns its result code.
int exec(QDialog &dialog);

// An information box with one OK button.
void information(QWidget *parent, const QString &title, const QString &text);

// A question with the given buttons; returns the button chosen.
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton);

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
