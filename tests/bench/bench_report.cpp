// Times writing the report of the 26-port model, the longest one (three
// pages). A benchmark, not a test: run it by hand on a Release build
// (QT_QPA_PLATFORM=offscreen ./build/tests/bench_report).
#include "catalogue/productcatalogue.h"
#include "report/reportgenerator.h"

#include <QTemporaryDir>
#include <QtTest>

class BenchReport : public QObject
{
    Q_OBJECT

private slots:
    void report26Ports();
};

void BenchReport::report26Ports()
{
    constexpr int kRow = 13;
    const SwitchConfig config = defaultConfiguration(kRow);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    QBENCHMARK {
        ReportGenerator report(kRow, config, articleNumber(kRow) + QStringLiteral("-"), file);
        QVERIFY(report.generate());
    }
}

QTEST_MAIN(BenchReport)
#include "bench_report.moc"
