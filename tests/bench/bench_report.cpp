// Writing the report of the 26-port model, the longest one (three pages).
// Run through "make bench".
#include "benchmark.h"
#include "core/catalogue/productcatalogue.h"
#include "report/reportgenerator.h"

#include <QTemporaryDir>

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
    Bench::measure(
        "PDF report, 3 pages", 500,
        [&] {
            ReportGenerator report(kRow, config, articleNumber(kRow) + QStringLiteral("-"), file);
            QVERIFY(report.generate());
        },
        5);
}

QTEST_MAIN(BenchReport)
#include "bench_report.moc"
