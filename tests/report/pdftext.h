#pragma once

// Reads a written PDF back with the poppler tools, as a reader of the
// report would see it.

#include <QProcess>
#include <QStringList>
#include <QtTest>

inline QString runPoppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("%s failed: is poppler-utils installed?", qPrintable(tool));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of every page as laid out on it, runs of blanks reduced to one
// and empty lines dropped.
inline QList<QStringList> pdfPageLines(const QString &path)
{
    QList<QStringList> pages;
    const QString text = runPoppler(QStringLiteral("pdftotext"), {"-layout", path, "-"});
    for (const QString &page : text.split(QLatin1Char('\f'))) {
        pages << QStringList();
        for (const QString &line : page.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                pages.last() << line.simplified();
        }
    }
    pages.removeLast(); // after the last page's form feed
    return pages;
}
