#pragma once

#include "core/config/switchconfig.h"

#include <QStringList>
#include <QVariant>

#include <array>
#include <optional>
#include <string_view>

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

// The kinds and speeds of ports a model's file has a key for, as bits of
// the catalogue's masks.
namespace PortMask {
constexpr quint8 kAnyKind = PortKindBit::AnyPort;
constexpr quint8 kTwistedPairOrPoE = PortKindBit::TwistedPair | PortKindBit::PoE;
constexpr quint8 kPoE = PortKindBit::PoE;
constexpr quint8 kAnySpeed = PortSpeedBit::AnySpeed;
constexpr quint8 kGigabit = PortSpeedBit::Gigabit;
} // namespace PortMask

enum class PortValueKind : quint8 {
    Choice, // one of `items`, chosen in a combo box
    Number, // typed into a spin box, `minValue`..`maxValue`
    ClassList, // the allowed PoE classes
};

// Everything the program knows about one port parameter: the record field,
// how the table, the panel, the file, the comparison and the undo history
// name and encode it. The table below has one row per PortColumn.
struct PortParameter
{
    int column = -1;
    const char *header = ""; // the table's column head, with its line breaks
    std::string_view fileKey;
    int fileOrder = -1; // position among the per-port keys of a file; -1: never written
    PortValueKind kind = PortValueKind::Choice;
    quint8 PortConfig::*byteField = nullptr; // the stored (file) value, or:
    quint16 PortConfig::*wordField = nullptr;
    qint64 minValue = 0; // what the file (and a spin box) takes
    qint64 maxValue = 0;
    // Written for: a model's file has the key when the model shares a bit
    // with both masks.
    quint8 kindMask = PortMask::kAnyKind;
    quint8 speedMask = PortMask::kAnySpeed;
    // Editable on: the kinds of port (PortKinds) whose panel takes it, on
    // models with `trait` (ModelTrait::None: every model).
    quint8 editableKinds = PortKinds::kAny;
    quint8 trait = ModelTrait::None;
    // Choices: the texts of the stored values firstValue, firstValue + 1 ...
    // as the panel's combo box lists them and the table's cells show them.
    int firstValue = 0;
    QStringList items;
    // The item a stored value outside `items` shows: in a cell (-1: the cell
    // keeps what it showed) and in the panel (-1: the combo box is blank).
    int cellFallback = -1;
    int panelFallback = -1;
    // The table's combo box, when it lists other items than the panel;
    // empty: the panel's items.
    QStringList tableItems;
    // Set for the whole switch in the panel: no table cell edits it, and a
    // comparison compares the switch-wide key instead.
    bool switchWide = false;
    // Numbers: 0 reads "-".
    bool dashForZero = false;
    // The report's port grid: the row's label and its row in the grid (0:
    // not in the report). The rows count from the grid's two head rows; a
    // row no parameter takes is a grey bar between two groups.
    const char *reportLabel = nullptr;
    int reportRow = 0;
    QStringList reportItems; // the report's words for the items, if other

    int storedValue(const PortConfig &port) const
    {
        return byteField ? port.*byteField : wordField ? port.*wordField : 0;
    }
    // Whether the model has ports of a kind the key is written for: a model
    // without any shows "-" for the parameter.
    bool hasPortsFor(const ProductRecord &model) const { return kindMask & model.portKindMask; }
    bool isWrittenFor(const ProductRecord &model) const
    {
        return hasPortsFor(model) && (speedMask & model.portSpeedMask);
    }
    bool isEditableOn(const ProductRecord &model, PortKind kind) const
    {
        return PortKinds::contains(editableKinds, kind) &&
            (trait == ModelTrait::None || model.has(trait));
    }
};

// The row of `column`, nullptr for a column the table does not have.
const PortParameter *portParameter(int column);
// The row whose file key is `key`, nullptr if none: the panel's form names
// the parameter each widget shows by its key.
const PortParameter *portParameterWithKey(std::string_view key);
// The rows in the order of their keys in a file: each key is written for
// all ports before the next.
const std::array<const PortParameter *, PortColumn::Count> &portParametersInFileOrder();

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

// "Off" and "On" for 0 and 1: the words of a switch.
QStringList onOffItems();

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
