#pragma once

#include "config/switchconfig.h"

#include <QStringList>
#include <QVariant>

#include <optional>

// Columns of the port settings table, one per port parameter, in the order
// the panel lists them.
namespace PortColumn {
enum : int {
    AdminState,
    AlarmLink,
    AutoNeg,
    Speed,
    DuplexMode,
    AutoCrossing,
    MdiState,
    FlowControl,
    BroadcastStormProtection,
    BroadcastStormThreshold,
    MulticastStormProtection,
    MulticastStormThreshold,
    JumboFrames,
    QosTrustMode,
    PortPriority,
    Eee,
    PoeAdminState,
    PoePriority,
    AllowedPoEClasses,
    AllowedPoEOverride,
    Count
};
}

// The header text of a column (with its line breaks).
QString portColumnHeader(int column);
// The parameter's name on one line: "Duplex Mode".
QString portParameterName(int column);

// The items the column's table editor offers; the table matches them to the
// panel's items by text, so their order may differ from the panel's.
QStringList portColumnEditorItems(int column);

// The cell of `column` for port `portIndex` as the record holds it; empty
// where a value has no text (for example a speed of 0), so the cell keeps
// what it showed.
std::optional<QVariant> portCellValue(const SwitchConfig &config, int portIndex, int column);

// "On" for 1, "Off" for anything else, as the table, the report and the
// comparison show a switch.
QString onOffText(int value);

// A trust mode as the table and the trust-mode box show it ("trustDot1p");
// empty for a value without a name.
QString qosTrustModeText(int mode);

// The user limit as the table shows it: "-" for 0.
QString poeLimitCellText(int watts);

// The columns set as a number, in a spin box: the storm thresholds and the
// PoE user limit.
bool isNumberColumn(int column);

// The value stored for the item `index` of the column's panel widget (its
// combo-box index, or the spin-box value), and back.
int storedFromPanelIndex(int column, int index);
int panelIndexFromStored(int column, int value);

// The value stored for a cell text chosen in the table ("100Mbps" gives 2,
// "MDI" 1, "12" 12); nothing for a text the column does not know.
std::optional<int> storedFromCellText(int column, const QString &text);

// The field a column shows, in its stored (file) encoding. Columns without
// a single numeric field (the PoE classes) read as 0 and are not written.
int portFieldValue(const PortConfig &port, int column);
void setPortFieldValue(PortConfig &port, int column, int value);
