// Runs the built mestrel-check as a script would, in a folder of files.
#include "../report/pdftext.h"
#include "catalogue/productcatalogue.h"
#include "file/configkeytable.h"
#include "file/configwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The exit status (-1 for a crash) and what the tool printed.
std::pair<int, QByteArray>
run(const QStringList &arguments,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MESTREL_CHECK), arguments);
    const bool exited =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardOutput()};
}

} // namespace

class TestMestrelCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printedLines_data();
    void printedLines();
    void json();
    void report();

private:
    QTemporaryDir m_folder;
};

void TestMestrelCheck::initTestCase()
{
    QDir::setCurrent(m_folder.path());
    const QDate date(2024, 3, 7);
    SwitchConfig longerAging = defaultConfiguration(5); // the first of three rows with its ID
    longerAging.agingTime = 600;
    const std::pair<const char *, QByteArray> files[] = {
        {"good.csv", configFileBytes(defaultConfiguration(0), {}, date)},
        {"bad.csv", configFileBytes(defaultConfiguration(0), {}, date) + "\nport.jumbo,9,1"},
        {"big.csv", configFileBytes(defaultConfiguration(13), {}, date)},
        {"sibling.csv", configFileBytes(longerAging, {}, date)},
        {"notes.txt", "hello\n"},
    };
    for (const auto &[name, bytes] : files) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
}

void TestMestrelCheck::printedLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lastLines");

    const QString fivePorts = QStringLiteral(" (TAVRIN-KX-21-05C4000000)");
    QTest::newRow("the highest status of several files")
        << QStringList {"bad.csv", "missing.csv", "notes.txt", "good.csv"} << 2
        << QStringList {"bad.csv:155: port.jumbo,9,1: Not valid index",
                        "bad.csv: 1 rejected line" + fivePorts,
                        "missing.csv: cannot be read: No such file or directory",
                        "notes.txt: names no supported switch model", "good.csv: OK" + fivePorts};
    QTest::newRow("a row by number") << QStringList {"--model", "1", "big.csv"} << 1
                                     << QStringList {"big.csv:447: port.mdi,26,0: Not valid index",
                                                     "big.csv: 294 rejected lines" + fivePorts};
    // A model by name, in any case. The second file names the ID of the first
    // one's row: it is read for that row. The rejected lines follow the
    // differences.
    QTest::newRow("diff, a row sharing the ID")
        << QStringList {"--model", "tavrin-kx-21-04c4h30000", "--diff", "bad.csv", "sibling.csv"}
        << 1
        << QStringList {"1 setting differs", "Setting\tPort\tbad.csv\tsibling.csv",
                        "Aging Time [s]\t\t300\t600",
                        "bad.csv:155: port.jumbo,9,1: Not valid index"};
    QTest::newRow("diff, another model")
        << QStringList {"--diff", "good.csv", "big.csv"} << 0
        << QStringList {"The configurations are identical",
                        "good.csv is for TAVRIN-KX-21-05C4000000; big.csv is for TAVRIN "
                        "KX-21-24C4R7R700."};
}

void TestMestrelCheck::printedLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lastLines);
    const auto [status, output] = run(arguments);
    QTEST(status, "status");
    const QStringList lines = QString::fromLocal8Bit(output).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(lines.size() - lastLines.size()), lastLines);
}

void TestMestrelCheck::json()
{
    auto [status, output] = run({"--json", "good.csv", "bad.csv", "missing.csv"});
    QCOMPARE(status, 2);
    const QJsonArray files = QJsonDocument::fromJson(output)["files"].toArray();
    QCOMPARE(files[0]["status"].toString(), QStringLiteral("passed"));
    QCOMPARE(files[1]["rejected"][0]["line"].toInt(), 155);
    QCOMPARE(files[1]["rejected"][0]["reason"].toInt(), int(RejectReason::BadIndex));
    QCOMPARE(files[1]["rejected"][0]["text"].toString(), QStringLiteral("port.jumbo,9,1"));
    QCOMPARE(files[2]["status"].toString(), QStringLiteral("unreadable"));

    std::tie(status, output) = run({"--json", "--diff", "good.csv", "sibling.csv"});
    const QJsonValue difference = QJsonDocument::fromJson(output)["differences"][0];
    QCOMPARE(difference["key"].toString(), QStringLiteral("switch.aging-time"));
    QCOMPARE(difference["second"].toString(), QStringLiteral("600"));
}

void TestMestrelCheck::report()
{
    // No display and no platform named: the tool finds its own way.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QCOMPARE(run({"--report", "big.csv", "--output", "big.pdf"}, environment).first, 0);
    const QList<QStringList> pages = pdfPageLines(QStringLiteral("big.pdf"));
    QCOMPARE(pages.size(), 3);
    // The serial number as right after opening: the article number and "-".
    QVERIFY(pages.value(0).filter("Serial Number").value(0).contains(articleNumber(13) + "- "));
}

QTEST_GUILESS_MAIN(TestMestrelCheck)
#include "tst_mestrelcheck.moc"
