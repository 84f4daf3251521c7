// Files for 40 switches of the 26-port model from one template: checking
// every row, writing the files, and writing them with their reports. Run
// through "make bench".
#include "benchmark.h"
#include "core/batch/switchbatch.h"
#include "core/catalogue/productcatalogue.h"
#include "report/reportgenerator.h"
#include "window/batch/batchprogress.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kRow = 13;
constexpr int kSwitches = 40;

// A plant's list: every switch its own location, contact and serial number,
// and three ports set apart.
SwitchList plantList()
{
    SwitchList list;
    list.overrideColumns = QStringList {"port.admin-state:25", "port.admin-state:26",
                                        "port.jumbo:3", "port.speed:4", "port.autoneg:4"};
    for (int i = 0; i < kSwitches; ++i) {
        list.rows << SwitchListRow {QStringLiteral("hall%1-sw%2").arg(i / 10).arg(i),
                                    QStringLiteral("Hall %1 (row %2)").arg(i / 10).arg(i),
                                    QStringLiteral("Ann Smith"),
                                    QString::number(100200 + i),
                                    {"0", i % 2 ? "0" : "", QString::number(i % 2), "1", "0"}};
    }
    return list;
}

} // namespace

class BenchBatch : public QObject
{
    Q_OBJECT

private slots:
    void plan40Switches();
    void write40Files();
    void write40FilesWithReports();
    void longestPauseWithReports();
};

void BenchBatch::plan40Switches()
{
    const SwitchConfig templateConfig = defaultConfiguration(kRow);
    const SwitchList list = plantList();
    QTemporaryDir folder;
    Bench::measure("Batch, 40 switches of 26 ports checked", 20, [&] {
        QVERIFY(planBatch(templateConfig, {}, list, folder.path(), false, false).isValid());
    });
}

void BenchBatch::write40Files()
{
    QTemporaryDir folder;
    const BatchPlan plan =
        planBatch(defaultConfiguration(kRow), {}, plantList(), folder.path(), true, false);
    QVERIFY(plan.isValid());
    Bench::measure("Batch, 40 files of 26 ports written", 200, [&] {
        QVERIFY(writeBatch(plan, folder.path(), QDate(2026, 12, 7), {}, {}).succeeded());
    });
}

void BenchBatch::write40FilesWithReports()
{
    QTemporaryDir folder;
    const BatchPlan plan =
        planBatch(defaultConfiguration(kRow), {}, plantList(), folder.path(), true, true);
    QVERIFY(plan.isValid());
    const auto writeReport = [](const BatchSwitch &batchSwitch, const QString &pdfPath,
                                QString *error) {
        ReportGenerator report(kRow, batchSwitch.config,
                               articleNumber(kRow) + QLatin1Char('-') + batchSwitch.serial,
                               pdfPath);
        if (report.generate())
            return true;
        *error = report.errorString();
        return false;
    };
    Bench::measure(
        "Batch, 40 files of 26 ports with reports", 8000,
        [&] {
            QVERIFY(
                writeBatch(plan, folder.path(), QDate(2026, 12, 7), {}, writeReport).succeeded());
        },
        3);
}

// The longest time the window's event loop waits while the progress dialog
// writes 40 files with reports: a timer that fires on every turn of the
// loop notes when it turns. Printed as a case of its own, the longest pause
// of each run in place of the run's time.
void BenchBatch::longestPauseWithReports()
{
    // Instructions are those of the case with reports.
    if (qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
        return;
    QTemporaryDir folder;
    const BatchPlan plan =
        planBatch(defaultConfiguration(kRow), {}, plantList(), folder.path(), true, true);
    QVERIFY(plan.isValid());
    QWidget window;
    window.show();
    std::vector<double> pauses;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        QTimer turn;
        turn.setInterval(0);
        QObject::connect(&turn, &QTimer::timeout, [&] {
            longest = qMax(longest, clock.nsecsElapsed() - last);
            last = clock.nsecsElapsed();
        });
        turn.start();
        clock.start();
        QVERIFY(writeBatchWithProgress(plan, folder.path(), kRow, &window).succeeded());
        longest = qMax(longest, clock.nsecsElapsed() - last);
        pauses.push_back(double(longest) / 1e6);
    }
    std::sort(pauses.begin(), pauses.end());
    std::printf("BENCH Batch, 40 reports: longest pause of the window|100|%.3f|%.3f|%.3f|%ld\n",
                pauses[1], pauses.front(), pauses.back(), Bench::peakMemoryKb());
    std::fflush(stdout);
}

QTEST_MAIN(BenchBatch)
#include "bench_batch.moc"
