// Page 1 of the report: the general information and the global parameters.

#include "core/catalogue/productcatalogue.h"
#include "core/config/globalparameters.h"
#include "core/config/textfields.h"
#include "report/reportgenerator.h"

#include <QTextCursor>

namespace {

// The longest contact or location text one line of the page holds.
constexpr int kTextLineLength = 20;

} // namespace

void ReportGenerator::insertGeneralInformation()
{
    QTextTable *table = insertLayoutTable(11, 7, {15, 12, 2, 27, 12, 2, 27});
    for (int row : {0, 1, 2, 10})
        table->mergeCells(row, 0, 1, 7);
    table->mergeCells(3, 0, 7, 1);
    setCellFormat(table, 0, 0, reportCharFormat(1));
    setCellFormat(table, 2, 0, m_spacerFormat);
    setCellFormat(table, 10, 0, m_spacerFormat);

    insertCellText(table, 1, 0, QStringLiteral("General Information"), m_headingFormat,
                   m_centerBlock);
    enterCell(table, 3, 0, m_centerBlock);
    insertPicture(m_config.model().imagePath, 125);

    const QString contact = readText(m_config.contactName);
    const QString location = readText(m_config.location);
    const QString colon = QStringLiteral(":");
    const struct
    {
        int row;
        int column;
        QString text;
    } cells[] = {
        {3, 1, QStringLiteral("Serial Number")},
        {3, 2, colon},
        {3, 3, m_serialPrefix},
        {3, 4, globalReportName(globalParameter(GlobalId::ContactName), 0)},
        {3, 5, colon},
        {3, 6, contact.left(kTextLineLength)},
        {4, 6, contact.mid(kTextLineLength)},
        {5, 4, globalReportName(globalParameter(GlobalId::Location), 0)},
        {5, 5, colon},
        {5, 6, location.left(kTextLineLength)},
        {6, 6, location.mid(kTextLineLength)},
        {7, 3, readText(m_config.fileRelease)},
    };
    for (const auto &cell : cells) {
        if (!cell.text.isEmpty())
            insertCellText(table, cell.row, cell.column, cell.text, m_labelFormat);
    }
}

void ReportGenerator::insertGlobalParameters()
{
    QTextTable *table = insertLayoutTable(2, 1, {95});
    setCellFormat(table, 1, 0, m_spacerFormat);
    insertCellText(table, 0, 0, QStringLiteral("Global Parameters"), m_headingFormat,
                   m_centerBlock);
    moveToEnd();
    insertTrustAndDot1pTables();
    moveToEnd();
    insertDscpTables();
}

void ReportGenerator::insertTrustAndDot1pTables()
{
    QTextTable *layout = insertLayoutTable(4, 4, {50, 2, 38, 5});
    for (int row : {1, 3}) {
        layout->mergeCells(row, 0, 1, 4);
        setCellFormat(layout, row, 0, m_spacerFormat);
    }
    insertCellText(layout, 0, 0, QStringLiteral("Alarm PSU / Aging Time / QoS Trust Mode"),
                   m_labelFormat);
    const GlobalParameter &dot1pMapping = globalParameter(GlobalId::Dot1pMapping);
    insertCellText(layout, 0, 2, globalReportName(dot1pMapping, 0), m_labelFormat);

    // Box A: power-supply alarms, aging time and trust mode.
    enterCell(layout, 2, 0);
    insertFramedBox({Qt::AlignLeft, 100});
    QTextTable *global =
        insertTable(2, 5, DataTableStyle {percentages({25, 16, 16, 21, 22})}.format(m_lengthScale));
    // The narrow heads break at fixed places (line separators within the
    // cell), not where the font of the system lets a word fit.
    const GlobalParameter &alarms = globalParameter(GlobalId::PsuAlarm);
    const GlobalParameter &aging = globalParameter(GlobalId::AgingTime);
    const GlobalParameter &trust = globalParameter(GlobalId::QosTrustMode);
    const auto head = [](const GlobalParameter &row, int index) {
        return globalReportName(row, index).replace(QLatin1Char('\n'), QChar(0x2028));
    };
    const QString heads[] = {QStringLiteral("\nParameter"), head(alarms, 1), head(alarms, 2),
                             head(aging, 0), head(trust, 0)};
    // A model without power-supply alarms has no value to show, as a model
    // without PoE shows none for the PoE rows.
    const auto text = [this](const GlobalParameter &row, int index) {
        if (!row.isEditableOn(m_config.model()))
            return QStringLiteral("-");
        return globalReportText(row, row.read(m_config, row.positionOf(index)));
    };
    const QString values[] = {QStringLiteral("Value"), text(alarms, 1), text(alarms, 2),
                              text(aging, 0), text(trust, 0)};
    insertCellText(global, 0, 0, heads[0], m_labelFormat);
    insertCellText(global, 1, 0, values[0], m_labelFormat);
    for (int column = 1; column < 5; ++column) {
        setCellFormat(global, 1, column, m_whiteCellFormat);
        insertCellText(global, 0, column, heads[column], m_labelFormat, m_centerBlock);
        insertCellText(global, 1, column, values[column], m_valueFormat, m_centerBlock);
    }

    // Box B: the 802.1p priority to traffic class table.
    enterCell(layout, 2, 2);
    insertFramedBox({Qt::AlignLeft, 100});
    QTextTable *dot1p =
        insertTable(2, 9, DataTableStyle {labelAndColumns(36, 8, 8)}.format(m_lengthScale));
    insertCellText(dot1p, 0, 0, QLatin1String(dot1pMapping.indexName), m_labelFormat);
    insertCellText(dot1p, 1, 0, QLatin1String(dot1pMapping.valueName), m_labelFormat);
    for (int priority = 0; priority < 8; ++priority) {
        const int column = priority + 1;
        setCellFormat(dot1p, 1, column, m_whiteCellFormat);
        insertCellText(dot1p, 0, column, QString::number(priority), m_labelFormat, m_centerBlock);
        insertCellText(dot1p, 1, column, QString::number(m_config.dot1pTrafficClass[priority]),
                       m_valueFormat, m_centerBlock);
    }
}

void ReportGenerator::insertDscpTables()
{
    QTextTable *layout = insertLayoutTable(8, 2, {90, 5});
    for (int row : {1, 3, 5, 7}) {
        layout->mergeCells(row, 0, 1, 2);
        setCellFormat(layout, row, 0, row == 7 ? reportCharFormat(12) : m_spacerFormat);
    }
    insertCellText(layout, 0, 0, globalReportName(globalParameter(GlobalId::DscpMapping), 0),
                   m_labelFormat);

    enterCell(layout, 2, 0);
    insertFramedBox({Qt::AlignHCenter | Qt::AlignVCenter, 100});
    insertDscpBox(0, 24, labelAndColumns(13.6, 24, 3.6));
    enterCell(layout, 4, 0);
    insertFramedBox({Qt::AlignHCenter | Qt::AlignVCenter, 100});
    insertDscpBox(24, 24, labelAndColumns(13.6, 24, 3.6));
    // The last box is narrower; its wider percentages keep the columns in
    // line with the boxes above (19.04 % and 5.06 % of 71.2 %).
    enterCell(layout, 6, 0);
    insertFramedBox({Qt::AlignLeft, 71.2});
    insertDscpBox(48, 16, labelAndColumns(19.04, 16, 5.06));
}

void ReportGenerator::insertDscpBox(int firstDscp, int dscpCount,
                                    const QVector<QTextLength> &widths)
{
    QTextTable *table =
        insertTable(2, dscpCount + 1, DataTableStyle {widths}.format(m_lengthScale));
    const GlobalParameter &mapping = globalParameter(GlobalId::DscpMapping);
    insertCellText(table, 0, 0, QLatin1String(mapping.indexName), m_labelFormat);
    insertCellText(table, 1, 0, QLatin1String(mapping.valueName), m_labelFormat);
    for (int column = 1; column <= dscpCount; ++column) {
        const int dscp = firstDscp + column - 1;
        setCellFormat(table, 1, column, m_whiteCellFormat);
        insertCellText(table, 0, column, QString::number(dscp), m_labelFormat, m_centerBlock);
        insertCellText(table, 1, column, QString::number(m_config.dscpTrafficClass[dscp]),
                       m_valueFormat, m_centerBlock);
    }
}
