#pragma once

// What the file, tool and report commands' tests share: every dialog the
// window asks answered through the prompts seam, and a window in a folder
// of its own.

#include "../windowdriver.h"
#include "window/file/dialogcompare.h"
#include "window/file/dialogconfigid.h"
#include "window/file/dialogerrorlog.h"
#include "window/file/filecommands.h"
#include "window/ground/prompts.h"

#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A table's rows, "|" after each cell.
inline QStringList tableRows(const QAbstractItemModel *table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        rows << QString();
        for (int c = 0; c < table->columnCount(); ++c)
            rows.last() += table->index(r, c).data().toString() + '|';
    }
    return rows;
}

// Answers every dialog the window asks and remembers what it was shown.
struct Answers
{
    QStringList messages; // "title: text" of each message box
    QStringList modelChoices; // the choices of the configuration-ID dialog
    int checkedChoice = -1;
    int choose = 0; // the choice to click before OK
    QStringList logRows; // the error log's table
    QString logFile; // the file it names
    QString logRemark; // the message under it, when shown
    bool logWritten = false; // "errorLog.txt" exists while the error log shows
    QStringList compared; // the compare dialog's labels shown and its two tables
    QString copied; // what its "Copy" button put on the clipboard
    int questions = 0; // message boxes with Save among their buttons
    QMessageBox::StandardButton reply = QMessageBox::Save; // to each of them
    QKeySequence replyKey; // when set, the key pressed in them instead
    int replied = 0; // the last of those answers
    // To "... already exists. Do you want to replace it?" (in `messages`).
    QMessageBox::StandardButton replace = QMessageBox::Yes;
    bool busyDuringDialog = false;

    int answer(QDialog &dialog)
    {
        busyDuringDialog |= QGuiApplication::overrideCursor() != nullptr;
        if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
            if (box->standardButtons() & QMessageBox::Save) {
                ++questions;
                return replied = replyKey.isEmpty() ? reply : pressIn(*box, replyKey);
            }
            messages << box->windowTitle() + QStringLiteral(": ") + box->text();
            if (box->standardButtons() & QMessageBox::Yes)
                return replace;
        }
        if (qobject_cast<DialogConfigID *>(&dialog)) {
            dialog.show();
            modelChoices.clear();
            const QList<QRadioButton *> buttons = dialog.findChildren<QRadioButton *>();
            for (int i = 0; i < buttons.size(); ++i) {
                if (buttons[i]->isVisible())
                    modelChoices << buttons[i]->text();
                if (buttons[i]->isChecked())
                    checkedChoice = i;
            }
            QTest::mouseClick(buttons[choose], Qt::LeftButton);
        }
        if (auto *log = qobject_cast<DialogErrorLog *>(&dialog)) {
            logWritten = QFile::exists(QStringLiteral("errorLog.txt"));
            logRows = tableRows(log->findChild<QTableView *>()->model());
            logFile = log->findChild<QLabel *>("label_file")->text();
            const QLabel *remark = log->findChild<QLabel *>("label_remark");
            logRemark = remark->isHidden() ? QString() : remark->text();
        }
        if (qobject_cast<DialogCompare *>(&dialog)) {
            dialog.show();
            compared.clear();
            for (const char *name : {"label_comparedWith", "label_summary", "label_models"}) {
                if (auto *label = dialog.findChild<QLabel *>(name); label->isVisible())
                    compared << label->text();
            }
            compared += tableRows(dialog.findChild<QTableWidget *>()->model());
            compared +=
                tableRows(dialog.findChild<QTableView *>("tableView_rejectedLines")->model());
            QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_copy"), Qt::LeftButton);
            copied = QGuiApplication::clipboard()->text();
        }
        return QDialog::Accepted;
    }

    // The button a key press in the shown box clicks; Cancel when none.
    static int pressIn(QMessageBox &box, const QKeySequence &key)
    {
        box.show();
        QApplication::setActiveWindow(&box);
        QTest::keySequence(&box, key);
        // A mnemonic clicks its button a moment later, as a mouse would.
        if (!QTest::qWaitFor([&box] { return box.clickedButton() != nullptr; }, 1000))
            return QMessageBox::NoButton;
        return box.standardButton(box.clickedButton());
    }
};

// A window in a temporary folder of its own (also the working folder, where
// "errorLog.txt" goes), every dialog answered by `answers`.
struct FileCommandsFixture
{
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder->path());
        Prompts::reset();
        Prompts::setScripted(true);
        answers = Answers();
        Prompts::setDialogHandler([this](QDialog &dialog) { return answers.answer(dialog); });
        d = std::make_unique<WindowDriver>();
    }

    void cleanup()
    {
        d.reset();
        QCOMPARE(Prompts::unansweredDialogs(), 0);
        QVERIFY(!answers.busyDuringDialog);
        QVERIFY(!QGuiApplication::overrideCursor());
        Prompts::reset();
    }

    FileCommands &files() { return d->window->fileCommands(); }
    QString path(const QString &name) const { return folder->filePath(name); }
    // A file as the dialogs name it: its path and the model it was read for.
    QString named(const QString &name, int row) const
    {
        return QDir::toNativeSeparators(path(name)) + " (" + catalogueRow(row).modelName + ')';
    }
    void open(const QString &name)
    {
        Prompts::queueFileNames({name.isEmpty() ? name : path(name)});
        d->window->open();
    }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<WindowDriver> d;
    Answers answers;
};
