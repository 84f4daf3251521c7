#include "app/prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QQueue>

namespace {

struct Script
{
    bool scripted = false;
    QQueue<QString> fileNames;
    Prompts::DialogHandler handler;
    Prompts::FileRequest lastRequest;
    int unanswered = 0;
};

Script &script()
{
    static Script s;
    return s;
}

QString scriptedFileName(const QString &caption, const QString &startPath, const QString &filter)
{
    Script &s = script();
    s.lastRequest = {caption, startPath, filter};
    if (s.fileNames.isEmpty()) {
        ++s.unanswered;
        return QString();
    }
    return s.fileNames.dequeue();
}

} // namespace

namespace Prompts {

QString saveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter)
{
    if (script().scripted)
        return scriptedFileName(caption, startPath, filter);
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter);
}

QString openFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter)
{
    if (script().scripted)
        return scriptedFileName(caption, startPath, filter);
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

int exec(QDialog &dialog)
{
    Script &s = script();
    if (!s.scripted)
        return dialog.exec();
    if (!s.handler) {
        ++s.unanswered;
        return QDialog::Rejected;
    }
    return s.handler(dialog);
}

void information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    exec(box);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const int result = exec(box);
    return static_cast<QMessageBox::StandardButton>(result);
}

void queueFileNames(const QStringList &names)
{
    for (const QString &name : names)
        script().fileNames.enqueue(name);
}

void setDialogHandler(DialogHandler handler)
{
    script().handler = std::move(handler);
}

void setScripted(bool scripted)
{
    script().scripted = scripted;
}

FileRequest lastFileRequest()
{
    return script().lastRequest;
}

int unansweredDialogs()
{
    return script().unanswered;
}

void reset()
{
    script() = Script {};
}

} // namespace Prompts
