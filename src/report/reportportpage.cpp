// The port parameter pages of the report: one grid per page, a column per
// port and a row per parameter, with grey heads and thin grey group bars.

#include "report/reportformats.h"
#include "report/reportgenerator.h"

#include <QTextCursor>

namespace {

constexpr int kPortsPerPage = 16;
constexpr int kGridRows = 25;
constexpr qreal kLabelColumnWidth = 170;
constexpr qreal kPortColumnWidth = 35;
const int kGroupBarRows[] = {4, 10, 14, 20};

// The allowed classes in stored order, broken before the fourth entry so
// that all five fit the narrow column on two lines: "0,1,2," and "3,4".
QString poeClassesText(const std::array<quint8, 8> &classes)
{
    QString text;
    for (int entry = 0; entry < kPoEClassCount; ++entry) {
        if (classes[entry] == kNoPoEClass)
            continue;
        if (!text.isEmpty())
            text += QLatin1Char(',');
        if (entry == 3)
            text += QLatin1Char('\n');
        text += QString::number(classes[entry]);
    }
    return text;
}

struct GridRow
{
    const char *label;
    // The cell text of one port; poe tells whether the model has PoE ports.
    QString (*value)(const PortConfig &port, bool poe);
};

QString noPoE()
{
    return QStringLiteral("-");
}

// Label and value of every row; the group bars have neither, the two head
// rows no values.
const GridRow kGridRowTable[kGridRows] = {
    {"Port", nullptr},
    {"Parameter", nullptr},
    {"Port State", [](const PortConfig &p, bool) { return onOffText(p.adminState); }},
    {"Link Alarm", [](const PortConfig &p, bool) { return onOffText(p.alarmLink); }},
    {nullptr, nullptr},
    {"Speed [Mbit/s]",
     [](const PortConfig &p, bool) {
         return listedText(p.speed, 1, {"10\nMbps", "100\nMbps", "-"});
     }},
    {"Auto-negotiation", [](const PortConfig &p, bool) { return onOffText(p.autoNeg); }},
    {"Auto-crossing", [](const PortConfig &p, bool) { return onOffText(p.autoCrossing); }},
    {"Duplex Mode",
     [](const PortConfig &p, bool) {
         return p.duplexMode == 1 ? QStringLiteral("HDX") : QStringLiteral("FDX");
     }},
    {"MDI State",
     [](const PortConfig &p, bool) {
         return p.mdiState == 1 ? QStringLiteral("MDI") : QStringLiteral("MDIX");
     }},
    {nullptr, nullptr},
    {"Jumbo Frames", [](const PortConfig &p, bool) { return onOffText(p.jumboFrames); }},
    {"Port Priority",
     [](const PortConfig &p, bool) {
         return p.portPriority <= 7 ? QString::number(p.portPriority) : QString();
     }},
    {"Energy Efficient Ethernet", [](const PortConfig &p, bool) { return onOffText(p.eee); }},
    {nullptr, nullptr},
    {"Flow Control", [](const PortConfig &p, bool) { return onOffText(p.flowControl); }},
    {"Broadcast Storm Protection",
     [](const PortConfig &p, bool) { return onOffText(p.broadcastStormProtection); }},
    {"Broadcast Storm Thld. [%]",
     [](const PortConfig &p, bool) { return QString::number(p.broadcastStormThreshold); }},
    {"Multicast Storm Protection",
     [](const PortConfig &p, bool) { return onOffText(p.multicastStormProtection); }},
    {"Multicast Storm Thld. [%]",
     [](const PortConfig &p, bool) { return QString::number(p.multicastStormThreshold); }},
    {nullptr, nullptr},
    {"PoE Admin State",
     [](const PortConfig &p, bool poe) { return poe ? onOffText(p.poeAdminState) : noPoE(); }},
    {"PoE Priority",
     [](const PortConfig &p, bool poe) {
         return poe ? listedText(p.poePriority, 1, {"Low", "High", "Critical"}) : noPoE();
     }},
    {"Allowed PoE classes",
     [](const PortConfig &p, bool poe) {
         return poe ? poeClassesText(p.allowedPoEClasses) : noPoE();
     }},
    // The user limit is shown on every model, PoE or not.
    {"PoE User Set Limit",
     [](const PortConfig &p, bool) {
         return p.allowedPoEOverride != 0 ? QString::number(p.allowedPoEOverride) : noPoE();
     }},
};

} // namespace

void ReportGenerator::insertPortPage()
{
    QTextTable *title = insertLayoutTable(1, 1, {95});
    insertCellText(title, 0, 0, QStringLiteral("\nPort Parameters"), headingFormat, centerBlock);
    insertPortTable();
    moveToEnd();
    cursor->insertText(QStringLiteral(" \n \n \n"));
}

void ReportGenerator::insertPortTable()
{
    const int firstPort = (pageNumber - 2) * kPortsPerPage + 1;
    const int ports = qMin(int(modelPortCount) - firstPort + 1, kPortsPerPage);

    // An invisible outer box centres the grid; the inner frame wraps it.
    tableFormat.setAlignment(Qt::AlignHCenter);
    tableFormat.setBorder(2);
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tableFormat.setBorderBrush(QBrush(Qt::black));
    tableFormat.setCellPadding(0);
    tableFormat.setCellSpacing(-1);
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 95)});
    QTextTable *outer = cursor->insertTable(1, 1, tableFormat);
    enterCell(outer, 0, 0);

    tableFormat.setAlignment(Qt::AlignLeft);
    tableFormat.setBorder(1);
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setBorderBrush(QBrush(Qt::black, Qt::SolidPattern));
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::VariableLength, 0)});
    QTextTable *frame = cursor->insertTable(1, 1, tableFormat);
    enterCell(frame, 0, 0);

    tableFormat.setAlignment(Qt::AlignHCenter);
    tableFormat.setCellPadding(0.7);
    QVector<QTextLength> widths {QTextLength(QTextLength::FixedLength, kLabelColumnWidth)};
    widths.insert(widths.size(), kPortsPerPage,
                  QTextLength(QTextLength::FixedLength, kPortColumnWidth));
    tableFormat.setColumnWidthConstraints(widths);
    QTextTable *grid = cursor->insertTable(kGridRows, ports + 1, tableFormat);

    for (int row : kGroupBarRows)
        grid->mergeCells(row, 0, 1, ports + 1);
    for (int column = 1; column <= ports; ++column)
        grid->mergeCells(0, column, 2, 1);

    for (int column = 1; column <= ports; ++column) {
        setCellFormat(grid, 0, column, greyCellFormat);
        insertCellText(grid, 0, column, QString::number(firstPort + column - 1), labelFormat,
                       centerBlock);
    }
    for (int row = 0; row < kGridRows; ++row)
        setCellFormat(grid, row, 0, greyCellFormat);

    const bool poe = config.hasPoE();
    for (int row = 0; row < kGridRows; ++row) {
        const GridRow &line = kGridRowTable[row];
        if (!line.label)
            continue;
        insertCellText(grid, row, 0, QLatin1String(line.label), labelFormat,
                       row == 0 ? rightBlock : QTextBlockFormat());
        if (!line.value)
            continue;
        for (int column = 1; column <= ports; ++column) {
            const PortConfig &port = config.ports[firstPort + column - 2];
            insertCellText(grid, row, column, line.value(port, poe), valueFormat, centerBlock);
        }
    }

    QTextCharFormat bar = reportCharFormat(2);
    bar.setBackground(QBrush(kReportGrey, Qt::SolidPattern));
    for (int row : kGroupBarRows)
        setCellFormat(grid, row, 0, bar);
}
