// "Several Switches" in the window: pasting and importing the list, the
// cells in error, and files made from the window's configuration with
// progress and summary; every dialog answered through the prompts seam.
#include "../windowdriver.h"
#include "core/batch/switchlist.h"
#include "core/file/configreader.h"
#include "core/file/outputfile.h"
#include "window/batch/severalswitchesdialog.h"
#include "window/batch/switchlistmodel.h"
#include "window/ground/prompts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

SwitchList listOf(const QByteArray &csv)
{
    QString error;
    const std::optional<SwitchList> list = parseSwitchList(csv, &error);
    if (!list)
        qFatal("bad list in the test: %s", qPrintable(error));
    return *list;
}

} // namespace

class TestSeveralSwitches : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init()
    {
        Prompts::reset();
        Prompts::setScripted(true);
        m_folder = std::make_unique<QTemporaryDir>();
        m_messages.clear();
        m_opened.clear();
        Prompts::setDialogHandler([this](QDialog &shown) {
            if (auto *box = qobject_cast<QMessageBox *>(&shown))
                m_messages << box->windowTitle() + ": " + box->text();
            return int(QDialog::Rejected);
        });
    }

    void cleanup()
    {
        QCOMPARE(Prompts::unansweredDialogs(), 0);
        Prompts::reset();
    }

    void paste_data()
    {
        QTest::addColumn<QByteArray>("before"); // the table as a list file
        QTest::addColumn<QPoint>("current"); // column, row; (-1, -1) for none
        QTest::addColumn<QString>("block");
        QTest::addColumn<QByteArray>("after");
        const QPoint none(-1, -1);
        QTest::newRow("header into an empty table")
            << QByteArray("file\n") << none
            << "file\tlocation\tport.admin-state:5\nsw1\tHall 1\t0\nsw2\tHall 2\t1\n"
            << QByteArray("file,location,port.admin-state:5\nsw1,Hall 1,0\nsw2,Hall 2,1\n");
        QTest::newRow("header: rows added, columns matched by name")
            << QByteArray("file,serial,port.speed:2\nsw0,1,3\n") << none
            << "port.admin-state:5\tserial\tfile\n0\t7\tsw1\n"
            << QByteArray("file,serial,port.speed:2,port.admin-state:5\nsw0,1,3,\nsw1,7,,0\n");
        QTest::newRow("no header: from the first cell, rows added")
            << QByteArray("file,location\nsw0,A\n") << none << "sw1\tHall 1\nsw2\tHall 2"
            << QByteArray("file,location\nsw1,Hall 1\nsw2,Hall 2\n");
        QTest::newRow("no header: from the current cell")
            << QByteArray("file,location\nsw0,A\nsw1,B\n") << QPoint(1, 1) << "X\nY\n"
            << QByteArray("file,location\nsw0,A\nsw1,X\n,Y\n");
    }

    void paste()
    {
        QFETCH(QByteArray, before);
        QFETCH(QPoint, current);
        QFETCH(QString, block);
        QFETCH(QByteArray, after);
        auto d = dialog();
        d->model()->setList(listOf(before));
        auto *table = d->findChild<QTableView *>("tableView_switches");
        if (current.x() >= 0)
            table->setCurrentIndex(d->model()->index(current.y(), current.x()));
        QApplication::clipboard()->setText(block);
        clickButton(d.get(), "pushButton_paste");
        QCOMPARE(switchListBytes(d->model()->list()), switchListBytes(listOf(after)));
    }

    void importAndExportTheList()
    {
        const QByteArray list = "file,contact,port.admin-state:5\nsw1,Ann,0\nsw2,,\n";
        QVERIFY(writeOutputFile(path("plant.csv"), list));
        QVERIFY(writeOutputFile(path("broken.csv"), "file,colour\nsw1,red\n"));
        auto d = dialog();
        Prompts::queueFileNames({path("plant.csv"), path("copy"), path("broken.csv")});
        clickButton(d.get(), "pushButton_import");
        QCOMPARE(d->model()->index(0, 2).data().toString(), QStringLiteral("Ann"));
        clickButton(d.get(), "pushButton_export");
        // ".csv" is appended; the file reads back as the same list.
        QCOMPARE(listOf(contents(path("copy.csv"))), listOf(list));

        // A file that is no list changes nothing and says why.
        clickButton(d.get(), "pushButton_import");
        QCOMPARE(d->model()->rowCount(), 2);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains("broken.csv"), qPrintable(m_messages.first()));
    }

    void importIntoAFilledTable_data()
    {
        QTest::addColumn<QByteArray>("before"); // the table as a list file
        QTest::addColumn<int>("blankRows"); // added after those
        QTest::addColumn<QString>("button"); // clicked: its text starts so; empty: no question
        QTest::addColumn<QByteArray>("after");
        const QByteArray held = "file,serial\nsw0,9\n";
        const QByteArray imported = "file,contact,port.admin-state:5\nsw1,Ann,0\n";
        QTest::newRow("added") << held << 0 << "&Add"
                               << QByteArray("file,serial,contact,port.admin-state:5\n"
                                             "sw0,9,,\nsw1,,Ann,0\n");
        QTest::newRow("replaced") << held << 0 << "&Replace" << imported;
        QTest::newRow("cancelled") << held << 0 << "&Cancel" << held;
        QTest::newRow("only blank rows: no question")
            << QByteArray("file\n") << 2 << "" << imported;
    }

    void importIntoAFilledTable()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, blankRows);
        QFETCH(QString, button);
        QVERIFY(writeOutputFile(path("plant.csv"), "file,contact,port.admin-state:5\nsw1,Ann,0\n"));
        auto d = dialog();
        d->model()->setList(listOf(before));
        for (int i = 0; i < blankRows; ++i)
            d->model()->addRow(-1);
        Prompts::setDialogHandler([&](QDialog &shown) {
            auto &box = static_cast<QMessageBox &>(shown);
            m_messages << box.text();
            box.show();
            for (QAbstractButton *shownButton : box.buttons()) {
                if (shownButton->text().startsWith(button))
                    shownButton->click();
            }
            return int(box.standardButton(box.clickedButton()));
        });
        Prompts::queueFileNames({path("plant.csv")});
        clickButton(d.get(), "pushButton_import");
        QCOMPARE(m_messages.size(), button.isEmpty() ? 0 : 1);
        QFETCH(QByteArray, after);
        QCOMPARE(switchListBytes(d->model()->list()), switchListBytes(listOf(after)));
    }

    void cellsInErrorAsTheUserTypes_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fixed");
        const auto add = [](const char *name, int row, int column, const char *typed,
                            const char *fixed) {
            QTest::newRow(name) << row << column << QString(typed) << QString(fixed);
        };
        // The rules are the core's; these show a cell and the output folder
        // reach the check. Row and column -1: the output folder's field, which
        // must name a folder that exists.
        add("location", 0, 1, "Hall#4", "Hall 4");
        add("file that exists", 1, 0, "taken", "sw9");
        add("no such folder", -1, -1, "missing", ".");
        add("a file as folder", -1, -1, "taken.csv", ".");
    }

    void cellsInErrorAsTheUserTypes()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, fixed);
        QVERIFY(writeOutputFile(path("taken.csv"), ""));
        auto d = dialog();
        d->show();
        d->model()->setList(
            listOf("file,location,serial,port.admin-state:5\nsw1,Hall 1,1,0\nsw2,,,1\n"));
        auto *makeFiles = d->findChild<QPushButton *>("pushButton_makeFiles");
        QVERIFY(makeFiles->isEnabled());
        if (column < 0) {
            auto *folder = d->findChild<QLineEdit *>("lineEdit_outputFolder");
            folder->selectAll();
            QTest::keyClicks(folder, path(typed));
            QVERIFY(!makeFiles->isEnabled());
            folder->selectAll();
            QTest::keyClicks(folder, path(fixed));
            QVERIFY(makeFiles->isEnabled());
            return;
        }

        // Typed into the cell's editor, which is still open.
        auto *table = d->findChild<QTableView *>("tableView_switches");
        const QModelIndex cell = d->model()->index(row, column);
        table->setCurrentIndex(cell);
        table->edit(cell);
        auto *editor = table->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QVERIFY(!makeFiles->isEnabled());
        QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(),
                 SwitchListModel::kProblemBackground);
        QVERIFY(!cell.data(Qt::ToolTipRole).toString().isEmpty());
        // Only that cell: its neighbours stay unmarked.
        QVERIFY(!d->model()->index(row, column ^ 1).data(Qt::ToolTipRole).isValid());

        // Typed over with a good value, the row is valid again.
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, fixed);
        QVERIFY2(makeFiles->isEnabled(), qPrintable(cell.data(Qt::ToolTipRole).toString()));
        QVERIFY(!cell.data(Qt::BackgroundRole).isValid());
    }

    void makesFilesFromTheWindowsConfiguration_data()
    {
        QTest::addColumn<int>("cancelBefore"); // the file whose progress cancels; 0 none
        QTest::addColumn<QStringList>("written");
        QTest::newRow("all three")
            << 0 << QStringList {"sw1.csv", "sw1.pdf", "sw2.csv", "sw2.pdf", "sw3.csv", "sw3.pdf"};
        QTest::newRow("cancelled at the second") << 2 << QStringList {"sw1.csv", "sw1.pdf"};
    }

    void makesFilesFromTheWindowsConfiguration()
    {
        QFETCH(int, cancelBefore);
        QFETCH(QStringList, written);
        WindowDriver d;
        d.selectModel(13);
        d.type("lineEdit_location", QStringLiteral("Plant East"));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");

        // The progress dialog's texts as the window shows them between files.
        QStringList progressTexts;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            for (auto *progress : QApplication::topLevelWidgets()) {
                auto *shown = qobject_cast<QProgressDialog *>(progress);
                if (!shown || !shown->isVisible())
                    continue;
                if (!progressTexts.contains(shown->labelText()))
                    progressTexts << shown->labelText();
                if (shown->value() == cancelBefore - 1)
                    shown->cancel();
            }
        });
        watch.start(0);

        QString summary;
        Prompts::queueFileNames({m_folder->path()});
        Prompts::setDialogHandler([&](QDialog &shown) {
            if (auto *box = qobject_cast<QMessageBox *>(&shown)) {
                summary = box->text();
                for (QAbstractButton *button : box->buttons()) {
                    if (button->text() == QStringLiteral("Open Folder"))
                        button->click();
                }
                return int(QDialog::Accepted);
            }
            QWidget *several = &shown;
            auto *model = shown.findChild<QTableView *>("tableView_switches")->model();
            static_cast<SwitchListModel *>(model)->setList(
                listOf("file,location,serial,port.admin-state:5\n"
                       "sw1,,1,0\nsw2,Hall 2,2,\nsw3,Hall 3,3,\n"));
            clickButton(several, "pushButton_chooseFolder");
            several->findChild<QCheckBox *>("checkBox_reports")->setChecked(true);
            clickButton(several, "pushButton_makeFiles");
            return int(QDialog::Rejected);
        });
        d.action(QStringLiteral("&Make Files for Several Switches…"))->trigger();
        watch.stop();

        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files, QDir::Name), written);
        QVERIFY2(summary.contains(m_folder->path()), qPrintable(summary));
        QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(m_folder->path())});
        QCOMPARE(progressTexts.first(), QStringLiteral("Writing file 1 of 3…"));
        QCOMPARE(progressTexts.size(), cancelBefore > 0 ? cancelBefore : 3);

        // The window's texts fill what the list leaves empty.
        QVERIFY(contents(path("sw1.csv")).contains("file.location,0,Plant East\n"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void keptBetweenOpenings()
    {
        // What the user left in the dialog, closed with Escape, is there at
        // the next opening.
        WindowDriver d;
        QVERIFY(QDir().mkdir(path("plant")));
        const QByteArray list = "file,serial\nsw1,1\nsw2,2\n";
        QStringList shown; // the table, the folder and the boxes at each opening
        Prompts::setDialogHandler([&](QDialog &several) {
            auto *table = several.findChild<QTableView *>("tableView_switches")->model();
            auto *folder = several.findChild<QLineEdit *>("lineEdit_outputFolder");
            const auto boxes = several.findChildren<QCheckBox *>();
            shown << QString::fromUtf8(
                         switchListBytes(static_cast<SwitchListModel *>(table)->list())) +
                    folder->text();
            for (QCheckBox *box : boxes)
                shown.last() += box->isChecked() ? 'x' : '.';
            static_cast<SwitchListModel *>(table)->setList(listOf(list));
            folder->setText(path("plant"));
            for (QCheckBox *box : boxes)
                box->setChecked(true);
            several.show();
            QTest::keyClick(&several, Qt::Key_Escape);
            return several.result();
        });
        for (int opening = 0; opening < 2; ++opening)
            d.action(QStringLiteral("&Make Files for Several Switches…"))->trigger();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1),
                 QString::fromUtf8(switchListBytes(listOf(list))) + path("plant") + "xx");
    }

private:
    // A dialog over a template of the 26-port model, output into the
    // temporary folder.
    std::unique_ptr<SeveralSwitchesDialog> dialog()
    {
        EditorState state;
        selectModel(state, 13);
        return std::make_unique<SeveralSwitchesDialog>(state,
                                                       SeveralSwitchesInput {{}, m_folder->path()});
    }
    QString path(const QString &name) const { return m_folder->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_messages; // "title: text" of each message box
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestSeveralSwitches)
#include "tst_severalswitches.moc"
