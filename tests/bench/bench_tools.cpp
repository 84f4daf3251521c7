// Times mestrel-check over a folder of files and the comparison of two
// configurations. A benchmark, not a test: run it by hand on a Release build
// (./build/tests/bench_tools).
#include "catalogue/productcatalogue.h"
#include "file/configdiff.h"
#include "file/configwriter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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

// The whole run of the program, start-up included.
void BenchTools::check1000Files26Ports()
{
    QBENCHMARK_ONCE {
        QProcess process;
        process.start(QStringLiteral(MESTREL_CHECK), m_files);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
    }
}

void BenchTools::compare26Ports()
{
    const SwitchConfig first = defaultConfiguration(13);
    SwitchConfig second = first;
    for (PortConfig &port : second.ports)
        port.jumboFrames = 1;
    QBENCHMARK {
        configDifferences(first, second);
    }
}

QTEST_GUILESS_MAIN(BenchTools)
#include "bench_tools.moc"
