// Many switches from one template: the checks before anything is written
// and the writing, which stops cleanly.
#include "core/batch/switchbatch.h"
#include "core/catalogue/productcatalogue.h"
#include "core/config/textfields.h"
#include "core/file/configreader.h"
#include "core/file/outputfile.h"
#include "core/file/outputjobs.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <atomic>

namespace {

const QDate kDate(2026, 12, 7);
constexpr int kTwentySixPorts = 13;

// Rows as "file|location|contact|serial|override;override".
SwitchList listOf(const QStringList &overrideColumns, const QStringList &rows)
{
    SwitchList list;
    list.overrideColumns = overrideColumns;
    for (const QString &text : rows) {
        const QStringList f = text.split(QLatin1Char('|'));
        SwitchListRow row {f.value(0), f.value(1), f.value(2), f.value(3), {}};
        if (!overrideColumns.isEmpty())
            row.overrides = f.value(4).split(QLatin1Char(';'));
        list.rows << row;
    }
    return list;
}

// "row:column:reason" per problem.
QStringList problemsOf(const BatchPlan &plan)
{
    QStringList problems;
    for (const BatchCellProblem &p : plan.problems)
        problems << QStringLiteral("%1:%2:%3").arg(p.row).arg(p.column).arg(p.reason);
    return problems;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System,
                                  QDir::Name);
}

} // namespace

class TestSwitchBatch : public QObject
{
    Q_OBJECT

private slots:
    void problems_data()
    {
        QTest::addColumn<int>("catalogueRow");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("rows");
        // "row:column" or "row:column:reason"; the reason is compared when given.
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char *name, const QStringList &columns, const QStringList &rows,
                            const QStringList &expected, int model = kTwentySixPorts) {
            QTest::newRow(name) << model << columns << rows << expected;
        };
        row("valid rows", {"port.admin-state:5", "port.speed:26"},
            {"sw1|Hall 4 (north)/2-b|Ann Smith|123456789|0;1", "sw2||||;"}, {});
        row("a key the file format lacks", {"port.admn-state:5"}, {"sw1||||1"},
            {"-1:4:Not valid parameter"});
        row("a PoE key on a model without PoE ports", {"port.poe.admin-state:1"}, {"sw1||||1"},
            {"-1:4:Not valid Line"}, 0);
        // The reader's own rules for the index and the value; their problems sit
        // in the header and in their cells.
        row("a port the model lacks, a value out of range",
            {"port.jumbo:27", "port.jumbo:26", "switch.aging-time:0"},
            {"sw1||||1;1;1048576", "sw2||||1;1;1048575"},
            {"-1:4:Not valid index", "0:6:Not valid value"});
        row("keys a file does not carry",
            {"port.vlan.id:3", "port.qos.trust-mode:2", "qos.trust-mode:0"}, {"sw1||||5;1;1"},
            {"-1:4", "-1:5"});
        row("a text key, a setting twice", {"file.location:0", "port.speed:5", "port.speed:05"},
            {"sw1||||x;1;1"}, {"-1:4", "-1:6"});
        row("texts the window's fields refuse", {},
            {"sw1|Hall#4|J. Smith|12a", "sw2|" + QString(41, 'x') + "||1234567890",
             "sw3|" + QString(40, 'x') + "|" + QString(40, 'y') + "|"},
            {"0:1", "0:2", "0:3", "1:1", "1:3"});
        // Empty, a slash, a control character, "." and "..", a space at either
        // end, too long; the last two are names.
        row("illegal file names", {},
            QString("|a/b|a\1b|.|..| a|a |%1|%2|..a")
                .arg(QString(197, 'x'), QString(196, 'x'))
                .split('|'),
            {"0:0", "1:0", "2:0", "3:0", "4:0", "5:0", "6:0", "7:0"});
        // One file on a USB stick, whichever case comes first.
        row("names written twice, also after .csv and in another case", {},
            {"A", "a.CSV", "a", "b", "b.csv.csv", "B.CSV"},
            {"1:0:Same file name as row 1", "2:0:Same file name as row 1",
             "5:0:Same file name as row 4"});
    }

    void problems()
    {
        QFETCH(int, catalogueRow);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);

        const BatchPlan plan = planBatch(defaultConfiguration(catalogueRow), {},
                                         listOf(columns, rows), QString(), false, false);
        QCOMPARE(plan.switches.size(), rows.size());
        QStringList found = problemsOf(plan);
        for (int i = 0; i < found.size() && i < expected.size(); ++i) {
            if (expected.at(i).count(QLatin1Char(':')) == 1)
                found[i] = found.at(i).section(QLatin1Char(':'), 0, 1);
        }
        QCOMPARE(found, expected);
        QCOMPARE(plan.isValid(), expected.isEmpty());
    }

    void switchRecords()
    {
        // The speed column comes first, but is stored after the auto
        // negotiation it depends on, as in a file.
        const SwitchConfig templateConfig = defaultConfiguration(kTwentySixPorts);
        QCOMPARE(templateConfig.ports[4].autoNeg, quint8(1));
        const SwitchList list = listOf({"port.speed:5", "port.autoneg:5", "port.jumbo:2"},
                                       {"sw1|Hall 4||42|1;0;1", "sw2.csv||Ann||;;"});
        const BatchPlan plan =
            planBatch(templateConfig, {"Tom", "Plant"}, list, QString(), false, true);
        QVERIFY(plan.isValid());

        const BatchSwitch &first = plan.switches.at(0), &second = plan.switches.at(1);
        QCOMPARE((QStringList {first.fileName, first.serial, first.texts.location,
                               first.texts.contactName, second.fileName, second.reportName,
                               second.texts.location}),
                 (QStringList {"sw1.csv", "42", "Hall 4", "Tom", "sw2.csv", "sw2.pdf", "Plant"}));
        SwitchConfig expected = templateConfig;
        storeText(expected.location, QStringLiteral("Hall 4"));
        expected.ports[4].autoNeg = 0;
        expected.ports[4].speed = kSpeed10;
        expected.ports[1].jumboFrames = 1;
        QVERIFY(first.config == expected);
        expected = templateConfig;
        storeText(expected.contactName, QStringLiteral("Ann"));
        QVERIFY(second.config == expected);
    }

    void existingFiles_data()
    {
        QTest::addColumn<QString>("existing"); // "dir " or "link " before a name: of that kind
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("reports");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("listed"); // the second row's name in the list

        QTest::newRow("a file, kept") << "sw1.csv" << false << false << true << "sw1";
        QTest::newRow("a file, replaced") << "sw1.csv" << true << false << false << "sw1";
        QTest::newRow("a report, no reports") << "sw1.pdf" << false << false << false << "sw1";
        QTest::newRow("a report, kept") << "sw1.pdf" << false << true << true << "sw1";
        QTest::newRow("a report, replaced") << "sw1.pdf" << true << true << false << "sw1";
        QTest::newRow("a folder, replaced") << "dir sw1.csv" << true << false << true << "sw1";
        QTest::newRow("a link to nothing, kept")
            << "link sw1.csv" << false << false << true << "sw1";
        // The name checked is the name written.
        QTest::newRow("upper case, kept") << "SW1.CSV" << false << false << true << "SW1.CSV";
        QTest::newRow("its report, kept") << "SW1.pdf" << false << true << true << "SW1.CSV";
    }

    void existingFiles()
    {
        QFETCH(QString, existing);
        QFETCH(bool, replace);
        QFETCH(bool, reports);
        QFETCH(bool, refused);
        QFETCH(QString, listed);

        QTemporaryDir folder;
        const QString path = folder.filePath(existing.section(QLatin1Char(' '), -1));
        if (existing.startsWith(QLatin1String("dir ")))
            QVERIFY(QDir().mkdir(path));
        else if (existing.startsWith(QLatin1String("link ")))
            QVERIFY(QFile::link(folder.filePath("nowhere"), path));
        else
            QVERIFY(writeOutputFile(path, "old"));

        const BatchPlan plan = planBatch(defaultConfiguration(0), {}, listOf({}, {"sw0", listed}),
                                         folder.path(), replace, reports);
        QCOMPARE(problemsOf(plan).join(QLatin1Char('\n')).startsWith(QLatin1String("1:0:")),
                 refused);
        QCOMPARE(plan.problems.size(), int(refused));
    }

    void writing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("reports");
        QTest::addColumn<int>("writtenCount"); // how many of the outputs, in order; not the rest
        const auto row = [](const char *name, const char *how, bool reports, int written) {
            QTest::newRow(name) << QString(how) << reports << written;
        };
        row("all", "", false, 4);
        row("all with reports", "", true, 8);
        row("a folder squats on the third name", "folder", false, 2);
        row("a file appeared at the third name", "file", false, 2);
        row("cancelled before the third", "cancel", false, 2);
        row("the second report fails", "report", true, 3);
        // Cancelled while the third report is being made, which is not waited
        // for: the third file stays, whole, and its report is not written.
        row("cancelled while a report is made", "cancel while made", true, 5);
    }

    void writing()
    {
        QFETCH(QString, how);
        QFETCH(bool, reports);
        QStringList outputs;
        for (const char *name : {"a", "b", "c", "d"})
            outputs << name + QStringLiteral(".csv")
                    << (reports ? name + QStringLiteral(".pdf") : QString());
        outputs.removeAll(QString());
        QFETCH(int, writtenCount);
        const QStringList written = outputs.mid(0, writtenCount),
                          notWritten = outputs.mid(writtenCount);

        QTemporaryDir folder;
        const BatchPlan plan =
            planBatch(defaultConfiguration(kTwentySixPorts), {},
                      listOf({}, {"a|Hall 1", "b|Hall 2", "c|Hall 3", "d|Hall 4"}), folder.path(),
                      how == "folder", reports);
        QVERIFY(plan.isValid());
        // What happens between the plan and the writing. A folder is no file
        // even for a batch that replaces files.
        const QString third = folder.filePath("c.csv");
        if (how == "folder")
            QVERIFY(QDir().mkdir(third));
        if (how == "file")
            QVERIFY(writeOutputFile(third, "someone else's"));

        QVector<int> progress;
        // The third report, when cancelled while it is made, is held until the
        // batch has returned; it gives up after a while if the batch waits.
        QSemaphore releaseThird;
        std::atomic<bool> thirdHeldInVain {false};
        const BatchOutcome outcome = writeBatch(
            plan, folder.path(), kDate,
            [&](int done, int total) {
                const bool askedAgain = !progress.isEmpty() && progress.last() == done;
                progress << done;
                return total == 4 && !(how == "cancel" && done == 2) &&
                    !(how == "cancel while made" && done == 2 && askedAgain);
            },
            // Called on the workers.
            [&](const BatchSwitch &batchSwitch, QString *error) -> std::optional<QByteArray> {
                if (how == "report" && batchSwitch.fileName == "b.csv") {
                    *error = "no fonts";
                    return std::nullopt;
                }
                if (how == "cancel while made" && batchSwitch.fileName == "c.csv")
                    thirdHeldInVain = !releaseThird.tryAcquire(1, 20000);
                return batchSwitch.texts.location.toLatin1();
            });
        releaseThird.release();
        // Reports still running after a stop read this function's data.
        OutputJobs::waitForStragglers();
        QVERIFY(!thirdHeldInVain);

        QCOMPARE(outcome.written, written);
        QCOMPARE(outcome.notWritten, notWritten);
        QCOMPARE(outcome.cancelled, how.startsWith("cancel"));
        QCOMPARE(outcome.failure.isEmpty(), how.isEmpty() || how.startsWith("cancel"));
        QCOMPARE(outcome.succeeded(), how.isEmpty());
        // Only the files written are there, each whole, and what was in the
        // way is as it was.
        QStringList present = written;
        if (how == "folder" || how == "file")
            present << "c.csv";
        present.sort();
        QCOMPARE(filesIn(folder.path()), present);
        for (int i = 0; i < plan.switches.size(); ++i) {
            const BatchSwitch &batchSwitch = plan.switches.at(i);
            if (written.contains(batchSwitch.fileName))
                QCOMPARE(readConfigFile(folder.filePath(batchSwitch.fileName)).value_or("?"),
                         configFileBytes(batchSwitch.config, batchSwitch.texts, kDate));
            // Each report is the one made for its own switch.
            if (written.contains(batchSwitch.reportName))
                QCOMPARE(readConfigFile(folder.filePath(batchSwitch.reportName)).value_or("?"),
                         batchSwitch.texts.location.toLatin1());
        }
        if (how == "file")
            QCOMPARE(readConfigFile(third).value_or("(unreadable)"), QByteArray("someone else's"));

        // The summary names what the user must know.
        const QString summary = batchSummaryText(outcome, folder.path());
        if (how.isEmpty()) {
            // Asked again while a report is awaited.
            progress.erase(std::unique(progress.begin(), progress.end()), progress.end());
            QCOMPARE(progress, (QVector<int> {0, 1, 2, 3, 4}));
            QCOMPARE(summary,
                     (reports ? QStringLiteral("4 files and 4 reports written to ")
                              : QStringLiteral("4 files written to ")) +
                         folder.path());
        }
        for (const QString &name : written + notWritten)
            QVERIFY2(summary.contains(name) != how.isEmpty(), qPrintable(summary));
        // A message that has to fit on a screen names one file of each list and counts the rest.
        if (!how.isEmpty() && notWritten.size() > 1)
            QVERIFY2(batchSummaryText(outcome, folder.path(), 1)
                         .endsWith(notWritten.first() +
                                   QStringLiteral(" and %1 more").arg(notWritten.size() - 1)),
                     qPrintable(summary));
    }
};

QTEST_GUILESS_MAIN(TestSwitchBatch)
#include "tst_switchbatch.moc"
