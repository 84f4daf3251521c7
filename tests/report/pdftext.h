#pragma once

// Reads a written PDF back with the poppler tools, as a reader of the
// report would see it.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
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

struct PdfPageInk
{
    QSizeF paper; // in points
    QRectF ink; // what is drawn on it: the bounds of the pixels not white
};

// Every page rendered at `dpi` in grey: the paper's size and where on it
// anything is drawn, in points.
inline QList<PdfPageInk> pdfPageInk(const QString &path, int dpi)
{
    QTemporaryDir dir;
    runPoppler(QStringLiteral("pdftoppm"),
               {"-gray", "-r", QString::number(dpi), path, dir.filePath(QStringLiteral("page"))});
    QList<PdfPageInk> pages;
    const qreal toPoints = 72.0 / dpi;
    for (const QString &name : QDir(dir.path()).entryList({"page-*.pgm"}, QDir::Files)) {
        const QImage page = QImage(dir.filePath(name)).convertToFormat(QImage::Format_Grayscale8);
        QRect ink;
        for (int y = 0; y < page.height(); ++y) {
            const uchar *line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                if (line[x] < 250)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        pages << PdfPageInk {
            QSizeF(page.size()) * toPoints,
            QRectF(QPointF(ink.topLeft()) * toPoints, QSizeF(ink.size()) * toPoints)};
    }
    return pages;
}
