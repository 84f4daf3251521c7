// Save, Save As, Save to USB, Open, the report's Export and printing and the
// Tools menu in the window, every dialog answered through the prompts seam.
// What the files hold is the core's and the report's to test.
#include "../../report/pdftext.h"
#include "../windowdriver.h"
#include "core/file/configwriter.h"
#include "window/app/undohistory.h"
#include "window/file/dialogcompare.h"
#include "window/file/dialogconfigid.h"
#include "window/file/dialogerrorlog.h"
#include "window/file/filecommands.h"
#include "window/ground/prompts.h"
#include "window/report/reportcommands.h"

#include <QClipboard>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A table's rows, "|" after each cell.
QStringList tableRows(const QAbstractItemModel *table)
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

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_folder->path()); // where "errorLog.txt" goes
        Prompts::reset();
        Prompts::setScripted(true);
        m_answers = Answers();
        Prompts::setDialogHandler([this](QDialog &dialog) { return m_answers.answer(dialog); });
        d = std::make_unique<WindowDriver>();
    }

    void cleanup()
    {
        d.reset();
        QCOMPARE(Prompts::unansweredDialogs(), 0);
        QVERIFY(!m_answers.busyDuringDialog);
        QVERIFY(!QGuiApplication::overrideCursor());
        Prompts::reset();
    }

    void saveCommands()
    {
        // Save As starts on the desktop; Save writes the same file again,
        // without asking.
        Prompts::queueFileNames({path("mine.csv.bak")});
        d->window->saveAs();
        QCOMPARE(Prompts::lastFileRequest().startPath,
                 QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) +
                     "/switch_config_16.csv");
        open(QString()); // Open starts where the file went
        QCOMPARE(Prompts::lastFileRequest().startPath, m_folder->path());
        d->clickPort(1);
        QVERIFY(d->pick("comboBox_flowControl", 1));
        d->window->save();
        QVERIFY(contents(path("mine.csv.bak")).contains("port.flow-control,2,1\n"));
        d->window->newFile(); // forgets the name
        QVERIFY(files().currentFileName().isEmpty());

        // With every port off Save As refuses; Save to USB, which starts on the
        // bare default name, writes, and so does Save with that name.
        d->clickRadio("radioButton_selectAll");
        QVERIFY(d->pick("comboBox_adminState", 0));
        d->window->saveAs();
        QCOMPARE(m_answers.messages,
                 QStringList("Information: Cannot Save File. All the ports are disabled"));
        Prompts::queueFileNames({path("usb")});
        d->window->saveToUsb();
        QCOMPARE(Prompts::lastFileRequest().startPath, QStringLiteral("switch_config_16.csv"));
        QFile::remove(path("usb.csv"));
        d->window->save();
        QVERIFY(QFile::exists(path("usb.csv")));
        // One port on is enough for Save As, the last one too.
        d->clickPort(4);
        QVERIFY(d->pick("comboBox_adminState", 1));
        Prompts::queueFileNames({path("last")});
        d->window->saveAs();
        QVERIFY(QFile::exists(path("last.csv")));
        // A write that fails says why and names the document as chosen, unsaved.
        QDir().mkdir(path("folder.csv"));
        Prompts::queueFileNames({path("folder.csv")});
        d->window->saveToUsb();
        QCOMPARE(m_answers.messages.size(), 2);
        QCOMPARE(d->window->windowTitle(), QStringLiteral("folder.csv[*] - Mestrel"));
        QVERIFY(d->window->isWindowModified());
    }

    void saveAsAsksAboutTheFileWritten_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing"); // made before, empty for none
        QTest::addColumn<bool>("replace"); // the answer, if asked
        QTest::addColumn<QString>("asked"); // the file the question names; empty: none
        QTest::addColumn<QString>("written"); // empty: none
        const auto row = [](const char *name, const char *typed, const char *existing, bool replace,
                            const char *asked, const char *written) {
            QTest::newRow(name) << QString(typed) << QString(existing) << replace << QString(asked)
                                << QString(written);
        };
        row("B over B.csv", "B", "B.csv", true, "B.csv", "B.csv");
        row("B over B.csv, declined", "B", "B.csv", false, "B.csv", "");
        row("B beside B", "B", "B", true, "", "B.csv");
        row("STICK2.CSV over itself", "STICK2.CSV", "STICK2.CSV", true, "STICK2.CSV", "STICK2.CSV");
        row("x.tar", "x.tar", "", true, "", "x.tar.csv");
    }

    void saveAsAsksAboutTheFileWritten()
    {
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(bool, replace);
        QFETCH(QString, asked);
        QFETCH(QString, written);
        if (!existing.isEmpty())
            writeFile(path(existing), "old");
        m_answers.replace = replace ? QMessageBox::Yes : QMessageBox::No;
        // Declined, the dialog shows again at the name asked about; cancelled.
        Prompts::queueFileNames({path(typed), QString()});
        d->window->saveAs();

        QCOMPARE(m_answers.messages,
                 asked.isEmpty() ? QStringList()
                                 : QStringList("Save As: " + asked +
                                               " already exists. Do you want to replace it?"));
        if (!replace)
            QCOMPARE(Prompts::lastFileRequest().startPath, path(asked));
        QStringList files {existing, written};
        files.removeAll(QString());
        files.removeDuplicates();
        files.sort();
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files, QDir::Name), files);
        if (!existing.isEmpty() && existing != written)
            QCOMPARE(contents(path(existing)), QByteArray("old"));
        if (!written.isEmpty())
            QVERIFY(contents(path(written)).startsWith("file.configID"));
        QCOMPARE(d->window->windowTitle(),
                 written.isEmpty() ? "Mestrel[*]" : written + "[*] - Mestrel");
    }

    void saveWritesTheFileOpened_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"STICK.CSV", "plain.txt", "B"})
            QTest::newRow(name) << QString(name);
    }

    void saveWritesTheFileOpened()
    {
        QFETCH(QString, name);
        writeFile(path(name), configFileBytes(defaultConfiguration(3), {}, QDate::currentDate()));
        open(name);
        QCOMPARE(d->window->windowTitle(), name + "[*] - Mestrel");
        d->type("lineEdit_location", QStringLiteral("Hall"));
        d->window->save();
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList(name));
        QVERIFY(contents(path(name)).contains("file.location,0,Hall\n"));
        QVERIFY(!d->window->isWindowModified());
    }

    void keys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("reply"); // to "Save changes ... first?"; 0: none asked
        QTest::addColumn<QString>("fileDialog"); // the file dialog it leads to
        QTest::newRow("Alt+S") << QKeySequence("Alt+S") << int(QMessageBox::Save) << "Save As";
        QTest::newRow("Alt+D") << QKeySequence("Alt+D") << int(QMessageBox::Discard) << "";
        QTest::newRow("Alt+C") << QKeySequence("Alt+C") << int(QMessageBox::Cancel) << "";
        // Save As has a key also where the platform gives it none.
        QTest::newRow("Save As") << QKeySequence("Ctrl+Shift+S") << 0 << "Save As";
    }

    void keys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(int, reply);
        QFETCH(QString, fileDialog);
        QApplication::setActiveWindow(d->window.get());
        Prompts::queueFileNames({QString()}); // a file dialog is cancelled
        if (reply != 0) {
            d->type("lineEdit_contactName", QStringLiteral("Ann"));
            m_answers.replyKey = key;
            d->action(QStringLiteral("&New"))->trigger();
        } else
            QTest::keySequence(d->window.get(), key);
        QCOMPARE(m_answers.questions, reply != 0 ? 1 : 0);
        QCOMPARE(m_answers.replied, reply);
        QCOMPARE(Prompts::lastFileRequest().caption, fileDialog);
    }

    void loadThatCannotGoAheadChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *message) {
            QTest::newRow(name) << QString(name) << QString(message);
        };
        row("folder.csv", "Unable to open file: file to open is a directory");
        row("other.csv",
            "Open File: The file is not a configuration file of a supported switch model.");
        // Saved by a spreadsheet in another list format: the reason, not the model.
        row("semicolons.csv",
            "Open File: Fields are separated by ';', not by commas — a "
            "spreadsheet saved it in another list format.");
        row("tabs.csv",
            "Open File: Fields are separated by tabs, not by commas — a spreadsheet "
            "saved it as text.");
    }

    void loadThatCannotGoAheadChangesNothing()
    {
        QFETCH(QString, name);
        QDir().mkdir(path("folder.csv"));
        writeFile(path("other.csv"), "file.configID,0,99\nport.admin-state,1,0\n");
        writeFile(path("semicolons.csv"), "file.configID;0;16\nport.admin-state,1,0\n");
        writeFile(path("tabs.csv"), "file.configID\t0\t16\nport.admin-state\t1\t0\n");
        d->selectModel(3);
        Prompts::queueFileNames({path("kept")});
        d->window->saveToUsb();
        const SwitchConfig before = d->config();

        const int steps = d->window->undoHistory().stack().count();
        open(name);
        QTEST(m_answers.messages.join(QLatin1Char('|')), "message");
        QVERIFY(d->config() == before);
        QCOMPARE(d->window->windowTitle(), QStringLiteral("kept.csv[*] - Mestrel"));
        QCOMPARE(d->window->undoHistory().stack().count(), steps);
    }

    void openAsksForTheModelAndLogsRefusedLines()
    {
        // Open starts on the desktop until a file was saved or opened.
        open(QString()); // cancelled
        QCOMPARE(Prompts::lastFileRequest().startPath,
                 QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        // Rows share the ID: each is offered, the first checked, the one clicked
        // opens, and the next load offers the first again.
        writeFile(path("row5.csv"),
                  "file.configID,0,24\nport.jumbo,5,1\nport.mdi,9,1\nport.mdi,1,7\n");
        m_answers.choose = 2;
        open("row5.csv");
        QStringList models;
        for (const int row : rowsWithConfigId(24))
            models << catalogueRow(row).modelName;
        QCOMPARE(m_answers.modelChoices, models);
        QCOMPARE(m_answers.checkedChoice, 0);
        QCOMPARE(d->combo("comboBox_productSelection")->currentIndex(), 7);
        QCOMPARE(d->window->windowTitle(), QStringLiteral("row5.csv[*] - Mestrel"));
        QCOMPARE(d->window->state().lineCounter, 4);
        // The refused lines are logged to the file before the log shows them.
        QVERIFY(m_answers.logWritten);
        QCOMPARE(m_answers.logRows.value(0), QStringLiteral("2|port.mdi|9|1|Not valid index|"));
        QCOMPARE(m_answers.logFile, "File: " + named("row5.csv", 7));

        m_answers.choose = 0;
        m_answers.checkedChoice = -1;
        // A log that cannot be written is reported once per load.
        QFile::remove(path("errorLog.txt"));
        QDir().mkdir(path("errorLog.txt"));
        open("row5.csv");
        QCOMPARE(Prompts::lastFileRequest().startPath, m_folder->path());
        QCOMPARE(m_answers.checkedChoice, 0);
        QCOMPARE(m_answers.messages.size(), 1);
        QCOMPARE(m_answers.logRows.size(), 2);
    }

    void configIdQuestionOffersItsRows_data()
    {
        QTest::addColumn<QVector<int>>("rows");
        QTest::addColumn<QString>("steps"); // a digit clicks that choice; 'v', '^' arrow keys
        QTest::addColumn<QString>("chosen"); // the row chosen at first and after each step
        QTest::newRow("a variant apart, clicked") << QVector<int> {5, 6, 7, 17} << "3"
                                                  << "5 17";
        QTest::newRow("a variant apart, by keys") << QVector<int> {5, 6, 7, 17} << "vvv"
                                                  << "5 6 7 17";
        QTest::newRow("second, then first") << QVector<int> {9, 10} << "1^"
                                            << "9 10 9";
        QTest::newRow("one row") << QVector<int> {0} << ""
                                 << "0";
        QTest::newRow("no row") << QVector<int> {} << ""
                                << "-1";
    }

    // One choice for each row given, named after its model and first checked
    // and focused; the choice made is that row, wherever it stands in the
    // catalogue, and closing keeps it.
    void configIdQuestionOffersItsRows()
    {
        QFETCH(QVector<int>, rows);
        QFETCH(QString, steps);
        QFETCH(QString, chosen);
        DialogConfigID question(rows);
        question.show();
        QApplication::setActiveWindow(&question);
        QVERIFY(QTest::qWaitForWindowActive(&question));
        QStringList shown, expected;
        for (QRadioButton *choice : question.findChildren<QRadioButton *>()) {
            if (choice->isVisible())
                shown << choice->objectName() + ' ' + choice->text() +
                        (choice->hasFocus() && choice->isChecked() ? "*" : "");
        }
        for (int k = 0; k < rows.size(); ++k)
            expected << QStringLiteral("radioButton_choice%1 ").arg(k) +
                    catalogueRow(rows[k]).modelName + (k == 0 ? "*" : "");
        QCOMPARE(shown, expected);
        QStringList trace {QString::number(question.chosenRow())};
        for (const QChar step : steps) {
            if (step.isDigit()) {
                // On its round mark: the button takes clicks on its mark and text only.
                auto *choice =
                    question.findChild<QRadioButton *>(QStringLiteral("radioButton_choice") + step);
                QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
            } else {
                QTest::keyClick(QApplication::focusWidget(),
                                step == 'v' ? Qt::Key_Down : Qt::Key_Up);
            }
            trace << QString::number(question.chosenRow());
        }
        QTest::keyClick(&question, Qt::Key_Escape);
        QVERIFY(!question.isVisible());
        trace.last() = QString::number(question.chosenRow());
        QCOMPARE(trace.join(' '), chosen);
    }

    void byteOrderMarkIsRemarkedOnce()
    {
        // Saved by a spreadsheet as UTF-8: the mark is skipped, and said once,
        // on its own or under the error log's table.
        const QByteArray good =
            "\xEF\xBB\xBF" + configFileBytes(defaultConfiguration(0), {}, QDate(2024, 3, 7));
        writeFile(path("bom.csv"), good);
        writeFile(path("bom-refused.csv"), good + "\nport.jumbo,9,1");
        const QString remark =
            QStringLiteral("The file starts with a byte-order mark; Save writes it without one.");
        open("bom.csv");
        QCOMPARE(m_answers.messages, QStringList("Open File: " + remark));
        QVERIFY(m_answers.logRows.isEmpty());
        d->window->save();
        QVERIFY(contents(path("bom.csv")).startsWith("file.configID,0,16\n"));
        m_answers.messages.clear();
        open("bom-refused.csv");
        QCOMPARE(m_answers.messages, QStringList());
        QCOMPARE(m_answers.logRows, QStringList("155|port.jumbo|9|1|Not valid index|"));
        QCOMPARE(m_answers.logRemark, remark);
    }

    void exportWritesTheChosenPdf_data()
    {
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message"); // the first message box's, its first words
        const auto row = [](const char *chosen, const char *written, const char *message) {
            QTest::newRow(chosen) << QString(chosen) << QString(written) << QString(message);
        };
        row("report.pdf", "report.pdf", "");
        row("report.PDF", "report.PDF", "");
        row("r26", "r26.pdf", "Save File: r26.pdf already exists."); // made here first
        row("", "", "");
        row("pipe.pdf", "", "Unable to open file: "); // a FIFO, made here
    }

    void exportWritesTheChosenPdf()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, message);
        d->type("lineEdit_serialNumber", QStringLiteral("4711"));
        if (chosen.startsWith("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path(chosen)).constData(), 0600), 0);
        if (chosen == "r26")
            writeFile(path(written), "old");
        Prompts::queueFileNames({chosen.isEmpty() ? chosen : path(chosen)});
        d->action(QStringLiteral("&Export"))->trigger();
        // Made on a worker; closing the window waits for it and writes it.
        if (chosen == "report.PDF")
            d.reset();
        else
            d->window->reportCommands().finishExports();
        // The article number and the typed digits, without the "-" between.
        QCOMPARE(Prompts::lastFileRequest().startPath, articleNumber(0) + "4711");
        // Nothing else appears, not even under the proposed name in the working folder.
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden),
                 written.isEmpty() ? QStringList() : QStringList(written));
        if (!written.isEmpty())
            QVERIFY(contents(path(written)).startsWith("%PDF-"));
        QCOMPARE(m_answers.messages.value(0).left(message.size()), message);
    }

    void printedPagesAreTheExportedPages()
    {
        d->selectModel(13);
        d->type("lineEdit_location", QStringLiteral("Hall 4 North Wing Basement"));
        Prompts::queueFileNames({path("exported.pdf")});
        d->action(QStringLiteral("&Export"))->trigger();
        // Made on a worker, written when the window hears it is finished.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path("exported.pdf")), 30000);

        // Cancelled, then accepted: only the accepted dialog prints, on A4
        // landscape under the report's title.
        QString paper;
        int answer = QDialog::Rejected;
        Prompts::setDialogHandler([&](QDialog &dialog) {
            if (auto *preview = dialog.findChild<QPrintPreviewWidget *>()) {
                preview->updatePreview();
                return answer = preview->pageCount();
            }
            QPrinter *printer = qobject_cast<QPrintDialog *>(&dialog)->printer();
            paper = printer->pageLayout().pageSize().name() +
                QString::number(printer->pageLayout().orientation());
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path("printed.pdf"));
            return answer;
        });
        d->action(QStringLiteral("&Print Report…"))->trigger();
        QVERIFY(!QFile::exists(path("printed.pdf")));
        answer = QDialog::Accepted;
        d->action(QStringLiteral("&Print Report…"))->trigger();
        QCOMPARE(paper, "A4" + QString::number(QPageLayout::Landscape));
        const QList<QStringList> exported = pdfPageLines(path("exported.pdf"));
        QCOMPARE(pdfPageLines(path("printed.pdf")), exported);
        QVERIFY(runPoppler(QStringLiteral("pdfinfo"), {path("printed.pdf")})
                    .contains(QStringLiteral("Report \u2014 ") + catalogueRow(13).modelName));
        d->action(QStringLiteral("Print Pre&view…"))->trigger();
        QCOMPARE(answer, exported.size());
    }

    void compareWithFile()
    {
        // Saved on the third of three rows sharing one ID, with a line no model
        // takes, then edited: the dialog names the file, shows what differs
        // and the line, and the record stays as it is.
        d->selectModel(7);
        QVERIFY(files().writeConfigFile(path("saved.csv")));
        writeFile(path("saved.csv"), contents(path("saved.csv")) + "\nport.speed,3,7");
        d->type("lineEdit_agingTime", QStringLiteral("600"));
        d->clickPort(1);
        QVERIFY(d->pick("comboBox_flowControl", 1));
        const SwitchConfig edited = d->config();
        Prompts::queueFileNames({path("saved.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        QCOMPARE(m_answers.compared,
                 QStringList({"Compared with: " + named("saved.csv", 7), "2 settings differ",
                              "Aging Time [s]||600|300|", "Flow Control|2|On|Off|",
                              "155|port.speed|3|7|Not valid value|"}));
        QCOMPARE(m_answers.modelChoices, QStringList()); // the current model is one of the rows
        QCOMPARE(m_answers.copied.section('\n', 0, 0),
                 "Current configuration (" + catalogueRow(7).modelName + ") compared with " +
                     named("saved.csv", 7));
        QVERIFY(m_answers.copied.endsWith("\nFlow Control\t2\tOn\tOff\n"));
        QVERIFY(d->config() == edited);
        // A file that sets only some keys is compared on those alone: the
        // aging time it leaves out is no difference.
        writeFile(path("partial.csv"), "file.configID,0,24\nport.flow-control,2,0\n");
        Prompts::queueFileNames({path("partial.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        QCOMPARE(m_answers.compared.filter(QStringLiteral("|")),
                 QStringList("Flow Control|2|On|Off|"));

        // Another model: the user says which of the rows the file is for,
        // and the two models are named.
        d->selectModel(13);
        d->type("lineEdit_agingTime", QStringLiteral("600"));
        m_answers.choose = 1;
        Prompts::queueFileNames({path("saved.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        QCOMPARE(m_answers.modelChoices.size(), rowsWithConfigId(24).size());
        QCOMPARE(m_answers.compared.value(0), "Compared with: " + named("saved.csv", 6));
        QCOMPARE(m_answers.compared.value(2),
                 "The file is for " + catalogueRow(6).modelName +
                     "; the current configuration is for " + catalogueRow(13).modelName + '.');
        QCOMPARE(m_answers.copied.section('\n', 0, 0),
                 "Current configuration (" + catalogueRow(13).modelName + ") compared with " +
                     named("saved.csv", 6));

        // A cancelled file dialog is no failure to report.
        for (const char *tool : {"&Compare with File…", "&Apply File to Current Model…"}) {
            Prompts::queueFileNames({QString()});
            d->action(QString::fromUtf8(tool))->trigger();
        }
        QCOMPARE(m_answers.messages, QStringList());
    }

    void applyFileToCurrentModel()
    {
        // A file of the 8-port PoE model applied to the 5-port model: its
        // lines are held to the current model, as one step of the document.
        SwitchConfig other = defaultConfiguration(17);
        for (PortConfig &port : other.ports)
            port.jumboFrames = 1;
        writeFile(path("other.csv"), configFileBytes(other, {}, QDate(2024, 3, 7)));
        Prompts::queueFileNames({path("current.csv"), path("other.csv")});
        d->window->saveAs();
        d->action(QStringLiteral("&Apply File to Current Model…"))->trigger();
        QCOMPARE(d->window->windowTitle(), QStringLiteral("current.csv[*] - Mestrel"));
        QVERIFY(d->window->isWindowModified());
        QCOMPARE(d->window->state().config.modelIndex, 0);
        QCOMPARE(int(d->config().ports[4].jumboFrames), 1);
        QVERIFY(!m_answers.logRows.isEmpty()); // the ports and PoE the model lacks
        QCOMPARE(m_answers.logFile, "File: " + named("other.csv", 0));
        d->window->undoHistory().undoAction()->trigger();
        QVERIFY(d->config() == defaultConfiguration(0));
        QVERIFY(!d->window->isWindowModified());
    }

    void setAsideAsksFirst()
    {
        // The title as changes are made, saved and undone; the undo and redo
        // keys reach the history even in a field with nothing of its own to undo.
        const auto title = [&] { return d->window->windowHandle()->title(); };
        QCOMPARE(title(), QStringLiteral("Mestrel"));
        d->type("lineEdit_contactName", QStringLiteral("Jo"));
        QCOMPARE(title(), QStringLiteral("Mestrel*"));
        Prompts::queueFileNames({path("edits")});
        d->window->saveAs();
        QCOMPARE(title(), QStringLiteral("edits.csv - Mestrel"));
        QCOMPARE(d->window->windowFilePath(), path("edits.csv"));
        d->type("lineEdit_contactName", QStringLiteral("Jo Smith"));
        QCOMPARE(title(), QStringLiteral("edits.csv* - Mestrel"));
        QApplication::setActiveWindow(d->window.get());
        auto *location = d->find<QLineEdit>("lineEdit_location");
        for (const auto key : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Undo})
            QTest::keySequence(location, QKeySequence(key));
        QCOMPARE(d->text("lineEdit_contactName"), QStringLiteral("Jo"));
        QCOMPARE(title(), QStringLiteral("edits.csv - Mestrel"));

        // New and Open over changes ask first: Cancel, and Save whose Save As
        // is cancelled, keep the document; Discard lets it go.
        d->action(QStringLiteral("&New"))->trigger(); // saved: no question
        d->type("lineEdit_contactName", QStringLiteral("Ann"));
        m_answers.reply = QMessageBox::Cancel;
        d->action(QStringLiteral("&Open"))->trigger(); // no file dialog
        m_answers.reply = QMessageBox::Save;
        Prompts::queueFileNames({QString()});
        d->action(QStringLiteral("&New"))->trigger();
        QCOMPARE(d->text("lineEdit_contactName"), QStringLiteral("Ann"));
        m_answers.reply = QMessageBox::Discard;
        d->action(QStringLiteral("&New"))->trigger();
        QCOMPARE(d->text("lineEdit_contactName"), QString());
        QCOMPARE(m_answers.questions, 3);
    }

    void openSavesTheFileShown()
    {
        // Open over an edit saves the edit where the user chooses. Open A,
        // open B, undo that Open, Save: A is written as it was, with texts the
        // switch takes but the fields do not let one type (Latin-1 letters,
        // commas, more than 40 characters). B, shown again, is saved; a save
        // that fails at Exit keeps the window open.
        const QString location = QString::fromLatin1("Halle 3, Stra\xdf"
                                                     "e 7; Schrank 90 (Nord) / Rack 2.");
        QByteArray a = configFileBytes(defaultConfiguration(3), {}, QDate::currentDate());
        a.replace("file.location,0,\n", "file.location,0," + location.toLatin1() + '\n');
        writeFile(path("A.csv"), a);
        writeFile(path("B.csv"),
                  configFileBytes(defaultConfiguration(13), {}, QDate::currentDate()));
        d->type("lineEdit_contactName", QStringLiteral("Jo"));
        Prompts::queueFileNames({path("edits.csv"), path("A.csv")}); // Save As, then Open
        d->window->open();
        QVERIFY(contents(path("edits.csv")).contains("file.contactname,0,Jo\n"));
        QCOMPARE(d->text("lineEdit_location"), location);
        open("B.csv");
        d->window->undoHistory().undoAction()->trigger();
        d->window->save();
        QCOMPARE(contents(path("A.csv")), a);
        d->window->undoHistory().redoAction()->trigger();
        QVERIFY(!d->window->isWindowModified());

        d->type("lineEdit_location", QStringLiteral("Hall"));
        QFile::remove(path("B.csv"));
        QVERIFY(QDir().mkdir(path("B.csv")));
        d->window->exit();
        QVERIFY(d->window->isVisible());
        QCOMPARE(m_answers.messages.size(), 1);
        QDir().rmdir(path("B.csv"));
        d->window->exit();
        QVERIFY(!d->window->isVisible());
        QVERIFY(contents(path("B.csv")).contains("file.location,0,Hall\n"));
        QCOMPARE(m_answers.questions, 3);
    }

private:
    FileCommands &files() { return d->window->fileCommands(); }
    QString path(const QString &name) const { return m_folder->filePath(name); }
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

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<WindowDriver> d;
    Answers m_answers;
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
