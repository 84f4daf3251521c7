// The port parameter pages of the report: one grid per page, a column per
// port and a row per parameter, with grey heads and thin grey group bars.

#include "core/config/poeclasses.h"
#include "report/reportformats.h"
#include "report/reportgenerator.h"

#include <QTextCursor>

#include <vector>

namespace {

constexpr int kPortsPerPage = 16;
constexpr int kHeadRows = 2;
constexpr qreal kLabelColumnWidth = 170;
constexpr qreal kPortColumnWidth = 35;

// A value of one word is never broken inside the word: where a toolkit
// measures it a little wider than the column ("Critical"), the column gives
// way instead of the word.
QTextBlockFormat valueBlock(const QString &text, QTextBlockFormat block)
{
    if (!text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char('\n')))
        block.setNonBreakableLines(true);
    return block;
}

// The allowed classes as the table lists them, broken before the fourth so
// that all five fit the narrow column on two lines: "0,1,2," and "3,4".
QString poeClassesText(const std::array<quint8, 8> &classes)
{
    QStringList listed = storedClassesText(classes).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (listed.size() > 3)
        listed[3].prepend(QLatin1Char('\n'));
    return listed.join(QLatin1Char(','));
}

QString noPoE()
{
    return QStringLiteral("-");
}

// The grid's rows below its two head rows come from the port parameters:
// each parameter's row, and a grey bar where no parameter has one.
struct PortGrid
{
    std::vector<const PortParameter *> rows; // by grid row; nullptr: a head row or a bar
    std::vector<int> bars;
};

const PortGrid &portGrid()
{
    static const PortGrid grid = [] {
        PortGrid layout;
        for (int column = 0; column < PortColumn::Count; ++column) {
            const PortParameter *parameter = portParameter(column);
            if (parameter->reportRow >= int(layout.rows.size()))
                layout.rows.resize(size_t(parameter->reportRow) + 1);
            if (parameter->reportRow > 0)
                layout.rows[size_t(parameter->reportRow)] = parameter;
        }
        for (int row = kHeadRows; row < int(layout.rows.size()); ++row) {
            if (!layout.rows[size_t(row)])
                layout.bars.push_back(row);
        }
        return layout;
    }();
    return grid;
}

// A parameter's cell of one port of `model`.
QString gridText(const PortParameter &parameter, const PortConfig &port, const ProductRecord &model)
{
    const int value = parameter.storedValue(port);
    // The user limit is shown on every model, PoE or not.
    if (parameter.column == PortColumn::AllowedPoEOverride)
        return value != 0 ? QString::number(value) : noPoE();
    // A model without ports of the parameter's kind has no value for it.
    if (!parameter.hasPortsFor(model))
        return noPoE();
    if (parameter.kind == PortValueKind::ClassList)
        return poeClassesText(port.allowedPoEClasses);
    if (parameter.kind == PortValueKind::Number)
        return QString::number(value);
    const QStringList &items =
        parameter.reportItems.isEmpty() ? parameter.items : parameter.reportItems;
    int item = value - parameter.firstValue;
    if (item < 0 || item >= items.size())
        item = parameter.cellFallback;
    return item < 0 ? QString() : items.at(item);
}

} // namespace

void ReportGenerator::insertPortPage()
{
    QTextTable *title = insertLayoutTable(1, 1, {95});
    insertCellText(title, 0, 0, QStringLiteral("\nPort Parameters"), m_headingFormat,
                   m_centerBlock);
    insertPortTable();
    moveToEnd();
    m_cursor->insertText(QStringLiteral(" \n \n \n"));
}

void ReportGenerator::insertPortTable()
{
    const int firstPort = (m_pageNumber - 2) * kPortsPerPage + 1;
    const int ports = qMin(int(m_modelPortCount) - firstPort + 1, kPortsPerPage);

    // An invisible outer box centres the grid; the inner frame wraps it.
    PortGridStyle style;
    style.widths << QTextLength(QTextLength::FixedLength, kLabelColumnWidth);
    style.widths.insert(style.widths.size(), kPortsPerPage,
                        QTextLength(QTextLength::FixedLength, kPortColumnWidth));
    enterCell(insertTable(1, 1, style.boxFormat(m_lengthScale)), 0, 0);
    enterCell(insertTable(1, 1, style.frameFormat(m_lengthScale)), 0, 0);
    const PortGrid &layout = portGrid();
    const int gridRows = int(layout.rows.size());
    QTextTable *grid = insertTable(gridRows, ports + 1, style.gridFormat(m_lengthScale));

    for (int row : layout.bars)
        grid->mergeCells(row, 0, 1, ports + 1);
    for (int column = 1; column <= ports; ++column)
        grid->mergeCells(0, column, 2, 1);

    for (int column = 1; column <= ports; ++column) {
        setCellFormat(grid, 0, column, m_greyCellFormat);
        insertCellText(grid, 0, column, QString::number(firstPort + column - 1), m_labelFormat,
                       m_centerBlock);
    }
    for (int row = 0; row < gridRows; ++row)
        setCellFormat(grid, row, 0, m_greyCellFormat);
    insertCellText(grid, 0, 0, QStringLiteral("Port"), m_labelFormat, m_rightBlock);
    insertCellText(grid, 1, 0, QStringLiteral("Parameter"), m_labelFormat, QTextBlockFormat());

    for (int row = kHeadRows; row < gridRows; ++row) {
        const PortParameter *parameter = layout.rows[size_t(row)];
        if (!parameter)
            continue;
        insertCellText(grid, row, 0, QLatin1String(parameter->reportLabel), m_labelFormat,
                       QTextBlockFormat());
        for (int column = 1; column <= ports; ++column) {
            const PortConfig &port = m_config.ports[firstPort + column - 2];
            const QString text = gridText(*parameter, port, m_config.model());
            insertCellText(grid, row, column, text, m_valueFormat, valueBlock(text, m_centerBlock));
        }
    }

    QTextCharFormat bar = reportCharFormat(2);
    bar.setBackground(QBrush(kReportGrey, Qt::SolidPattern));
    for (int row : layout.bars)
        setCellFormat(grid, row, 0, bar);
}
