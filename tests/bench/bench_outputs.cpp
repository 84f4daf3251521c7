// The report of the 26-port model (three pages, the longest) and files for
// 40 such switches from one template: checked, written, written with their
// reports. Run through "make bench".
#include "benchmark.h"
#include "core/batch/switchbatch.h"
#include "core/catalogue/productcatalogue.h"
#include "report/batchreports.h"
#include "report/reportgenerator.h"
#include "window/batch/batchprogress.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kRow = 13;
const QDate kDate(2026, 12, 7);

// A plant's list of 40 switches: every switch its own location, contact and
// serial number, and three ports set apart.
SwitchList plantList()
{
    SwitchList list;
    list.overrideColumns = QStringList {"port.admin-state:25", "port.admin-state:26",
                                        "port.jumbo:3", "port.speed:4", "port.autoneg:4"};
    for (int i = 0; i < 40; ++i) {
        list.rows << SwitchListRow {QStringLiteral("hall%1-sw%2").arg(i / 10).arg(i),
                                    QStringLiteral("Hall %1 (row %2)").arg(i / 10).arg(i),
                                    QStringLiteral("Ann Smith"),
                                    QString::number(100200 + i),
                                    {"0", i % 2 ? "0" : "", QString::number(i % 2), "1", "0"}};
    }
    return list;
}

} // namespace

class BenchOutputs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    BatchPlan plan(bool withReports) const
    {
        return planBatch(defaultConfiguration(kRow), {}, plantList(), m_folder.path(), true,
                         withReports);
    }

private slots:
    void report26Ports()
    {
        const SwitchConfig config = defaultConfiguration(kRow);
        const QString file = m_folder.filePath(QStringLiteral("report.pdf"));
        Bench::measure(
            "PDF report, 3 pages", 500,
            [&] {
                ReportGenerator report(config, serialNumberText(config.model(), QString()), file);
                QVERIFY(report.generate());
            },
            5);
    }

    void plan40Switches()
    {
        const SwitchConfig templateConfig = defaultConfiguration(kRow);
        const SwitchList list = plantList();
        Bench::measure("Batch, 40 switches of 26 ports checked", 20, [&] {
            QVERIFY(planBatch(templateConfig, {}, list, m_folder.path(), false, false).isValid());
        });
    }

    void write40Files()
    {
        const BatchPlan files = plan(false);
        Bench::measure("Batch, 40 files of 26 ports written", 200, [&] {
            QVERIFY(writeBatch(files, m_folder.path(), kDate, {}, {}).succeeded());
        });
    }

    void write40FilesWithReports()
    {
        const BatchPlan files = plan(true);
        Bench::measure(
            "Batch, 40 files of 26 ports with reports", 8000,
            [&] {
                QVERIFY(writeBatch(files, m_folder.path(), kDate, {}, batchReportMaker(kDate))
                            .succeeded());
            },
            3);
    }

    // The longest time the window's event loop waits while the progress
    // dialog writes 40 files with reports: a timer that fires on every turn
    // of the loop notes when it turns. Printed as a case of its own, the
    // longest pause of each run in place of the run's time; its
    // instructions are those of the case above.
    void longestPauseWithReports()
    {
        if (qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
            return;
        const BatchPlan files = plan(true);
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
            QVERIFY(writeBatchWithProgress(files, m_folder.path(), &window).succeeded());
            longest = qMax(longest, clock.nsecsElapsed() - last);
            pauses.push_back(double(longest) / 1e6);
        }
        Bench::print("Batch, 40 reports: longest pause of the window", 100, pauses);
    }
};

QTEST_MAIN(BenchOutputs)
#include "bench_outputs.moc"
