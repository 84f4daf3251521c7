#pragma once

#include "core/config/portparameters.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextCharFormat>
#include <QTextTableFormat>
#include <QVector>

#include <initializer_list>

// Formats and texts shared by the pages of the report.

// The grey of heads, boxes and group bars.
const QColor kReportGrey(217, 217, 217, 255);

// A character format of the report's font at `points` and `weight`.
QTextCharFormat reportCharFormat(qreal points, int weight = QFont::Normal);

// Column widths in percent of the surrounding cell or page.
QVector<QTextLength> percentages(std::initializer_list<qreal> widths);
// A first column followed by `count` columns of one width, in percent.
QVector<QTextLength> labelAndColumns(qreal labelWidth, int count, qreal columnWidth);

// The kinds of table the report is made of, one value each: a table's whole
// format comes from its own value, nothing from the table before it. Fixed
// lengths are multiplied by `scale`, which undoes Qt's scaling of them by the
// layout device's resolution over the screen's (ReportGenerator).

// An invisible table that places headings, boxes and pictures side by side:
// centred, its border taking room but not drawn.
struct LayoutTableStyle
{
    QVector<QTextLength> widths;
    bool startsPage = false; // the header of every page after the first

    QTextTableFormat format(qreal scale) const;
};

// A grey 1 x 1 box with a black frame, holding one data table.
struct FramedBoxStyle
{
    Qt::Alignment alignment;
    qreal widthPercent = 100;

    QTextTableFormat format(qreal scale) const;
};

// Parameter names and values inside a framed box: centred, no border.
struct DataTableStyle
{
    QVector<QTextLength> widths;

    QTextTableFormat format(qreal scale) const;
};

// The port grid of a port page: an invisible box centres a black frame that
// wraps the grid, whose columns have fixed widths.
struct PortGridStyle
{
    QVector<QTextLength> widths; // fixed lengths before scaling

    QTextTableFormat boxFormat(qreal scale) const;
    QTextTableFormat frameFormat(qreal scale) const;
    QTextTableFormat gridFormat(qreal scale) const;
};
