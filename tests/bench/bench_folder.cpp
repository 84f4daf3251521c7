// A folder of 1,000 switch files of the 26-port model: checked by the core,
// listed in the "Switch Files" dialog, and turned into a switch list by
// mestrel-check. Run through "make bench".
#include "benchmark.h"
#include "core/folder/switchfolder.h"
#include "window/folder/switchfilemodel.h"
#include "window/folder/switchfilesdialog.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

class BenchFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Bench::write26PortFiles(m_folder.path(), 1000); }

    void checkFolder1000Files()
    {
        Bench::measure(
            "Folder check, 1,000 files of 26 ports", 1000,
            [&] { QCOMPARE(checkSwitchFolder(m_folder.path(), false).size(), 1000); }, 5);
    }

    // The run of mestrel-check --to-list, start-up included: no
    // instructions counted (a program of its own).
    void switchListOf1000Files()
    {
        if (qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
            return;
        QTemporaryDir out;
        Bench::measure(
            "mestrel-check --to-list, 1,000 files of 26 ports", 1500,
            [&] {
                QProcess process;
                process.start(QStringLiteral(MESTREL_CHECK),
                              {"--folder", m_folder.path(), "--to-list", out.filePath("list.csv"),
                               "--replace"});
                QVERIFY(process.waitForFinished(60000));
                QCOMPARE(process.exitCode(), 0);
            },
            5);
    }

    // From the dialog's construction until its table holds the first rows.
    void dialogFirstRows()
    {
        if (!qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
            Bench::print("Switch Files, 1,000 files: first rows shown", 200, readInDialog().first);
    }

    // The longest pause of the window's event loop while the dialog reads
    // the folder.
    void dialogLongestPause()
    {
        if (!qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND"))
            Bench::print("Switch Files, 1,000 files: longest pause of the window", 100,
                         readInDialog().second);
    }

private:
    // The time to the first rows and the longest pause of the event loop (a
    // timer that fires on every turn of the loop notes when it turns), in
    // ms, of five runs of the dialog over the folder.
    std::pair<std::vector<double>, std::vector<double>> readInDialog()
    {
        std::vector<double> firstRows, pauses;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer clock;
            qint64 last = 0, longest = 0, first = -1;
            QTimer turn;
            turn.setInterval(0);
            clock.start();
            SwitchFilesDialog dialog(m_folder.path(), {});
            QObject::connect(&turn, &QTimer::timeout, [&] {
                longest = qMax(longest, clock.nsecsElapsed() - last);
                last = clock.nsecsElapsed();
                if (first < 0 && dialog.model()->rowCount() > 0)
                    first = clock.nsecsElapsed();
            });
            turn.start();
            dialog.show();
            last = clock.nsecsElapsed(); // pauses from here on: the dialog is up
            QSignalSpy done(&dialog, &SwitchFilesDialog::scanFinished);
            done.wait(10000);
            firstRows.push_back(double(first) / 1e6);
            pauses.push_back(double(longest) / 1e6);
        }
        return {firstRows, pauses};
    }

    QTemporaryDir m_folder;
};

QTEST_MAIN(BenchFolder)
#include "bench_folder.moc"
