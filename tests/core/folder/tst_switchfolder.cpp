// A folder of switch files checked without a window, and turned back into
// a switch list that makes the same files again.
#include "core/batch/switchbatch.h"
#include "core/catalogue/productcatalogue.h"
#include "core/file/configwriter.h"
#include "core/folder/folderswitchlist.h"
#include "core/folder/switchfolder.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QDate kDate(2024, 3, 7);

QByteArray fileOf(int row, const ConfigFileTexts &texts = {"Ann Smith", "Hall 4"},
                  void (*change)(SwitchConfig &) = nullptr)
{
    SwitchConfig config = defaultConfiguration(row);
    if (change)
        change(config);
    return configFileBytes(config, texts, kDate);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
             qPrintable(path));
}

// The cells of each row as the dialog shows them and the exit status it
// gives, tab-separated.
QStringList shown(const QVector<SwitchFileRow> &rows)
{
    QStringList lines;
    for (const SwitchFileRow &row : rows)
        lines << QStringList {row.name,
                              switchFileModel(row),
                              switchFileSerial(row),
                              row.texts.location,
                              row.texts.contactName,
                              row.creationDate,
                              switchFileResult(row),
                              QString::number(switchFileStatus(row))}
                     .join('\t');
    return lines;
}

SwitchFileRow rowWithId(int configId)
{
    SwitchFileRow row;
    row.result = SwitchFileRow::Passed;
    row.configId = configId;
    return row;
}

} // namespace

class TestSwitchFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyKindOfEntry_data();
    void everyKindOfEntry();
    void fileThatVanishes();
    void mostCommonId();
    void listMakesTheFilesAgain();
    void filesLeftOut();

private:
    QTemporaryDir m_outside;
    QTemporaryDir m_folder;
};

void TestSwitchFolder::initTestCase()
{
    const QByteArray good = fileOf(0);
    QByteArray spreadsheet = good;
    spreadsheet.replace("07/03/2024", "07/03/24").replace("\n", ",\r\n");
    const std::pair<const char *, QByteArray> files[] = {
        {"a-16.csv", good},
        {"b-24.csv", fileOf(5, {})},
        {"STICK.CSV", fileOf(17, {"Bob Lee", "Press (east)"})},
        {"rejected.csv", good + "\nport.jumbo,9,1\nport.speed,2,9"},
        {"bom.csv", "\xEF\xBB\xBF" + good},
        {"semicolon.csv", QByteArray(good).replace(',', ';')},
        {"tabs.csv", QByteArray(good).replace(',', '\t')},
        {"text-with-semicolon.csv", fileOf(0, {"Ann", "Hall; 4"})},
        {"spreadsheet.csv", spreadsheet},
        {"empty.csv", ""},
        {"notes.txt", good},
        {"x.csv/inner.csv", good},
    };
    QVERIFY(QDir(m_folder.path()).mkdir("x.csv"));
    for (const auto &[name, bytes] : files)
        writeFile(m_folder.filePath(name), bytes);
    writeFile(m_outside.filePath("target.csv"), good);
    QVERIFY(QFile::link(m_outside.filePath("target.csv"), m_folder.filePath("outside.csv")));
    QVERIFY(QFile::link(m_outside.path(), m_folder.filePath("linked-folder")));
    QCOMPARE(mkfifo(QFile::encodeName(m_folder.filePath("fifo.csv")).constData(), 0600), 0);
}

void TestSwitchFolder::everyKindOfEntry_data()
{
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("summary");

    const QString five = "TAVRIN-KX-21-05C4000000\t613807101-\tHall 4\tAnn Smith\t07/03/2024\t";
    // A file of a shared ID may be for any of the rows sharing it.
    QStringList models, articles;
    for (const int row : rowsWithConfigId(24)) {
        models << catalogueRow(row).modelName;
        articles << articleNumber(row) + '-';
    }
    const QStringList rows {
        "a-16.csv\t" + five + "OK\t0",
        "b-24.csv\t" + models.join(" / ") + '\t' + articles.join(" / ") + "\t\t\t07/03/2024\tOK\t0",
        "bom.csv\t" + five + "OK, byte-order mark skipped\t0",
        "empty.csv\t\t\t\t\t\tNot a configuration file: names no supported switch model\t2",
        "fifo.csv\t\t\t\t\t\tSkipped: not a regular file\t0",
        "outside.csv\t\t\t\t\t\tSkipped: not a regular file\t0",
        "rejected.csv\t" + five + "2 rejected lines\t1",
        "semicolon.csv\t\t\t\t\t\tNot a configuration file: fields are separated by ';', not by "
        "commas\t2",
        // A free text runs to the line's end, a spreadsheet's comma with it.
        "spreadsheet.csv\tTAVRIN-KX-21-05C4000000\t613807101-\tHall 4,\tAnn "
        "Smith,\t07/03/24\tOK\t0",
        "STICK.CSV\tMERANTE 8CX PoE-LVD\t613821001-\tPress (east)\tBob Lee\t07/03/2024\tOK\t0",
        "tabs.csv\t\t\t\t\t\tNot a configuration file: fields are separated by tabs, not by "
        "commas\t2",
        "text-with-semicolon.csv\tTAVRIN-KX-21-05C4000000\t613807101-\tHall; 4\tAnn\t07/03/2024\t"
        "OK\t0",
    };
    QTest::newRow("the folder alone")
        << false << rows
        << "12 files: 6 OK, 1 with rejected lines, 3 not configuration files, 2 skipped";
    QStringList withSubfolders = rows;
    withSubfolders << "x.csv/inner.csv\t" + five + "OK\t0";
    QTest::newRow("with subfolders")
        << true << withSubfolders
        << "13 files: 7 OK, 1 with rejected lines, 3 not configuration files, 2 skipped";
}

void TestSwitchFolder::everyKindOfEntry()
{
    QFETCH(bool, recursive);
    const QVector<SwitchFileRow> rows = checkSwitchFolder(m_folder.path(), recursive);
    QTEST(shown(rows), "rows");
    QTEST(switchFolderSummary(rows), "summary");
    // A model chosen among the rows sharing an ID names only that one.
    const SwitchFileRow &shared = rows.at(1);
    QCOMPARE(switchFileModel(shared, 6), catalogueRow(6).modelName);
    QCOMPARE(switchFileSerial(shared, 6), articleNumber(6) + '-');
    QCOMPARE(checkSwitchFile({shared.path, shared.name, true}, 6).catalogueRow, 6);
}

void TestSwitchFolder::fileThatVanishes()
{
    // Listed, then gone before it is read: the system's reason.
    QTemporaryDir folder;
    writeFile(folder.filePath("gone.csv"), fileOf(0));
    const QVector<SwitchFolderEntry> entries = switchFolderEntries(folder.path(), false);
    QCOMPARE(entries.size(), 1);
    QVERIFY(QFile::remove(entries.first().path));
    const SwitchFileRow row = checkSwitchFile(entries.first());
    QCOMPARE(switchFileResult(row), QStringLiteral("Cannot be read: No such file or directory"));
    QCOMPARE(switchFileStatus(row), 2);
    // Replaced by a link since listed: not followed.
    QVERIFY(QFile::link(m_outside.filePath("target.csv"), entries.first().path));
    QCOMPARE(checkSwitchFile(entries.first()).result, SwitchFileRow::NotRegularFile);
}

void TestSwitchFolder::mostCommonId()
{
    const QVector<SwitchFileRow> tie {rowWithId(32), rowWithId(16), rowWithId(32), rowWithId(16)};
    QCOMPARE(mostCommonConfigId(tie), 16);
    QCOMPARE(mostCommonConfigId(tie + QVector<SwitchFileRow> {rowWithId(32)}), 32);
    SwitchFileRow unreadable;
    QCOMPARE(mostCommonConfigId({unreadable}), -1);
}

void TestSwitchFolder::listMakesTheFilesAgain()
{
    // Files of the 26-port rows that differ in texts, the aging time, a
    // port's state and its speed; the second row shares their ID.
    QTemporaryDir folder;
    const std::tuple<const char *, int, ConfigFileTexts, void (*)(SwitchConfig &)> files[] = {
        {"hall4-sw01.csv", 13, {"Ann Smith", "Hall 4"}, nullptr},
        {"hall4-sw02.csv",
         14,
         {"Ann Smith", "Hall 4"},
         [](SwitchConfig &c) { c.ports[24].adminState = 0; }},
        {"press.csv",
         13,
         {"Bob Lee", "Press (east)"},
         [](SwitchConfig &c) {
             c.agingTime = 600;
             c.ports[2].autoNeg = 0;
             c.ports[2].speed = 1;
             c.dscpTrafficClass[46] = 3;
         }},
        {"SPARE.CSV", 13, {"Ann Smith", "Hall 4"}, [](SwitchConfig &c) { c.ports[2].autoNeg = 0; }},
    };
    for (const auto &[name, row, texts, change] : files)
        writeFile(folder.filePath(name), fileOf(row, texts, change));

    const QVector<SwitchFileRow> rows = checkSwitchFolder(folder.path(), false);
    const FolderSwitchList made = folderSwitchList(rows);
    QCOMPARE(made.configId, 32);
    QVERIFY(made.leftOut.isEmpty());
    QCOMPARE(switchListBytes(made.list),
             QByteArray("file,location,contact,serial,switch.aging-time:0,dscp.traffic-class:46,"
                        "port.admin-state:25,port.autoneg:3,port.speed:3\n"
                        "hall4-sw01,Hall 4,Ann Smith,,300,2,1,1,2\n"
                        "hall4-sw02,Hall 4,Ann Smith,,300,2,0,1,2\n"
                        "press,Press (east),Bob Lee,,600,3,1,0,1\n"
                        "SPARE.CSV,Hall 4,Ann Smith,,300,2,1,0,2\n"));
    // Read back as written, and with any file as template, each switch's
    // file is that file.
    const std::optional<SwitchList> reread = parseSwitchList(switchListBytes(made.list));
    QVERIFY(reread && *reread == made.list);
    for (const SwitchFileRow &templateFile : rows) {
        const BatchPlan plan =
            planBatch(templateFile.config, templateFile.texts, *reread, QString(), false, false);
        QVERIFY(plan.isValid());
        for (int i = 0; i < rows.size(); ++i) {
            const BatchSwitch &made = plan.switches.at(i);
            QCOMPARE(made.fileName.toLower(), rows.at(i).name.toLower());
            QCOMPARE(configFileBytes(made.config, made.texts, kDate),
                     fileOf(std::get<1>(files[i]), std::get<2>(files[i]), std::get<3>(files[i])));
        }
    }
}

void TestSwitchFolder::filesLeftOut()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("sub"));
    const std::pair<const char *, QByteArray> files[] = {
        {"a.csv", fileOf(13)},
        {"b.csv", fileOf(13, {"Ann Smith", "Hall#4"})},
        {"c.csv", fileOf(13, {"Ann Smith", ""})},
        {"d.csv", fileOf(13, {}, [](SwitchConfig &c) { c.agingTime = 1; })},
        {"e.csv", fileOf(0)},
        {"f.csv", fileOf(13) + "\nport.jumbo,27,1"},
        {"g.csv", "file;0;32"},
        {"sub/A.csv", fileOf(13)},
    };
    for (const auto &[name, bytes] : files)
        writeFile(folder.filePath(name), bytes);
    const QVector<SwitchFileRow> rows = checkSwitchFolder(folder.path(), true);
    const FolderSwitchList made = folderSwitchList(rows);
    QStringList leftOut;
    for (const LeftOutFile &file : made.leftOut)
        leftOut << file.name + ": " + file.reason;
    const QString empty = " is empty where other files have one; in a switch list an empty cell "
                          "keeps the template's";
    QCOMPARE(
        leftOut,
        QStringList({"b.csv: location \"Hall#4\": Only letters, digits, spaces and ( ) / - "
                     "(at most 40)",
                     "c.csv: The location" + empty, "d.csv: The location" + empty,
                     "e.csv: For another model (configuration ID 16)", "f.csv: 1 rejected line",
                     "g.csv: Not a configuration file: fields are separated by ';', not by "
                     "commas",
                     "sub/A.csv: Same file name as a.csv"}));
    QCOMPARE(made.list.rows.size(), 1);
    // The files of the ID chosen instead.
    QCOMPARE(folderSwitchList(rows, 16).list.rows.value(0).fileName, QStringLiteral("e"));
}

QTEST_GUILESS_MAIN(TestSwitchFolder)
#include "tst_switchfolder.moc"
