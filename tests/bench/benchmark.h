#pragma once

// The benchmark harness behind "make bench". A case prepares what it needs
// (untimed), runs its action once to warm up, then times it run by run,
// each run from the action's start until the event queue is empty again,
// and prints one line the table is made of:
//
//   BENCH <case>|<target ms>|<median ms>|<min ms>|<max ms>|<peak kB>
//
// Under callgrind (MESTREL_BENCH_CALLGRIND=1, started with
// --collect-atstart=no) it runs the action once with instruction counting
// switched on instead: a stable figure on a noisy machine.

#include "core/catalogue/productcatalogue.h"
#include "core/file/configwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT (void)0
#endif

namespace Bench {

inline void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The process's peak resident memory so far, in kB.
inline long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const int at = text.indexOf("VmHWM:");
    return at < 0 ? 0 : text.mid(at + 6).trimmed().split(' ').value(0).toLong();
}

// The case's line of the table from the figures of its runs.
inline void print(const char *name, double targetMs, std::vector<double> figures)
{
    std::sort(figures.begin(), figures.end());
    std::printf("BENCH %s|%g|%.3f|%.3f|%.3f|%ld\n", name, targetMs, figures[figures.size() / 2],
                figures.front(), figures.back(), peakMemoryKb());
    std::fflush(stdout);
}

// Times `action` after `prepare` (untimed) `runs` times; `targetMs` is the
// figure the case must stay within.
template<typename Prepare, typename Action>
void measure(const char *name, double targetMs, Prepare prepare, Action action, int runs = 15)
{
    const bool callgrind = qEnvironmentVariableIsSet("MESTREL_BENCH_CALLGRIND");
    std::vector<double> times;
    for (int run = -1; run < (callgrind ? 1 : runs); ++run) { // run -1 warms up
        prepare();
        settle(); // what the preparation left to repaint is not the action's
        QElapsedTimer timer;
        timer.start();
        if (callgrind && run == 0)
            CALLGRIND_TOGGLE_COLLECT;
        action();
        settle();
        if (callgrind && run == 0)
            CALLGRIND_TOGGLE_COLLECT;
        if (run >= 0)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (!callgrind)
        print(name, targetMs, times);
}

template<typename Action>
void measure(const char *name, double targetMs, Action action, int runs = 15)
{
    measure(
        name, targetMs, [] {}, action, runs);
}

// `count` files of the 26-port model written into `folder`, each with its
// own aging time, a port set apart and its hall's location; their paths.
inline QStringList write26PortFiles(const QString &folder, int count)
{
    QStringList files;
    for (int i = 0; i < count; ++i) {
        SwitchConfig config = defaultConfiguration(13);
        config.agingTime = quint32(i);
        config.ports[i % 26].jumboFrames = 1;
        files << QDir(folder).filePath(QStringLiteral("switch%1.csv").arg(i));
        QFile file(files.last());
        if (!file.open(QIODevice::WriteOnly))
            qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(file.errorString()));
        file.write(configFileBytes(config, {"Ann Smith", QStringLiteral("Hall %1").arg(i / 40)},
                                   QDate(2024, 3, 7)));
    }
    return files;
}

} // namespace Bench
