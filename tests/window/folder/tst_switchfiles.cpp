// "Check Folder…" in the window: the "Switch Files" dialog over a folder,
// its sorting, filter, opening a file, the rejected lines and the switch
// list; every dialog answered through the prompts seam. What a row says of
// a file is the core's to test.
#include "../windowdriver.h"
#include "core/batch/switchlist.h"
#include "core/file/configreader.h"
#include "core/file/configwriter.h"
#include "window/file/dialogconfigid.h"
#include "window/file/dialogerrorlog.h"
#include "window/file/filecommands.h"
#include "window/folder/folderscan.h"
#include "window/folder/switchfilemodel.h"
#include "window/folder/switchfilesdialog.h"
#include "window/ground/prompts.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>

namespace {

QByteArray fileOf(int row, const QString &location, const QDate &date)
{
    return configFileBytes(defaultConfiguration(row), {"Ann Smith", location}, date);
}

// A column of the rows as the table shows them, top to bottom.
QStringList column(const QAbstractItemModel *shown, int column)
{
    QStringList cells;
    for (int r = 0; r < shown->rowCount(); ++r)
        cells << shown->index(r, column).data().toString();
    return cells;
}

} // namespace

class TestSwitchFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Prompts::reset();
        Prompts::setScripted(true);
        m_folder = std::make_unique<QTemporaryDir>();
        m_messages.clear();
        QVERIFY(QDir(m_folder->path()).mkdir("sub"));
        writeFile(path("b.csv"), fileOf(0, "Hall 2", QDate(2024, 3, 7)));
        writeFile(path("a.csv"),
                  "\xEF\xBB\xBF" + fileOf(13, "Hall 1", QDate(2024, 1, 9)) + "\nport.jumbo,27,1");
        writeFile(path("C.CSV"), fileOf(17, "Hall 3", QDate(2023, 12, 1)));
        writeFile(path("sub/d.csv"), fileOf(0, "Hall 4", QDate(2024, 3, 7)));
    }

    void cleanup()
    {
        QCOMPARE(Prompts::unansweredDialogs(), 0);
        Prompts::reset();
    }

    void sortFilterAndOpen()
    {
        WindowDriver w;
        w.type("lineEdit_contactName", "Bob"); // unsaved: Open asks first
        int questions = 0;
        QStringList sorted;
        Prompts::setDialogHandler([&](QDialog &shown) -> int {
            if (qobject_cast<QMessageBox *>(&shown))
                return ++questions, QMessageBox::Discard;
            if (qobject_cast<DialogConfigID *>(&shown))
                return QDialog::Accepted;
            auto *dialog = qobject_cast<SwitchFilesDialog *>(&shown);
            if (!dialog)
                return QDialog::Rejected;
            dialog->show();
            waitForRows(dialog, 3);
            auto *table = dialog->findChild<QTableView *>("tableView_files");
            const QAbstractItemModel *rows = table->model();
            sorted << column(rows, SwitchFileModel::File).join(' ');
            // Sorted by a click on a column's head: dates by date.
            QTest::mouseClick(
                table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                QPoint(table->columnViewportPosition(SwitchFileModel::CreationDate) + 5, 5));
            sorted << column(rows, SwitchFileModel::CreationDate).join(' ');
            auto *filter = dialog->findChild<QLineEdit *>("lineEdit_filter");
            QTest::keyClicks(filter, "hall 2");
            sorted << column(rows, SwitchFileModel::File).join(' ');
            // Subfolders on: read again, the filter kept.
            dialog->findChild<QCheckBox *>("checkBox_subfolders")->click();
            waitForRows(dialog, 4);
            sorted << column(rows, SwitchFileModel::File).join(' ');
            filter->clear();
            QTest::keyClicks(filter, "hall 4");
            // Enter on a row opens its file.
            table->setFocus();
            table->setCurrentIndex(rows->index(0, 0));
            QTest::keyClick(table, Qt::Key_Return);
            return dialog->result();
        });
        Prompts::queueFileNames({m_folder->path()});
        w.action("Chec&k Folder…")->trigger();
        QCOMPARE(Prompts::lastFileRequest().caption, QStringLiteral("Check Folder"));
        QCOMPARE(sorted,
                 QStringList(
                     {"a.csv b.csv C.CSV", "01/12/2023 09/01/2024 07/03/2024", "b.csv", "b.csv"}));
        QCOMPARE(questions, 1);
        QCOMPARE(w.window->fileCommands().currentFileName(), path("sub/d.csv"));
        QCOMPARE(w.text("lineEdit_location"), QStringLiteral("Hall 4"));
        // The next check starts in the folder checked last.
        Prompts::queueFileNames({QString()});
        w.action("Chec&k Folder…")->trigger();
        QCOMPARE(Prompts::lastFileRequest().startPath, m_folder->path());
    }

    void rejectedLinesAndSwitchList()
    {
        SwitchFilesDialog dialog(m_folder->path(), {});
        waitForRows(&dialog, 3);
        auto *table = dialog.findChild<QTableView *>("tableView_files");
        table->setCurrentIndex(table->model()->index(0, 0)); // a.csv
        QStringList logRows;
        QString remark;
        Prompts::setDialogHandler([&](QDialog &shown) {
            if (auto *box = qobject_cast<QMessageBox *>(&shown))
                m_messages << box->windowTitle() + ": " + box->text();
            if (auto *log = qobject_cast<DialogErrorLog *>(&shown)) {
                const QAbstractItemModel *rows = log->findChild<QTableView *>()->model();
                logRows = column(rows, 1);
                remark = log->findChild<QLabel *>("label_remark")->text();
            }
            return int(QDialog::Accepted);
        });
        clickButton(&dialog, "pushButton_rejectedLines");
        QCOMPARE(logRows, QStringList("port.jumbo"));
        QVERIFY(remark.startsWith("The file starts with a byte-order mark"));

        // None chosen, so all rows: the ID most of them share, the rest left
        // out.
        table->clearSelection();
        Prompts::queueFileNames({path("list.csv")});
        clickButton(&dialog, "pushButton_saveList");
        QCOMPARE(readConfigFile(path("list.csv")).value_or(""),
                 QByteArray("file,location,contact,serial\nb,Hall 2,Ann Smith,\n"));
        QVERIFY2(m_messages.value(0).contains("a.csv: For another model (configuration ID 32)\n"
                                              "C.CSV: For another model (configuration ID 101)"),
                 qPrintable(m_messages.value(0)));
        // The rows chosen only.
        table->selectRow(2);
        Prompts::queueFileNames({path("list2.csv")});
        clickButton(&dialog, "pushButton_saveList");
        QVERIFY(
            readConfigFile(path("list2.csv")).value_or("").endsWith("\nC.CSV,Hall 3,Ann Smith,\n"));
    }

    void cancelledScan()
    {
        FolderScan scan(m_folder->path(), true);
        QSignalSpy rows(&scan, &FolderScan::rowsChecked);
        QSignalSpy finished(&scan, &FolderScan::finished);
        scan.cancel();
        scan.start();
        QVERIFY(finished.wait());
        QCOMPARE(finished.value(0).value(0).toBool(), true);
        QCOMPARE(rows.count(), 0);
    }

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    static void waitForRows(SwitchFilesDialog *dialog, int count)
    {
        QTRY_VERIFY(!dialog->isScanning() && dialog->model()->rowCount() == count &&
                    dialog->findChild<QPushButton *>("pushButton_saveList")->isEnabled());
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_messages;
};

QTEST_MAIN(TestSwitchFiles)
#include "tst_switchfiles.moc"
