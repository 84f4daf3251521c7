#include "window/ground/prompts.h"

#include "core/file/outputfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QQueue>
#include <QSpacerItem>
#include <QStyle>

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

// A message box is as wide as its text; a short text leaves the window
// manager too little room for the title, which it then cuts. The title bar
// also holds the icon and the buttons, about a bar's height each.
void widenForTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int titleBar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int wanted = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                           .horizontalAdvance(box.windowTitle()) +
        4 * titleBar;
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(wanted - margins.left() - margins.right(), 0,
                                  QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

namespace Prompts {

QString saveFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter, const CompleteName &complete)
{
    QString start = startPath;
    for (;;) {
        // The dialog does not ask about replacing: it would ask about the
        // name as typed, not the completed one written.
        const QString chosen = script().scripted
            ? scriptedFileName(caption, start, filter)
            : QFileDialog::getSaveFileName(parent, caption, start, filter, nullptr,
                                           QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty())
            return QString();
        const QString target = complete(chosen);
        // Only a file that would be replaced: a folder or device in its
        // place is refused when written, with the reason.
        if (!QFileInfo::exists(target) || !isWritableTarget(target))
            return target;
        const QString replace =
            QCoreApplication::translate("Prompts", "%1 already exists. Do you want to replace it?")
                .arg(QFileInfo(target).fileName());
        if (question(parent, caption, replace, QMessageBox::Yes | QMessageBox::No,
                     QMessageBox::No) == QMessageBox::Yes)
            return target;
        start = target; // back to the dialog, as the platform's own question does
    }
}

QString openFileName(QWidget *parent, const QString &caption, const QString &startPath,
                     const QString &filter)
{
    if (script().scripted)
        return scriptedFileName(caption, startPath, filter);
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

QString existingDirectory(QWidget *parent, const QString &caption, const QString &startPath)
{
    if (script().scripted)
        return scriptedFileName(caption, startPath, QString());
    return QFileDialog::getExistingDirectory(parent, caption, startPath);
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
    widenForTitle(box);
    exec(box);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton,
                                     const QVector<ButtonText> &texts)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    for (const ButtonText &own : texts) {
        if (QAbstractButton *button = box.button(own.button))
            button->setText(own.text);
    }
    widenForTitle(box);
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
