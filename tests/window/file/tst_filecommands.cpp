// Save, Save As, Save to USB and Open in the window, every dialog answered
// through the prompts seam.
// What the files hold is the core's and the report's to test.
#include "core/file/configwriter.h"
#include "fileanswers.h"
#include "window/app/undohistory.h"

#include <QUndoStack>

#include <sys/stat.h>

class TestFileCommands : public QObject, FileCommandsFixture
{
    Q_OBJECT

private slots:
    void init() { FileCommandsFixture::init(); }
    void cleanup() { FileCommandsFixture::cleanup(); }

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
        QCOMPARE(Prompts::lastFileRequest().startPath, folder->path());
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
        QCOMPARE(answers.messages,
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
        QCOMPARE(answers.messages.size(), 2);
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
        answers.replace = replace ? QMessageBox::Yes : QMessageBox::No;
        // Declined, the dialog shows again at the name asked about; cancelled.
        Prompts::queueFileNames({path(typed), QString()});
        d->window->saveAs();

        QCOMPARE(answers.messages,
                 asked.isEmpty() ? QStringList()
                                 : QStringList("Save As: " + asked +
                                               " already exists. Do you want to replace it?"));
        if (!replace)
            QCOMPARE(Prompts::lastFileRequest().startPath, path(asked));
        QStringList files {existing, written};
        files.removeAll(QString());
        files.removeDuplicates();
        files.sort();
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files, QDir::Name), files);
        if (!existing.isEmpty() && existing != written)
            QCOMPARE(contents(path(existing)), QByteArray("old"));
        if (!written.isEmpty())
            QVERIFY(contents(path(written)).startsWith("file.configID"));
        QCOMPARE(d->window->windowTitle(),
                 written.isEmpty() ? "Mestrel[*]" : written + "[*] - Mestrel");
    }

    void saveWritesTheFileOpened()
    {
        // Under its own name, which a typed name would not be.
        const QString name = QStringLiteral("plain.txt");
        writeFile(path(name), configFileBytes(defaultConfiguration(3), {}, QDate::currentDate()));
        open(name);
        QCOMPARE(d->window->windowTitle(), name + "[*] - Mestrel");
        d->type("lineEdit_location", QStringLiteral("Hall"));
        d->window->save();
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList(name));
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
            answers.replyKey = key;
            d->action(QStringLiteral("&New"))->trigger();
        } else
            QTest::keySequence(d->window.get(), key);
        QCOMPARE(answers.questions, reply != 0 ? 1 : 0);
        QCOMPARE(answers.replied, reply);
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
        QTEST(answers.messages.join(QLatin1Char('|')), "message");
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
        answers.choose = 2;
        open("row5.csv");
        QStringList models;
        for (const int row : rowsWithConfigId(24))
            models << catalogueRow(row).modelName;
        QCOMPARE(answers.modelChoices, models);
        QCOMPARE(answers.checkedChoice, 0);
        QCOMPARE(d->combo("comboBox_productSelection")->currentIndex(), 7);
        QCOMPARE(d->window->windowTitle(), QStringLiteral("row5.csv[*] - Mestrel"));
        QCOMPARE(d->window->state().lineCounter, 4);
        // The refused lines are logged to the file before the log shows them.
        QVERIFY(answers.logWritten);
        QCOMPARE(answers.logRows.value(0), QStringLiteral("2|port.mdi|9|1|Not valid index|"));
        QCOMPARE(answers.logFile, "File: " + named("row5.csv", 7));

        answers.choose = 0;
        answers.checkedChoice = -1;
        // A log that cannot be written is reported once per load.
        QFile::remove(path("errorLog.txt"));
        QDir().mkdir(path("errorLog.txt"));
        open("row5.csv");
        QCOMPARE(Prompts::lastFileRequest().startPath, folder->path());
        QCOMPARE(answers.checkedChoice, 0);
        QCOMPARE(answers.messages.size(), 1);
        QCOMPARE(answers.logRows.size(), 2);
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
        QCOMPARE(answers.messages, QStringList("Open File: " + remark));
        QVERIFY(answers.logRows.isEmpty());
        d->window->save();
        QVERIFY(contents(path("bom.csv")).startsWith("file.configID,0,16\n"));
        answers.messages.clear();
        open("bom-refused.csv");
        QCOMPARE(answers.messages, QStringList());
        const int appended = good.count('\n') + 1; // lines count from 0
        QCOMPARE(answers.logRows,
                 QStringList(QStringLiteral("%1|port.jumbo|9|1|Not valid index|").arg(appended)));
        QCOMPARE(answers.logRemark, remark);
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
        answers.reply = QMessageBox::Cancel;
        d->action(QStringLiteral("&Open"))->trigger(); // no file dialog
        answers.reply = QMessageBox::Save;
        Prompts::queueFileNames({QString()});
        d->action(QStringLiteral("&New"))->trigger();
        QCOMPARE(d->text("lineEdit_contactName"), QStringLiteral("Ann"));
        answers.reply = QMessageBox::Discard;
        d->action(QStringLiteral("&New"))->trigger();
        QCOMPARE(d->text("lineEdit_contactName"), QString());
        QCOMPARE(answers.questions, 3);
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
        QCOMPARE(answers.messages.size(), 1);
        QDir().rmdir(path("B.csv"));
        d->window->exit();
        QVERIFY(!d->window->isVisible());
        QVERIFY(contents(path("B.csv")).contains("file.location,0,Hall\n"));
        QCOMPARE(answers.questions, 3);
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
