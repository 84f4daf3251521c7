// The Tools menu's Compare with File and Apply File to Current Model in the
// window, every dialog answered through the prompts seam.
#include "core/file/configwriter.h"
#include "fileanswers.h"
#include "window/app/undohistory.h"

#include <QUndoStack>

class TestToolCommands : public QObject, FileCommandsFixture
{
    Q_OBJECT

private slots:
    void init() { FileCommandsFixture::init(); }
    void cleanup() { FileCommandsFixture::cleanup(); }

    void compareWithFile()
    {
        // Saved on the third of three rows sharing one ID, with a line no model
        // takes, then edited: the dialog names the file, shows what differs
        // and the line, and the record stays as it is.
        d->selectModel(7);
        QVERIFY(files().writeConfigFile(path("saved.csv")));
        const QByteArray saved = contents(path("saved.csv"));
        writeFile(path("saved.csv"), saved + "\nport.speed,3,7");
        d->type("lineEdit_agingTime", QStringLiteral("600"));
        d->clickPort(1);
        QVERIFY(d->pick("comboBox_flowControl", 1));
        const SwitchConfig edited = d->config();
        Prompts::queueFileNames({path("saved.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        const int appended = saved.count('\n') + 1; // lines count from 0
        QCOMPARE(answers.compared,
                 QStringList({"Compared with: " + named("saved.csv", 7), "2 settings differ",
                              "Aging Time [s]||600|300|", "Flow Control|2|On|Off|",
                              QStringLiteral("%1|port.speed|3|7|Not valid value|").arg(appended)}));
        QCOMPARE(answers.modelChoices, QStringList()); // the current model is one of the rows
        QCOMPARE(answers.copied.section('\n', 0, 0),
                 "Current configuration (" + catalogueRow(7).modelName + ") compared with " +
                     named("saved.csv", 7));
        QVERIFY(answers.copied.endsWith("\nFlow Control\t2\tOn\tOff\n"));
        QVERIFY(d->config() == edited);
        // A file that sets only some keys is compared on those alone: the
        // aging time it leaves out is no difference.
        writeFile(path("partial.csv"), "file.configID,0,24\nport.flow-control,2,0\n");
        Prompts::queueFileNames({path("partial.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        QCOMPARE(answers.compared.filter(QStringLiteral("|")),
                 QStringList("Flow Control|2|On|Off|"));

        // Another model: the user says which of the rows the file is for,
        // and the two models are named.
        d->selectModel(13);
        d->type("lineEdit_agingTime", QStringLiteral("600"));
        answers.choose = 1;
        Prompts::queueFileNames({path("saved.csv")});
        d->action(QStringLiteral("&Compare with File…"))->trigger();
        QCOMPARE(answers.modelChoices.size(), rowsWithConfigId(24).size());
        QCOMPARE(answers.compared.value(0), "Compared with: " + named("saved.csv", 6));
        QCOMPARE(answers.compared.value(2),
                 "The file is for " + catalogueRow(6).modelName +
                     "; the current configuration is for " + catalogueRow(13).modelName + '.');
        QCOMPARE(answers.copied.section('\n', 0, 0),
                 "Current configuration (" + catalogueRow(13).modelName + ") compared with " +
                     named("saved.csv", 6));

        // A cancelled file dialog is no failure to report.
        for (const char *tool : {"&Compare with File…", "&Apply File to Current Model…"}) {
            Prompts::queueFileNames({QString()});
            d->action(QString::fromUtf8(tool))->trigger();
        }
        QCOMPARE(answers.messages, QStringList());
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
        QVERIFY(!answers.logRows.isEmpty()); // the ports and PoE the model lacks
        QCOMPARE(answers.logFile, "File: " + named("other.csv", 0));
        d->window->undoHistory().undoAction()->trigger();
        QVERIFY(d->config() == defaultConfiguration(0));
        QVERIFY(!d->window->isWindowModified());
    }
};

QTEST_MAIN(TestToolCommands)
#include "tst_toolcommands.moc"
