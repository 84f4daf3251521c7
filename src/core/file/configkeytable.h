#pragma once

#include "core/config/globalparameters.h"
#include "core/config/portparameters.h"

#include <array>
#include <string_view>

// The keys of the configuration file: what index and value each accepts,
// which models know it, and which field of the record it sets. Writer and
// reader share this one table.

// Why the reader rejects a line; the codes are those of "errorLog.txt".
namespace RejectReason {
enum : int {
    None = 0,
    UnknownKey = 1,
    NoSuchPortKind = 2, // no port of the model has the kind the key is for
    NoSuchPortSpeed = 3,
    BadIndex = 4,
    BadValue = 5,
};
}

enum class ConfigValueKind : quint8 {
    Number,
    DigitList, // the allowed PoE classes: a run of class digits
    Text,
};

// The record field a key sets. The keys of settings are made from their
// rows: the port parameters (PortColumn) and the settings of the whole
// switch (GlobalId), so the window, the file and the comparison agree.
enum class ConfigTarget : quint8 {
    None, // text keys that carry nothing to keep
    GlobalText, // ConfigKey::global, a free text
    GlobalNumber, // ConfigKey::global, at the index's position
    QosTrustMode, // the switch-wide mode, which every port takes too
    PortColumnField, // ConfigKey::portColumn of the port
    PortVlanId,
};

struct ConfigKey
{
    std::string_view key;
    bool portIndexed; // the index is a port number 1..portCount
    int minIndex;
    int maxIndex; // port keys: bounded by the model's portCount instead
    ConfigValueKind valueKind;
    qint64 minValue;
    qint64 maxValue;
    quint8 kindMask; // the key exists for models sharing a bit with these
    quint8 speedMask;
    ConfigTarget target;
    int portColumn = -1;
    const GlobalParameter *global = nullptr; // the settings of the whole switch

    // Array position of an index: port and PSU numbers count from 1.
    int positionOf(qint64 index) const { return int(index - minIndex); }
    // The largest index the key takes on `config`'s model.
    int maxIndexFor(const SwitchConfig &config) const
    {
        return portIndexed ? config.portCount() : maxIndex;
    }
    bool isTextKey() const { return valueKind == ConfigValueKind::Text; }
};

namespace ConfigKeyTable {

// The keys besides the port parameters': six of the file itself (creation
// date, version, VLAN ID, end, configuration ID and command) and one per
// setting of the whole switch.
constexpr int kOtherRowCount = 6 + GlobalId::Count;
constexpr int kRowCount = kOtherRowCount + PortColumn::Count;

const std::array<ConfigKey, kRowCount> &rows();

// The row of `key` (exact, case-sensitive), nullptr if the file format has
// no such key.
const ConfigKey *find(std::string_view key);

// The key of a port parameter, nullptr for a column no key writes.
const ConfigKey *portKey(int column);

// Whether `config`'s model knows the key: RejectReason::None if so, else
// NoSuchPortKind or NoSuchPortSpeed.
int capabilityMismatch(const ConfigKey &row, const SwitchConfig &config);

} // namespace ConfigKeyTable
