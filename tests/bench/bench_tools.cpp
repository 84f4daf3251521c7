// mestrel-check over a folder of files and the comparison of two
// configurations, without a window. Run through "make bench".
#include "benchmark.h"
#include "core/catalogue/productcatalogue.h"
#include "core/file/configdiff.h"

#include <QProcess>
#include <QTemporaryDir>

class BenchTools : public QObject
{
    Q_OBJECT

private slots:
    // The whole run of the program over 1,000 valid 26-port files, start-up
    // included. Its
    // instructions are the child process's, which callgrind does not count
    // here: no figure.
    void check1000Files26Ports()
    {
        if (qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
            return;
        QTemporaryDir folder;
        const QStringList files = Bench::write26PortFiles(folder.path(), 1000);
        Bench::measure(
            "mestrel-check, 1,000 files of 26 ports", 2000,
            [&] {
                QProcess process;
                process.start(QStringLiteral(MESTREL_CHECK), files);
                QVERIFY(process.waitForFinished(60000));
                QCOMPARE(process.exitCode(), 0);
            },
            5);
    }

    void compare26Ports()
    {
        const SwitchConfig first = defaultConfiguration(13);
        SwitchConfig second = first;
        for (PortConfig &port : second.ports)
            port.jumboFrames = 1;
        Bench::measure("Compare two 26-port configurations", 5,
                       [&] { configDifferences(first, second); });
    }
};

QTEST_GUILESS_MAIN(BenchTools)
#include "bench_tools.moc"
