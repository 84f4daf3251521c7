// mestrel-check over a folder of files and the comparison of two
// configurations. Run through "make bench".
#include "benchmark.h"
#include "core/catalogue/productcatalogue.h"
#include "core/file/configdiff.h"
#include "core/file/configwriter.h"

#include <QProcess>
#include <QTemporaryDir>

class BenchTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void check1000Files26Ports();
    void compare26Ports();

private:
    QTemporaryDir m_folder;
    QStringList m_files;
};

void BenchTools::initTestCase()
{
    // Valid 26-port files, each with its own aging time and port settings.
    for (int i = 0; i < 1000; ++i) {
        SwitchConfig config = defaultConfiguration(13);
        config.agingTime = quint32(i);
        config.ports[i % 26].jumboFrames = 1;
        const QString name = m_folder.filePath(QStringLiteral("switch%1.csv").arg(i));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(configFileBytes(config, {"Ann Smith", "Hall 3"}, QDate(2024, 3, 7)));
        m_files << name;
    }
}

// The whole run of the program, start-up included. Its instructions are
// the child process's, which callgrind does not count here: no figure.
void BenchTools::check1000Files26Ports()
{
    if (qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
        return;
    Bench::measure(
        "mestrel-check, 1,000 files of 26 ports", 2000,
        [&] {
            QProcess process;
            process.start(QStringLiteral(MESTREL_CHECK), m_files);
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), 0);
        },
        5);
}

void BenchTools::compare26Ports()
{
    const SwitchConfig first = defaultConfiguration(13);
    SwitchConfig second = first;
    for (PortConfig &port : second.ports)
        port.jumboFrames = 1;
    Bench::measure("Compare two 26-port configurations", 5,
                   [&] { configDifferences(first, second); });
}

QTEST_GUILESS_MAIN(BenchTools)
#include "bench_tools.moc"
