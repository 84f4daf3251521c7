// Save, Save As, Save to USB, Open, the report's Export and the Tools menu
// in the window, every dialog answered through the prompts seam.
#include "../../report/pdftext.h"
#include "../windowdriver.h"
#include "core/config/textfields.h"
#include "core/file/configwriter.h"
#include "window/app/undohistory.h"
#include "window/file/dialogcompare.h"
#include "window/file/dialogconfigid.h"
#include "window/file/dialogerrorlog.h"
#include "window/file/filecommands.h"
#include "window/ground/prompts.h"

#include <QClipboard>
#include <QMessageBox>
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
    QByteArray logFile; // "errorLog.txt" while the error log shows
    QStringList compared; // the compare dialog's summary, models line and tables
    QString copied; // what its "Copy" button put on the clipboard
    QStringList questions; // the text of each question with Save among its buttons
    QMessageBox::StandardButton reply = QMessageBox::Save; // to each of them
    bool busyDuringDialog = false;

    int answer(QDialog &dialog)
    {
        busyDuringDialog |= QGuiApplication::overrideCursor() != nullptr;
        if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
            if (box->standardButtons() & QMessageBox::Save) {
                questions << box->windowTitle() + QStringLiteral(": ") + box->text();
                return reply;
            }
            messages << box->windowTitle() + QStringLiteral(": ") + box->text();
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
            logFile = contents(QStringLiteral("errorLog.txt"));
            logRows = tableRows(log->findChild<QTableView *>()->model());
        }
        if (qobject_cast<DialogCompare *>(&dialog)) {
            dialog.show();
            compared.clear();
            for (const char *name : {"label_summary", "label_models"}) {
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
        // Save As starts on the desktop and appends ".csv" only to a name
        // without it; Save writes the remembered name again, without asking.
        for (const auto &[chosen, written] :
             {std::pair<QString, QString>("mine.CSV", "mine.CSV.csv"),
              std::pair<QString, QString>("mine.csv.bak", "mine.csv.bak")}) {
            Prompts::queueFileNames({path(chosen)});
            d->window->saveAs();
            QCOMPARE(contents(path(written)),
                     configFileBytes(d->config(), {}, QDate::currentDate()));
        }
        QCOMPARE(Prompts::lastFileRequest().startPath,
                 QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) +
                     "/switch_config_16.csv");
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
    }

    void failedSaveKeepsThePreviousFile()
    {
        // A FIFO where the file should go (made here; never a real device) is
        // refused and left as it is.
        const QString pipe = path("pipe.csv");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        Prompts::queueFileNames({path("first.csv")});
        d->window->saveAs();
        const QByteArray first = contents(path("first.csv"));
        d->type("lineEdit_contactName", QStringLiteral("Jo"));
        Prompts::queueFileNames({pipe});
        d->window->saveToUsb();
        // Named as chosen, still unsaved, and the earlier file as it was.
        QCOMPARE(d->window->windowTitle(), QStringLiteral("pipe.csv[*] - Mestrel"));
        QVERIFY(d->window->isWindowModified());
        QCOMPARE(m_answers.messages,
                 QStringList("Unable to open file: " + pipe + " is not a regular file"));
        d->window->save(); // tries the chosen file again
        QCOMPARE(m_answers.messages.size(), 2);
        QVERIFY(d->window->isWindowModified());
        QCOMPARE(contents(path("first.csv")), first);
        QVERIFY(!QFileInfo(pipe).isFile());
    }

    void openShowsWhatTheFileHolds()
    {
        // Open starts on the desktop until a file was saved or opened.
        open(QString()); // cancelled
        QCOMPARE(Prompts::lastFileRequest().startPath,
                 QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QVERIFY(d->pick("comboBox_qosTrustMode", 0)); // untrusted
        Prompts::queueFileNames({path("mine.csv")});
        d->window->saveAs();

        d->window->newFile();
        d->type("lineEdit_serialNumber", QStringLiteral("42"));
        open("mine.csv");
        QCOMPARE(Prompts::lastFileRequest().startPath, m_folder->path());
        QCOMPARE(files().currentFileName(), path("mine.csv"));
        QCOMPARE(d->text("lineEdit_serialNumber"), QString());
        QCOMPARE(d->combo("comboBox_qosTrustMode")->currentText(), QStringLiteral("untrusted"));
        // The serial number is not in the file: typing it leaves the file's
        // content saved. A cancelled Open keeps the document as it is.
        d->type("lineEdit_serialNumber", QStringLiteral("42"));
        QVERIFY(!d->window->isWindowModified());
        open(QString());
        QCOMPARE(d->window->windowTitle(), QStringLiteral("mine.csv[*] - Mestrel"));
        QCOMPARE(d->text("lineEdit_serialNumber"), QStringLiteral("42"));
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
    }

    void loadThatCannotGoAheadChangesNothing()
    {
        QFETCH(QString, name);
        QDir().mkdir(path("folder.csv"));
        writeFile(path("other.csv"), "file.configID,0,99\nport.admin-state,1,0\n");
        d->selectModel(3);
        d->type("lineEdit_contactName", QStringLiteral("Ann"));
        d->clickPort(1);
        QVERIFY(d->pick("comboBox_flowControl", 1));
        Prompts::queueFileNames({path("kept")});
        d->window->saveToUsb();
        const SwitchConfig before = d->config();

        const int steps = d->window->undoHistory().stack().count();
        open(name);
        QTEST(m_answers.messages.join(QLatin1Char('|')), "message");
        QVERIFY(d->config() == before);
        QCOMPARE(d->window->windowTitle(), QStringLiteral("kept.csv[*] - Mestrel"));
        QVERIFY(!d->window->isWindowModified());
        QCOMPARE(d->window->undoHistory().stack().count(), steps);
    }

    void modelChoiceStartsFreshAtEachLoad()
    {
        writeFile(path("row5.csv"), "file.configID,0,24\nport.jumbo,5,1\n");
        m_answers.choose = 2;
        open("row5.csv");
        QCOMPARE(m_answers.modelChoices,
                 QStringList({catalogueRow(5).modelName, catalogueRow(6).modelName,
                              catalogueRow(7).modelName}));
        QCOMPARE(m_answers.checkedChoice, 0);
        QCOMPARE(d->combo("comboBox_productSelection")->currentIndex(), 7);

        m_answers.choose = 0;
        m_answers.checkedChoice = -1;
        open("row5.csv");
        QCOMPARE(m_answers.checkedChoice, 0);
    }

    void refusedLinesAreLoggedOnce()
    {
        writeFile(path("bad.csv"),
                  "file.configID,0,16\nport.mdi,9,1\r\nport.eee,1,1\n"
                  "port.mdi,1,7,x,2\nport.speed,1,2");
        open("bad.csv");
        // One row with the ID: asked all the same, with the one choice.
        QCOMPARE(m_answers.modelChoices, QStringList(catalogueRow(0).modelName));
        const QByteArray log = "1,port.mdi,9,1,4\n2,port.eee,1,1,3\n3,port.mdi,1,7,x,2,5\n";
        QCOMPARE(m_answers.logFile, log);
        QCOMPARE(m_answers.logRows[0], QStringLiteral("1|port.mdi|9|1|Not valid index|"));
        QCOMPARE(m_answers.logRows[2], QStringLiteral("3|port.mdi|1|7,x,2|Not valid value|"));
        QCOMPARE(d->window->state().lineCounter, 5);

        // A log that cannot be written is reported once per load.
        QFile::remove(path("errorLog.txt"));
        QDir().mkdir(path("errorLog.txt"));
        open("bad.csv");
        QCOMPARE(m_answers.messages.size(), 1);
        QCOMPARE(m_answers.logRows.size(), 3);
    }

    void exportWritesTheChosenPdf_data()
    {
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("written");
        const auto row = [](const char *chosen, const char *written) {
            QTest::newRow(chosen) << QString(chosen) << QString(written);
        };
        row("report.pdf", "report.pdf");
        row("report.PDF", "report.PDF.pdf"); // the suffix is lower case
        row("", "");
        row("pipe.pdf", ""); // a FIFO, made here
    }

    void exportWritesTheChosenPdf()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        d->type("lineEdit_serialNumber", QStringLiteral("4711"));
        if (chosen.startsWith("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path(chosen)).constData(), 0600), 0);
        Prompts::queueFileNames({chosen.isEmpty() ? chosen : path(chosen)});
        d->action(QStringLiteral("&Export"))->trigger();
        // The article number and the typed digits, without the "-" between.
        QCOMPARE(Prompts::lastFileRequest().startPath, articleNumber(0) + "4711");
        // Nothing else appears, not even under the proposed name in the working folder.
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden),
                 written.isEmpty() ? QStringList() : QStringList(written));
        if (!written.isEmpty()) {
            QCOMPARE(pdfPageLines(path(written)).value(0).value(0),
                     "Date:" + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        }
        // A FIFO: the reason.
        QCOMPARE(m_answers.messages.join('|').left(21),
                 written.isEmpty() && !chosen.isEmpty() ? "Unable to open file: " : QString());
    }

    void compareWithFile()
    {
        // Saved on the third of three rows sharing one ID, with a line no model
        // takes, then edited. The file's line for port 3's flow control is
        // rejected, so the file sets nothing to compare that port's with.
        d->selectModel(7);
        QVERIFY(files().writeConfigFile(path("saved.csv")));
        QByteArray saved = contents(path("saved.csv"));
        QVERIFY(saved.contains("port.flow-control,3,0\n"));
        saved.replace("port.flow-control,3,0\n", "port.flow-control,3,7\n");
        writeFile(path("saved.csv"), saved + "\nport.speed,3,7");
        d->type("lineEdit_agingTime", QStringLiteral("600"));
        d->clickPort(1);
        d->clickPort(2, Qt::ControlModifier);
        QVERIFY(d->pick("comboBox_flowControl", 1));
        const SwitchConfig edited = d->config();

        Prompts::queueFileNames({path("saved.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        const QStringList rejected {"86|port.flow-control|3|7|Not valid value|",
                                    "155|port.speed|3|7|Not valid value|"};
        QCOMPARE(m_answers.compared,
                 QStringList(
                     {"2 settings differ", "Aging Time [s]||600|300|", "Flow Control|2|On|Off|"}) +
                     rejected);
        QVERIFY(
            m_answers.copied.endsWith("\nAging Time [s]\t\t600\t300\nFlow Control\t2\tOn\tOff\n"));
        QVERIFY(d->config() == edited); // only looked at

        // Another model: the settings both have, and the two models named.
        d->selectModel(13);
        Prompts::queueFileNames({path("saved.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        QCOMPARE(
            m_answers.compared,
            QStringList({"The configurations are identical",
                         "The file is for TAVRIN-KX-21-04C4F30000; the current configuration is "
                         "for TAVRIN KX-21-24C4R7R700."}) +
                rejected);

        // A cancelled file dialog is no failure to report.
        for (const char *tool : {"&Compare with File…", "&Apply File to Current Model…"}) {
            Prompts::queueFileNames({QString()});
            d->action(QString::fromUtf8(tool))->trigger();
        }
        QCOMPARE(m_answers.messages, QStringList());
    }

    void applyFileToCurrentModel()
    {
        // A file of the 8-port PoE model, settings on every port, applied to the
        // 5-port model without PoE: the five ports and the texts carry over, and
        // the lines the model has no port or no PoE for are listed.
        const auto edited = [](int row) {
            SwitchConfig config = defaultConfiguration(row);
            for (int p = 0; p < config.portCount; ++p) {
                config.ports[p].jumboFrames = 1;
                config.ports[p].broadcastStormThreshold = quint8(50 + p);
            }
            config.dscpTrafficClass[46] = 0;
            storeText(config.contactName, QStringLiteral("Ann Smith"));
            return config;
        };
        writeFile(path("other.csv"),
                  configFileBytes(edited(17), {"Ann Smith", {}}, QDate(2024, 3, 7)));
        Prompts::queueFileNames({path("current.csv"), path("other.csv")});
        d->window->saveAs();
        d->action(QStringLiteral("&Apply File to Current Model…"))->trigger();
        // An edit of the document: its name stays, and it is modified.
        QCOMPARE(d->window->windowTitle(), QStringLiteral("current.csv[*] - Mestrel"));
        QVERIFY(d->window->isWindowModified());
        QCOMPARE(d->window->state().modelIndex, 0);
        QVERIFY(d->config() == edited(0));
        QMap<QString, QSet<int>> rejectedPorts; // by reason
        for (const QString &row : qAsConst(m_answers.logRows))
            rejectedPorts[row.section('|', 4, 4)] << row.section('|', 2, 2).toInt();
        QCOMPARE(rejectedPorts.keys(), QStringList({"Not valid Line", "Not valid index"}));
        // One step, undone like Open.
        d->window->undoHistory().undoAction()->trigger();
        QVERIFY(d->config() == defaultConfiguration(0));
        QVERIFY(!d->window->isWindowModified());
    }

    void openSavesTheFileShown()
    {
        // Open over an edit asks first and saves the edit where the user
        // chooses. Open A, open B (with a line refused), undo that Open, Save:
        // A is written as it was, with texts the switch takes but the fields do
        // not let one type (Latin-1 letters, commas, more than 40 characters);
        // B, shown again, is not rewritten at Exit either.
        const QString contact = QString::fromLatin1("J\xfcrgen M\xfcller, Werk 2");
        const QString location = QString::fromLatin1("Halle 3, Stra\xdf"
                                                     "e 7; Schrank 90 (Nord) / Rack 2.");
        QByteArray a = configFileBytes(defaultConfiguration(3), {}, QDate::currentDate());
        a.replace("file.contactname,0,\n", "file.contactname,0," + contact.toLatin1() + '\n');
        a.replace("file.location,0,\n", "file.location,0," + location.toLatin1() + '\n');
        const QByteArray b =
            configFileBytes(defaultConfiguration(13), {}, QDate(2024, 3, 7)) + "\nport.mdi,99,1\n";
        writeFile(path("A.csv"), a);
        writeFile(path("B.csv"), b);
        d->type("lineEdit_contactName", QStringLiteral("Jo"));
        Prompts::queueFileNames({path("edits.csv"), path("A.csv")}); // Save As, then Open
        d->window->open();
        QCOMPARE(m_answers.questions.size(), 1);
        QVERIFY(contents(path("edits.csv")).contains("file.contactname,0,Jo\n"));
        QCOMPARE(d->text("lineEdit_location"), location);
        open("B.csv");
        QCOMPARE(m_answers.logRows.size(), 1);
        d->window->undoHistory().undoAction()->trigger();
        QCOMPARE(d->text("lineEdit_contactName"), contact);
        d->window->save();
        QCOMPARE(contents(path("A.csv")), a);
        d->window->undoHistory().redoAction()->trigger();
        d->window->exit();
        QVERIFY(!d->window->isVisible());
        QCOMPARE(m_answers.questions.size(), 1); // nothing unsaved at Exit
        QCOMPARE(contents(path("B.csv")), b);
    }

private:
    FileCommands &files() { return d->window->fileCommands(); }
    QString path(const QString &name) const { return m_folder->filePath(name); }
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
