#include "../report/pdftext.h"
#include "catalogue/productcatalogue.h"
#include "file/configwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QStringList lines; // of the standard output
    QByteArray output;
};

} // namespace

// Runs the built mestrel-check as a script would, in a folder of files.
class TestMestrelCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checkFiles_data();
    void checkFiles();
    void diff_data();
    void diff();
    void json();
    void report_data();
    void report();

private:
    void write(const QString &name, const QByteArray &bytes);
    Run run(const QStringList &arguments,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    QTemporaryDir m_folder;
};

void TestMestrelCheck::write(const QString &name, const QByteArray &bytes)
{
    QFile file(m_folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Run TestMestrelCheck::run(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setWorkingDirectory(m_folder.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MESTREL_CHECK), arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.output = process.readAllStandardOutput();
    result.lines = QString::fromLocal8Bit(result.output).split(QLatin1Char('\n'));
    if (result.lines.last().isEmpty())
        result.lines.removeLast();
    return result;
}

void TestMestrelCheck::initTestCase()
{
    const QDate date(2024, 3, 7);
    const QByteArray fivePorts = configFileBytes(defaultConfiguration(0), {}, date);
    SwitchConfig longerAging = defaultConfiguration(0);
    longerAging.agingTime = 600;
    write("good.csv", fivePorts);
    write("bad.csv", fivePorts + "\nport.jumbo,9,1");
    write("edited.csv", configFileBytes(longerAging, {}, date));
    write("big.csv", configFileBytes(defaultConfiguration(13), {}, date));
    write("sibling.csv", configFileBytes(defaultConfiguration(5), {}, date));
    write("notes.txt", "hello\n");
}

void TestMestrelCheck::checkFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lastLines");

    const QString fivePort = QStringLiteral("(TAVRIN-KX-21-05C4000000)");
    QTest::newRow("passes") << QStringList {"good.csv"} << 0
                            << QStringList {"good.csv: OK " + fivePort};
    QTest::newRow("rejected line") << QStringList {"bad.csv"} << 1
                                   << QStringList {"bad.csv:155: port.jumbo,9,1: Not valid index",
                                                   "bad.csv: 1 rejected line " + fivePort};
    QTest::newRow("no supported model")
        << QStringList {"notes.txt"} << 2
        << QStringList {"notes.txt: names no supported switch model"};
    QTest::newRow("the highest status wins")
        << QStringList {"bad.csv", "missing.csv", "good.csv"} << 2
        << QStringList {"bad.csv: 1 rejected line " + fivePort,
                        "missing.csv: cannot be read: No such file or directory",
                        "good.csv: OK " + fivePort};
    QTest::newRow("a row by number") << QStringList {"--model", "1", "big.csv"} << 1
                                     << QStringList {"big.csv:447: port.mdi,26,0: Not valid index",
                                                     "big.csv: 294 rejected lines " + fivePort};
    QTest::newRow("a model by name") << QStringList {"--model", "merante 8cx-lvd", "good.csv"} << 0
                                     << QStringList {"good.csv: OK (MERANTE 8CX-LVD)"};
}

void TestMestrelCheck::checkFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lastLines);
    const Run result = run(arguments);
    QTEST(result.status, "status");
    QCOMPARE(result.lines.mid(result.lines.size() - lastLines.size()), lastLines);
}

void TestMestrelCheck::diff_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("identical") << QStringList {"--diff", "good.csv", "good.csv"} << 0
                               << QStringList {"The configurations are identical"};
    QTest::newRow("one setting") << QStringList {"--diff", "good.csv", "edited.csv"} << 1
                                 << QStringList {"1 setting differs",
                                                 "Setting\tPort\tgood.csv\tedited.csv",
                                                 "Aging Time [s]\t\t300\t600"};
    QTest::newRow("another model")
        << QStringList {"--diff", "good.csv", "big.csv"} << 0
        << QStringList {"The configurations are identical",
                        "good.csv is for TAVRIN-KX-21-05C4000000; big.csv is for TAVRIN "
                        "KX-21-24C4R7R700."};
    // The second file names the ID of the first one's row: it is read for that row.
    QTest::newRow("a row sharing the ID")
        << QStringList {"--model", "8", "--diff", "good.csv", "sibling.csv"} << 0
        << QStringList {"The configurations are identical"};
}

void TestMestrelCheck::diff()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QTEST(result.status, "status");
    QTEST(result.lines, "lines");
}

void TestMestrelCheck::json()
{
    Run result = run({"--json", "good.csv", "bad.csv", "missing.csv"});
    QCOMPARE(result.status, 2);
    const QJsonArray files = QJsonDocument::fromJson(result.output)["files"].toArray();
    QCOMPARE(files[0]["status"].toString(), QStringLiteral("passed"));
    const QJsonValue rejected = files[1]["rejected"][0];
    QCOMPARE(rejected["line"].toInt(), 155);
    QCOMPARE(rejected["reason"].toInt(), 4);
    QCOMPARE(rejected["text"].toString(), QStringLiteral("port.jumbo,9,1"));
    QCOMPARE(files[2]["status"].toString(), QStringLiteral("unreadable"));

    result = run({"--json", "--diff", "good.csv", "edited.csv"});
    const QJsonValue difference = QJsonDocument::fromJson(result.output)["differences"][0];
    QCOMPARE(difference["key"].toString(), QStringLiteral("switch.aging-time"));
    QCOMPARE(difference["second"].toString(), QStringLiteral("600"));
}

void TestMestrelCheck::report_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("row");

    QTest::newRow("5 ports") << "good.csv" << 2 << 0;
    QTest::newRow("26 ports") << "big.csv" << 3 << 13;
}

void TestMestrelCheck::report()
{
    QFETCH(QString, file);
    // No display and no platform named: the tool finds its own way.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QString pdf = m_folder.filePath(file + QStringLiteral(".pdf"));
    QCOMPARE(run({"--report", file, "--output", pdf}, environment).status, 0);
    const QList<QStringList> pages = pdfPageLines(pdf);
    QTEST(int(pages.size()), "pages");
    // The serial number as right after opening: the article number and "-".
    QFETCH(int, row);
    const QString serial = pages.value(0).filter("Serial Number").value(0);
    QVERIFY(serial.contains(articleNumber(row) + QStringLiteral("- ")));
}

QTEST_GUILESS_MAIN(TestMestrelCheck)
#include "tst_mestrelcheck.moc"
