#pragma once

// Reads a written PDF back with the poppler tools, as a reader of the
// report would see it.

#include <QProcess>
#include <QRegularExpression>
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

// The text of every page, laid out as on the page.
inline QStringList pdfPages(const QString &path)
{
    QStringList pages = runPoppler(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-layout"), path, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The page's lines with runs of blanks reduced to one, empty lines dropped.
inline QStringList pageLines(const QString &page)
{
    QStringList lines;
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

inline int pdfPageCount(const QString &path)
{
    const QString info = runPoppler(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The names of the fonts the PDF embeds, without subset prefixes.
inline QStringList pdfFontNames(const QString &path)
{
    QStringList names;
    const QStringList lines =
        runPoppler(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    for (int i = 2; i < lines.size(); ++i) {
        const QString name = lines.at(i).section(QLatin1Char(' '), 0, 0);
        if (!name.isEmpty())
            names << name.section(QLatin1Char('+'), -1);
    }
    return names;
}
