// Runs the built mestrel-check as a script would, in a folder of files.
#include "../report/pdftext.h"
#include "core/catalogue/productcatalogue.h"
#include "core/file/configreader.h"
#include "core/file/configwriter.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct Ran
{
    int status = -1; // -1 for a crash or a signal
    QByteArray out;
    QByteArray err;
};

// Runs the tool with `arguments`, or a shell command line with the tool as
// "$0".
Ran run(const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
        const QString &shellCommand = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (shellCommand.isEmpty())
        process.start(QStringLiteral(MESTREL_CHECK), arguments);
    else
        process.start(QStringLiteral("bash"), {"-c", shellCommand, QStringLiteral(MESTREL_CHECK)});
    const bool exited =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// An empty folder "out" for the files a batch writes.
void emptyOut()
{
    QDir("out").removeRecursively();
    QVERIFY(QDir().mkdir("out"));
}

// The lines printed, empty ones left out.
QStringList linesOf(const QByteArray &output)
{
    return QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts);
}

// The models of the rows sharing configuration ID 24.
QStringList modelsOfId24()
{
    QStringList models;
    for (const int row : rowsWithConfigId(24))
        models << catalogueRow(row).modelName;
    return models;
}

// A 26-port switch's file: its aging time and location its own.
QByteArray plantFile(int aging, const QString &location)
{
    SwitchConfig config = defaultConfiguration(13);
    config.agingTime = quint32(aging);
    return configFileBytes(config, {"Ann Smith", location}, QDate(2024, 3, 7));
}

const QDate kSaveDate(2024, 3, 7);

// The line of bad.csv that no model takes, after the default file; the
// reader counts a file's lines from 0.
QString badLine(const QString &file = QStringLiteral("bad.csv"),
                const char *line = "port.jumbo,9,1", const char *reason = "Not valid index")
{
    const QByteArray good = configFileBytes(defaultConfiguration(0), {}, kSaveDate);
    return QStringLiteral("%1:%2: %3: %4")
        .arg(file)
        .arg(good.count('\n') + 1)
        .arg(QLatin1String(line), QLatin1String(reason));
}

// What reading the 26-port big.csv for a five-port row rejects: every line
// of ports 6 to 26; the last of them, and how many.
QStringList rejectedBeyondFivePorts()
{
    const QList<QByteArray> lines =
        configFileBytes(defaultConfiguration(13), {}, kSaveDate).split('\n');
    QString last;
    int count = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("port.") && lines[i].split(',').value(1).toInt() > 5) {
            last = QStringLiteral("big.csv:%1: %2: Not valid index")
                       .arg(i)
                       .arg(QString::fromLatin1(lines[i]));
            ++count;
        }
    }
    return {last, QStringLiteral("big.csv: %1 rejected lines").arg(count)};
}

} // namespace

class TestMestrelCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QDir::setCurrent(m_folder.path());
        SwitchConfig longerAging = defaultConfiguration(5); // the first of three rows with its ID
        longerAging.agingTime = 600;
        const QByteArray good = configFileBytes(defaultConfiguration(0), {}, kSaveDate);
        const QByteArray sibling = configFileBytes(longerAging, {}, kSaveDate);
        const std::pair<const char *, QByteArray> files[] = {
            {"good.csv", good},
            {"bad.csv", good + "\nport.jumbo,9,1"},
            {"big.csv", configFileBytes(defaultConfiguration(13), {}, kSaveDate)},
            {"sibling.csv", sibling},
            {"partial.csv", QByteArray(sibling).replace("switch.aging-time,0,600\n", "")},
            {"notes.txt", "hello\n"},
            {"bom.csv", "\xEF\xBB\xBF" + good},
            {"semi.csv", QByteArray(good).replace(',', ';')},
            {"plant/hall1.csv", plantFile(300, "Hall 1")},
            {"plant/hall2.csv", plantFile(600, "Hall 2")},
            {"plant/sub/hall3.csv", plantFile(300, "Hall 3")},
            {"mixed/hall1.csv", plantFile(300, "Hall 1")},
            {"mixed/bad.csv", plantFile(300, "Hall 1") + "\nport.jumbo,27,1"},
            {"mixed/semi.CSV", "file.configID;0;32\n"},
        };
        for (const char *folder : {"plant/sub", "mixed"})
            QVERIFY(QDir().mkpath(folder));
        for (const auto &[name, bytes] : files)
            writeFile(name, bytes);
    }

    void printedLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lastLines");

        const auto row = [](const char *name, const QStringList &arguments, int status,
                            const QStringList &lastLines) {
            QTest::newRow(name) << arguments << status << lastLines;
        };
        const QString five = QStringLiteral("TAVRIN-KX-21-05C4000000");
        row("the highest status of several files",
            {"bad.csv", "missing.csv", "notes.txt", "good.csv"}, 2,
            {badLine(), "bad.csv: 1 rejected line (" + five + ')',
             "missing.csv: cannot be read: No such file or directory",
             "notes.txt: names no supported switch model", "good.csv: OK (" + five + ')'});
        // A spreadsheet's byte-order mark is skipped and remarked upon; its list
        // format is refused with the reason.
        row("files from spreadsheets", {"bom.csv", "semi.csv"}, 2,
            {"bom.csv: remark: the file starts with a byte-order mark; Save writes it without one",
             "bom.csv: OK (" + five + ')',
             "semi.csv: Fields are separated by ';', not by commas — a spreadsheet saved it in "
             "another list format"});
        const QStringList beyondFivePorts = rejectedBeyondFivePorts();
        row("a row by number", {"--model", "1", "big.csv"}, 1,
            {beyondFivePorts[0], beyondFivePorts[1] + " (" + five + ')'});
        // A model by name, in any case. The second file names the ID of the first
        // one's row: it is read for that row. The rejected lines follow the
        // differences.
        row("diff, a row sharing the ID",
            {"--model", "tavrin-kx-21-04c4h30000", "--diff", "bad.csv", "sibling.csv"}, 1,
            {"1 setting differs", "Setting\tPort\tbad.csv\tsibling.csv",
             "Aging Time [s]\t\t300\t600", badLine()});
        // A setting one file lacks is no difference.
        row("diff, a line missing", {"--diff", "sibling.csv", "partial.csv"}, 0,
            {"The configurations are identical"});
        // Rows sharing an ID: each is named unless --model chooses one.
        row("diff, a shared ID", {"--diff", "good.csv", "sibling.csv"}, 1,
            {"1 setting differs",
             "good.csv is for " + five +
                 "; sibling.csv is for ID 24: " + modelsOfId24().join(" / ") + '.',
             "Setting\tPort\tgood.csv\tsibling.csv", "Aging Time [s]\t\t300\t600"});
        row("diff, a shared ID chosen", {"--model", "7", "--diff", "sibling.csv", "good.csv"}, 1,
            {"1 setting differs",
             "sibling.csv is for " + catalogueRow(6).modelName + "; good.csv is for " + five + '.',
             "Setting\tPort\tsibling.csv\tgood.csv", "Aging Time [s]\t\t600\t300"});
        row("diff, another model", {"--diff", "good.csv", "big.csv"}, 0,
            {"The configurations are identical",
             "good.csv is for " + five + "; big.csv is for ID 32: " + catalogueRow(13).modelName +
                 " / " + catalogueRow(14).modelName + '.'});
    }

    void printedLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lastLines);
        const auto [status, output, errors] = run(arguments);
        QTEST(status, "status");
        const QStringList lines = QString::fromLocal8Bit(output).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.mid(lines.size() - lastLines.size()), lastLines);
    }

    void json()
    {
        const auto [status, output, errors] = run({"--json", "good.csv", "bad.csv", "missing.csv"});
        QCOMPARE(status, 2);
        const QJsonArray files = QJsonDocument::fromJson(output)["files"].toArray();
        QCOMPARE(files[0]["status"].toString(), QStringLiteral("passed"));
        QCOMPARE(files[1]["rejected"][0]["line"].toInt(), badLine().section(':', 1, 1).toInt());
        QCOMPARE(files[1]["rejected"][0]["reason"].toInt(), int(RejectReason::BadIndex));
        QCOMPARE(files[1]["rejected"][0]["text"].toString(), QStringLiteral("port.jumbo,9,1"));
        QCOMPARE(files[2]["status"].toString(), QStringLiteral("unreadable"));

        const QByteArray diff = run({"--json", "--diff", "good.csv", "sibling.csv"}).out;
        const QJsonValue difference = QJsonDocument::fromJson(diff)["differences"][0];
        QCOMPARE(difference["key"].toString(), QStringLiteral("switch.aging-time"));
        QCOMPARE(difference["second"].toString(), QStringLiteral("600"));
        // The rows the second file may be for, none chosen.
        const QJsonValue second = QJsonDocument::fromJson(diff)["second"];
        QCOMPARE(second["candidates"].toArray(), QJsonArray::fromStringList(modelsOfId24()));
    }

    void report()
    {
        // No display and no platform named: the tool finds its own way.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QCOMPARE(run({"--report", "big.csv", "--output", "big.pdf"}, environment).status, 0);
        const QList<QStringList> pages = pdfPageLines(QStringLiteral("big.pdf"));
        QCOMPARE(pages.size(), 3);
        // The serial number as right after opening: the article number and "-".
        QVERIFY(pages.value(0).filter("Serial Number").value(0).contains(articleNumber(13) + "- "));
    }

    void failedWrites_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // on standard error; empty: nothing

        const auto row = [](const char *name, const char *command, int status,
                            const char *message) {
            QTest::newRow(name) << QString(command) << status << QString(message);
        };
        row("report to a FIFO", R"(mkfifo pipe.pdf && "$0" --report good.csv --output pipe.pdf)", 2,
            "pipe.pdf: cannot be written: pipe.pdf is not a regular file");
        // As a nearly full disk: the report stops part-way.
        row("report over a file size limit",
            R"(ulimit -f 16 && "$0" --report big.csv --output old.pdf)", 2,
            "old.pdf: cannot be written: File too large");
        const char *full = "mestrel-check: standard output: No space left on device";
        row("list to a full device", R"("$0" --list-models > /dev/full)", 2, full);
        row("help to a full device", R"("$0" --help > /dev/full)", 2, full);
        // Far more than a pipe holds, to a reader that stops after one line.
        row("a closed pipe",
            R"(set -o pipefail; "$0" --model 1 big.csv big.csv big.csv big.csv big.csv big.csv big.csv big.csv big.csv big.csv | head -n 1 > /dev/null)",
            128 + SIGPIPE, "");
    }

    void failedWrites()
    {
        QFETCH(QString, command);
        QFETCH(QString, message);
        writeFile("old.pdf", "the previous report");
        const auto [status, output, errors] =
            run({}, QProcessEnvironment::systemEnvironment(), command);
        QTEST(status, "status");
        // Mestrel's own lines only: Qt may warn of the session's set-up (the
        // locale, the runtime folder) in lines of its own.
        const QStringList own = QString::fromLocal8Bit(errors).split('\n').filter(
            QRegularExpression(QStringLiteral("^(mestrel-check|\\S+\\.pdf): ")));
        QCOMPARE(own.value(own.size() - 1), message);
        // Nothing replaced: the FIFO is one still, the previous report intact.
        if (QFileInfo::exists("pipe.pdf")) {
            QVERIFY(!QFileInfo("pipe.pdf").isFile());
            QFile::remove("pipe.pdf");
        }
        QFile previous("old.pdf");
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("the previous report"));
    }

    void options()
    {
        // The catalogue's last row; "row" in JSON counts as --list-models.
        const QByteArray last = QByteArray::number(kCatalogueSize);
        const QByteArray lastRow = run({"--list-models"}).out.split('\n').value(kCatalogueSize);
        QVERIFY(lastRow.trimmed().startsWith(last + ' '));
        const auto [status, output, errors] =
            run({"--json", "--model", last.constData(), "good.csv"});
        QCOMPARE(status, 0); // a 5-port file passes on the last model too
        const QJsonValue file = QJsonDocument::fromJson(output)["files"][0];
        QCOMPARE(file["row"].toInt(), kCatalogueSize);
        QVERIFY(lastRow.contains(file["model"].toString().toUtf8()));

        // The option's value after "=", as every long option takes it.
        QFile::remove("equals.pdf");
        QCOMPARE(run({"--report=good.csv", "--output=equals.pdf"}).status, 0);
        QCOMPARE(pdfPageLines(QStringLiteral("equals.pdf")).size(), 2);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *message, const QStringList &arguments) {
            QTest::newRow(message) << arguments << QString(message);
        };
        // Options that would do nothing beside the others.
        row("--output needs --report", {"--output", "a.pdf", "good.csv"});
        row("--replace needs --batch or --to-list", {"--replace", "good.csv"});
        row("--output-dir needs --batch", {"--diff", "good.csv", "bad.csv", "--output-dir", "out"});
        row("--batch takes --output-dir, not --output",
            {"--batch", "good.csv", "--list", "l.csv", "--output-dir", "out", "--output", "o"});
        row("--model has no effect with --list-models", {"--list-models", "--model", "1"});
        row("--list-models takes no file", {"--list-models", "good.csv"});
        row("--list-models and --diff cannot be combined", {"--diff", "--list-models"});
        row("--report takes no other file",
            {"--report", "good.csv", "--output", "x.pdf", "bad.csv"});
        // What a task needs, and what the parser refuses.
        row("--diff takes two files", {"--diff", "good.csv"});
        row("no catalogue row or model '99' (see --list-models)", {"--model", "99", "good.csv"});
        row("Unknown option 'frobnicate'.", {"--frobnicate", "good.csv"});
        row("Missing value after '--model'.", {"good.csv", "--model"});
    }

    void usageErrors()
    {
        // Status 2 and nothing written: the reason on standard error, or with
        // --json as the one object on standard output.
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFile::remove("x.pdf");
        const Ran text = run(arguments);
        QCOMPARE(text.status, 2);
        QCOMPARE(text.out, QByteArray());
        // A line of its own: Qt may warn of the session's set-up before it.
        const QByteArray reason = "mestrel-check: " + message.toUtf8() + '\n';
        QVERIFY2(text.err.startsWith(reason) || text.err.contains('\n' + reason), text.err);

        const Ran json = run(QStringList {"--json"} + arguments);
        QCOMPARE(json.status, 2);
        QCOMPARE(QJsonDocument::fromJson(json.out).object(), QJsonObject({{"error", message}}));
        QVERIFY2(!json.err.contains("mestrel-check"), json.err);
        QVERIFY(!QFile::exists("x.pdf"));
    }

    void escapedLines()
    {
        // A backslash stays apart from the escapes it would imitate. (What may
        // reach the terminal at all is the printers' fuzz target's business.)
        writeFile("hostile.csv",
                  configFileBytes(defaultConfiguration(0), {}, kSaveDate) +
                      "\nport.speed,3,\x1b[2J\\x");
        const QString escaped =
            badLine(QStringLiteral("hostile.csv"), "port.speed,3,\\x1b[2J\\\\x", "Not valid value");
        QVERIFY(QString::fromLocal8Bit(run({"hostile.csv"}).out).contains(escaped));
    }

    void batch_data()
    {
        QTest::addColumn<QString>("templateFile");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lastLines"); // of standard output
        QTest::addColumn<QStringList>("written"); // what the folder holds after

        const auto row = [](const char *name, const QByteArray &list, const QStringList &options,
                            int status, const QStringList &lastLines,
                            const QStringList &written = {}, const char *templateFile = "big.csv") {
            QTest::newRow(name) << QString(templateFile) << list << options << status << lastLines
                                << written;
        };
        const QByteArray good = "file,location,port.admin-state:5,serial\nsw1,Hall 4,0,123\n"
                                "\"sw2, east\",,,\n";
        row("with reports", good, {"--report"}, 0, {"2 files and 2 reports written to out"},
            {"sw1.csv", "sw1.pdf", "sw2, east.csv", "sw2, east.pdf"});
        row("rows rejected", "file,port.admin-state:5,port.jumbo:27\nsw1,7,\nsw2,,\n", {}, 1,
            {"list.csv:0: port.jumbo,27: Not valid index",
             "list.csv:1: port.admin-state,5,7: Not valid value",
             "list.csv: 2 problems; nothing written"});
        row("a template with rejected lines", good, {}, 1,
            {badLine(), "bad.csv: 1 rejected line (TAVRIN-KX-21-05C4000000)"}, {}, "bad.csv");
        // A field of 200 characters is printed whole; a longer one is cut there.
        const QByteArray digits(200, '1');
        row("long values", "file,port.jumbo:3\nsw1," + digits + "\nsw2," + digits + "1\n", {}, 1,
            {"list.csv:1: port.jumbo,3," + digits + ": Not valid value",
             "list.csv:2: port.jumbo,3," + digits + "…: Not valid value",
             "list.csv: 2 problems; nothing written"});
        row("a list that is no list", "name\nsw1\n", {}, 2,
            {"list.csv: cannot be read: unknown column \"name\": the columns are file, location, "
             "contact, serial and KEY:INDEX"});
        row("no such folder", good, {"--output-dir", "missing"}, 2, {"missing: no such folder"});
        row("a file for a folder", good, {"--output-dir", "list.csv"}, 2,
            {"list.csv: is not a folder"});
        row("replace", good, {"--replace"}, 0, {"2 files written to out"},
            {"sw1.csv", "sw2, east.csv"});
    }

    void batch()
    {
        QFETCH(QString, templateFile);
        QFETCH(QByteArray, list);
        QFETCH(QStringList, options);
        QFETCH(QStringList, lastLines);
        QFETCH(QStringList, written);

        emptyOut();
        writeFile("list.csv", list);
        QStringList arguments {"--batch", templateFile, "--list", "list.csv"};
        arguments += options.contains("--output-dir")
            ? options
            : options + QStringList {"--output-dir", "out"};
        // A UTF-8 terminal, which is shown the "…" of a cut field.
        QProcessEnvironment utf8 = QProcessEnvironment::systemEnvironment();
        utf8.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        const auto [status, output, errors] = run(arguments, utf8);
        QTEST(status, "status");
        const QStringList lines = linesOf(output);
        QCOMPARE(lines.mid(lines.size() - lastLines.size()), lastLines);
        QCOMPARE(QDir("out").entryList(QDir::Files, QDir::Name), written);
        if (!written.contains("sw1.pdf"))
            return;

        // The list's serial number reached the report.
        const QStringList page = pdfPageLines(QStringLiteral("out/sw1.pdf")).value(0);
        QVERIFY(page.filter("Serial Number").value(0).contains(articleNumber(13) + "-123"));
    }

    void batchJson()
    {
        emptyOut();
        writeFile("list.csv", "file,serial,port.speed:3\nsw1,12,1\nsw1,x,9\n");
        const QStringList batch {"--json",   "--batch",      "big.csv", "--list",
                                 "list.csv", "--output-dir", "out"};
        Ran ran = run(batch);
        QCOMPARE(ran.status, 1);
        QJsonDocument json = QJsonDocument::fromJson(ran.out);
        QCOMPARE(json["exitStatus"].toInt(), 1);
        const QJsonArray problems = json["problems"].toArray();
        QCOMPARE(problems.size(), 3);
        QCOMPARE(problems[2]["line"].toInt(), 2);
        QCOMPARE(problems[2]["row"].toInt(), 2);
        QCOMPARE(problems[2]["column"].toString(), QStringLiteral("port.speed:3"));
        QCOMPARE(problems[2]["value"].toString(), QStringLiteral("9"));
        QCOMPARE(problems[2]["reason"].toString(), QStringLiteral("Not valid value"));

        writeFile("list.csv", "file,serial,port.speed:3\nsw1,12,1\nsw2,,\n");
        ran = run(batch);
        QCOMPARE(ran.status, 0);
        json = QJsonDocument::fromJson(ran.out);
        QCOMPARE(json["exitStatus"].toInt(), 0);
        QCOMPARE(json["written"].toArray(), QJsonArray({"sw1.csv", "sw2.csv"}));
        QCOMPARE(json["template"]["status"].toString(), QStringLiteral("passed"));
    }

    void folder_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lastLines"); // of standard output
        QTest::addColumn<QStringList>("errors"); // standard error

        const auto row = [](const char *name, const QStringList &arguments, int status,
                            const QStringList &lastLines, const QStringList &errors = {}) {
            QTest::newRow(name) << arguments << status << lastLines << errors;
        };
        const QString big = "TAVRIN KX-21-24C4R7R700 / TAVRIN KX-41-24C4G7G700\t613807114- / "
                            "613807999-\t";
        row("files that pass", {"--folder", "plant"}, 0,
            {"hall1.csv\t" + big + "Hall 1\tAnn Smith\t07/03/2024\tOK",
             "hall2.csv\t" + big + "Hall 2\tAnn Smith\t07/03/2024\tOK", "2 files: 2 OK"});
        row("subfolders, a model chosen", {"--folder", "plant", "--recursive", "--model", "15"}, 0,
            {"sub/hall3.csv\tTAVRIN KX-41-24C4G7G700\t613807999-\tHall 3\tAnn "
             "Smith\t07/03/2024\tOK",
             "3 files: 3 OK"});
        const QString semicolons =
            "Not a configuration file: fields are separated by ';', not by commas";
        row("the highest status", {"--folder", "mixed"}, 2,
            {"semi.CSV\t\t\t\t\t\t" + semicolons,
             "3 files: 1 OK, 1 with rejected lines, 1 not a configuration file"});
        row("to a list", {"--folder", "plant", "--to-list", "list.csv"}, 0,
            {"list.csv: switch list of 2 files written (configuration ID 32)"});
        row("to a list that exists", {"--folder", "plant", "--to-list", "good.csv"}, 2,
            {"2 files: 2 OK"}, {"good.csv: already exists; --replace replaces it"});
        row("to a list, files left out",
            {"--folder", "mixed", "--to-list", "list.csv", "--replace"}, 2,
            {"list.csv: switch list of 1 file written (configuration ID 32)"},
            {"bad.csv: left out: 1 rejected line", "semi.CSV: left out: " + semicolons});
        row("no such folder", {"--folder", "missing"}, 2, {}, {"missing: no such folder"});
        row("a list without a folder", {"--to-list", "list.csv", "good.csv"}, 2, {},
            {"mestrel-check: --to-list and --recursive need --folder DIR",
             "Try 'mestrel-check --help'."});
    }

    void folder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lastLines);
        QFile::remove("list.csv");
        const Ran ran = run(arguments);
        QTEST(ran.status, "status");
        const QStringList out = linesOf(ran.out);
        QCOMPARE(out.mid(out.size() - lastLines.size()), lastLines);
        QTEST(linesOf(ran.err), "errors");
    }

    void folderJson()
    {
        writeFile("mixed/list.csv", "written before");
        const auto [status, output, errors] = run({"--json", "--folder", "mixed", "--to-list",
                                                   "mixed/list.csv", "--replace", "--model", "15"});
        QCOMPARE(status, 2);
        const QJsonDocument json = QJsonDocument::fromJson(output);
        QCOMPARE(json["exitStatus"].toInt(), 2);
        // The list written before is no file of the folder's.
        const QJsonArray files = json["files"].toArray();
        QCOMPARE(files.size(), 3);
        QCOMPARE(files[0]["file"].toString(), QStringLiteral("bad.csv"));
        QCOMPARE(files[0]["status"].toString(), QStringLiteral("rejected"));
        QCOMPARE(files[0]["rejectedLines"].toInt(), 1);
        QCOMPARE(files[1]["model"].toString(), catalogueRow(14).modelName);
        QCOMPARE(files[1]["configId"].toInt(), 32);
        QCOMPARE(files[1]["location"].toString(), QStringLiteral("Hall 1"));
        QCOMPARE(files[2]["status"].toString(), QStringLiteral("unsupported"));
        QVERIFY(!files[2].toObject().contains("model"));
        QCOMPARE(json["list"]["written"].toBool(), true);
        QCOMPARE(json["list"]["switches"].toInt(), 1);
        QCOMPARE(json["list"]["leftOut"][0]["file"].toString(), QStringLiteral("bad.csv"));
        QCOMPARE(json["list"]["leftOut"][0]["reason"].toString(),
                 QStringLiteral("1 rejected line"));
    }

    void folderListMakesTheFilesAgain()
    {
        // The folder's list and one of its files as template make its files
        // again, the creation date aside.
        QFile::remove("list.csv");
        emptyOut();
        QCOMPARE(run({"--folder", "plant", "--recursive", "--to-list", "list.csv"}).status, 0);
        QCOMPARE(
            run({"--batch", "plant/hall2.csv", "--list", "list.csv", "--output-dir", "out"}).status,
            0);
        const QRegularExpression date(QStringLiteral("file.creation-date,0,[^\n]*"));
        for (const char *name : {"hall1.csv", "hall2.csv", "sub/hall3.csv"}) {
            const QString made = "out/" + QFileInfo(name).fileName();
            QCOMPARE(QString::fromLatin1(readConfigFile(made).value_or("")).remove(date),
                     QString::fromLatin1(readConfigFile("plant/" + QString(name)).value_or(""))
                         .remove(date));
        }
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestMestrelCheck)
#include "tst_mestrelcheck.moc"
