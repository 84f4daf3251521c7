#include "report/reportformats.h"

namespace {

// What every table of the report shares: cells that overlap by one unit.
QTextTableFormat tableFormat(Qt::Alignment alignment, qreal border,
                             QTextFrameFormat::BorderStyle style, qreal padding, qreal scale)
{
    QTextTableFormat format;
    format.setAlignment(alignment);
    format.setBorder(border);
    format.setBorderStyle(style);
    if (style != QTextFrameFormat::BorderStyle_None)
        format.setBorderBrush(QBrush(Qt::black, Qt::SolidPattern));
    format.setCellPadding(padding);
    format.setCellSpacing(-1 * scale);
    return format;
}

} // namespace

QTextCharFormat reportCharFormat(qreal points, int weight)
{
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("Arial"));
    format.setFontPointSize(points);
    format.setFontWeight(weight);
    return format;
}

QVector<QTextLength> percentages(std::initializer_list<qreal> widths)
{
    QVector<QTextLength> lengths;
    for (qreal width : widths)
        lengths << QTextLength(QTextLength::PercentageLength, width);
    return lengths;
}

QVector<QTextLength> labelAndColumns(qreal labelWidth, int count, qreal columnWidth)
{
    QVector<QTextLength> lengths = percentages({labelWidth});
    lengths.insert(lengths.size(), count, QTextLength(QTextLength::PercentageLength, columnWidth));
    return lengths;
}

QTextTableFormat LayoutTableStyle::format(qreal scale) const
{
    QTextTableFormat format = tableFormat(Qt::AlignHCenter | Qt::AlignVCenter, 1 * scale,
                                          QTextFrameFormat::BorderStyle_None, 0, scale);
    format.setColumnWidthConstraints(widths);
    // Every page after the first starts on a new sheet, so a short body
    // never pulls the next page's header up onto it.
    if (startsPage)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

QTextTableFormat FramedBoxStyle::format(qreal scale) const
{
    QTextTableFormat format =
        tableFormat(alignment, 1.25 * scale, QTextFrameFormat::BorderStyle_Solid, 1 * scale, scale);
    format.setColumnWidthConstraints(percentages({widthPercent}));
    return format;
}

QTextTableFormat DataTableStyle::format(qreal scale) const
{
    QTextTableFormat format = tableFormat(Qt::AlignHCenter | Qt::AlignVCenter, 0,
                                          QTextFrameFormat::BorderStyle_None, 1 * scale, scale);
    format.setColumnWidthConstraints(widths);
    return format;
}

QTextTableFormat PortGridStyle::boxFormat(qreal scale) const
{
    QTextTableFormat format =
        tableFormat(Qt::AlignHCenter, 2 * scale, QTextFrameFormat::BorderStyle_None, 0, scale);
    format.setColumnWidthConstraints(percentages({95}));
    return format;
}

QTextTableFormat PortGridStyle::frameFormat(qreal scale) const
{
    QTextTableFormat format =
        tableFormat(Qt::AlignLeft, 1 * scale, QTextFrameFormat::BorderStyle_Solid, 0, scale);
    format.setColumnWidthConstraints({QTextLength(QTextLength::VariableLength, 0)});
    return format;
}

QTextTableFormat PortGridStyle::gridFormat(qreal scale) const
{
    QTextTableFormat format = tableFormat(Qt::AlignHCenter, 1 * scale,
                                          QTextFrameFormat::BorderStyle_Solid, 0.7 * scale, scale);
    QVector<QTextLength> scaled;
    for (const QTextLength &width : widths)
        scaled << QTextLength(QTextLength::FixedLength, width.rawValue() * scale);
    format.setColumnWidthConstraints(scaled);
    return format;
}
