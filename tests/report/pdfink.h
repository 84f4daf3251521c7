#pragma once

// Where a written PDF draws on its pages, as the poppler tools render them.

#include "pdftext.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

struct PdfPageInk
{
    QSizeF paper; // in points
    QRectF ink; // what is drawn on it: the bounds of the pixels not white
};

// Every page of a PDF rendered at `dpi` in grey, in page order.
inline QList<QImage> pdfPageImages(const QString &path, int dpi)
{
    QTemporaryDir dir;
    runPoppler(QStringLiteral("pdftoppm"),
               {"-gray", "-r", QString::number(dpi), path, dir.filePath(QStringLiteral("page"))});
    QList<QImage> pages;
    for (const QString &name : QDir(dir.path()).entryList({"page-*.pgm"}, QDir::Files))
        pages << QImage(dir.filePath(name)).convertToFormat(QImage::Format_Grayscale8);
    return pages;
}

// Every page rendered at `dpi` in grey: the paper's size and where on it
// anything is drawn, in points.
inline QList<PdfPageInk> pdfPageInk(const QString &path, int dpi)
{
    QList<PdfPageInk> pages;
    const qreal toPoints = 72.0 / dpi;
    for (const QImage &page : pdfPageImages(path, dpi)) {
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
