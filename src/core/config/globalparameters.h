#pragma once

#include "core/config/switchconfig.h"

#include <QStringList>

#include <array>
#include <string_view>

// The settings of the whole switch, one row each, in the order the
// comparison lists them: the texts a file carries, the alarms, the aging
// time, the trust mode and the QoS tables.
namespace GlobalId {
enum : int {
    ContactName,
    Location,
    PsuAlarm,
    AgingTime,
    QosTrustMode,
    Dot1pMapping,
    DscpMapping,
    PriorityScheme,
    Count
};
}

enum class GlobalValueKind : quint8 {
    Text, // a free text, as typed
    Choice, // one of `items`, chosen in a combo box
    Number, // typed, 0..maxValue
    Table, // one number per index, edited in a dialog
};

// Everything the program knows about one setting of the whole switch: the
// record field, its key and indexes in a file, its default and range, and
// how the window, the report, the comparison and the undo history name it.
struct GlobalParameter
{
    int id = -1;
    GlobalValueKind kind = GlobalValueKind::Number;
    std::string_view fileKey;
    int fileOrder = 0; // position among the switch-wide keys of a file
    int minIndex = 0; // the indexes a file gives it; the record's entries
    int maxIndex = 0; // count from minIndex
    qint64 maxValue = 0; // values 0..maxValue
    // Written for: a file of a model sharing a bit with these has the key.
    quint8 kindMask = PortKindBit::AnyPort;
    // Editable on: models with this trait (ModelTrait::None: every model).
    quint8 trait = ModelTrait::None;

    // The record's value at entry `position` (numbers), or its text buffer.
    qint64 (*read)(const SwitchConfig &config, int position) = nullptr;
    void (*store)(SwitchConfig &config, int position, qint64 value) = nullptr;
    std::array<char, 100> SwitchConfig::*text = nullptr;
    // What a reset stores at each entry; nullptr: a reset keeps the value.
    qint64 (*defaultAt)(int position) = nullptr;

    // The setting's name as the window calls it (its label there, on one
    // line) and the undo history names a step; %1 stands for the index.
    const char *name = "";
    // The words of the values 0, 1 ..., as the comparison shows them; the
    // window's combo box and the report use their own where they differ.
    QStringList items;
    QStringList panelItems;
    QStringList reportItems;
    int fallbackItem = -1; // the item a value outside them shows; -1: none
    // The report's name, with the line break of its head; the comparison
    // takes it on one line. %1 stands for the index.
    const char *reportName = "";
    // Tables: the report's and the comparison's names of an index and of
    // its value ("DSCP Value", "Traffic Class").
    const char *indexName = nullptr;
    const char *valueName = nullptr;
    // Texts: what the window's field admits while typed.
    const char *pattern = nullptr;

    int positionOf(int index) const { return index - minIndex; }
    bool isEditableOn(const ProductRecord &model) const
    {
        return trait == ModelTrait::None || model.has(trait);
    }
};

const std::array<GlobalParameter, GlobalId::Count> &globalParameters();
const GlobalParameter &globalParameter(int id);
// The row whose file key is `key`, nullptr if none.
const GlobalParameter *globalParameterWithKey(std::string_view key);
// The rows in the order of their keys in a file.
const std::array<const GlobalParameter *, GlobalId::Count> &globalParametersInFileOrder();

// The text of `value` in the row's items ("On", "trustDot1p"); empty for a
// value without one. Numbers and tables give the number.
QString globalValueText(const GlobalParameter &row, qint64 value);
// The same in the report's words ("TrustDot1p").
QString globalReportText(const GlobalParameter &row, qint64 value);
// The items of the window's combo box.
QStringList globalPanelItems(const GlobalParameter &row);

// Names of one entry (the index as a file gives it): the comparison's
// ("Alarm PSU 2", "QoS DSCP Mapping, DSCP Value 46"), the report's head
// with its line break, and the window's ("Power Supply 1 Alarm").
QString globalSettingName(const GlobalParameter &row, int index);
QString globalReportName(const GlobalParameter &row, int index);
QString globalName(const GlobalParameter &row, int index);

// Stores every default of the rows that have one, but the trust mode,
// which a reset stores with the ports.
void resetGlobalParameters(SwitchConfig &config);
