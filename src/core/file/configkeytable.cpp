#include "core/file/configkeytable.h"

#include "core/config/textfields.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {

using namespace PortMask;
using K = ConfigValueKind;
using T = ConfigTarget;

constexpr ConfigKey text(std::string_view key, T target = T::None)
{
    return {key, false, 0, 0, K::Text, 0, 0, kAnyKind, kAnySpeed, target};
}

constexpr ConfigKey global(std::string_view key, int minIndex, int maxIndex, qint64 maxValue,
                           GlobalField field, quint8 kindMask = kAnyKind, T target = T::GlobalField)
{
    return {key,      false,    minIndex,  maxIndex, K::Number, 0,
            maxValue, kindMask, kAnySpeed, target,   -1,        field};
}

// A field of one value, whatever the index.
template<auto Field> constexpr GlobalField single()
{
    return {[](const SwitchConfig &c, int) -> qint64 { return c.*Field; },
            [](SwitchConfig &c, int, qint64 value) {
                c.*Field = std::remove_reference_t<decltype(c.*Field)>(value);
            }};
}

// A table of the record, one entry per index.
template<auto Table> constexpr GlobalField entries()
{
    return {[](const SwitchConfig &c, int at) -> qint64 { return (c.*Table)[size_t(at)]; },
            [](SwitchConfig &c, int at, qint64 value) { (c.*Table)[size_t(at)] = quint8(value); }};
}

// The two alarm contacts, each a field of its own.
constexpr GlobalField psuAlarms {
    [](const SwitchConfig &c, int at) -> qint64 { return at == 0 ? c.psuAlarm1 : c.psuAlarm2; },
    [](SwitchConfig &c, int at, qint64 value) {
        (at == 0 ? c.psuAlarm1 : c.psuAlarm2) = quint8(value);
    }};

ConfigKey portKeyOf(const PortParameter &parameter)
{
    const K kind = parameter.kind == PortValueKind::ClassList ? K::DigitList : K::Number;
    return {parameter.fileKey,
            true,
            1,
            kMaxPorts,
            kind,
            parameter.minValue,
            parameter.maxValue,
            parameter.kindMask,
            parameter.speedMask,
            T::PortColumnField,
            parameter.column};
}

std::array<ConfigKey, ConfigKeyTable::kRowCount> makeRows()
{
    // The reader searches in this order: the keys of most lines first.
    const ConfigKey before[] = {
        text("file.creation-date"),
        text("file.version"),
        // The switch-wide numbers, in the order a file has them.
        global("alarm.psu", 1, 2, 1, psuAlarms, kTwistedPairOrPoE),
        global("switch.aging-time", 0, 0, kMaxAgingTime, single<&SwitchConfig::agingTime>()),
        global("qos.trust-mode", 0, 0, 2, single<&SwitchConfig::qosTrustMode>(), kAnyKind,
               T::QosTrustMode),
        global("traffic-class.priority-scheme", 0, 3, 0,
               entries<&SwitchConfig::trafficClassScheme>()),
        global("dot1p.traffic-class", 0, 7, 3, entries<&SwitchConfig::dot1pTrafficClass>()),
        global("dscp.traffic-class", 0, 63, 3, entries<&SwitchConfig::dscpTrafficClass>()),
    };
    const ConfigKey after[] = {
        {"port.vlan.id", true, 1, kMaxPorts, K::Number, 1, 4096, kAnyKind, kAnySpeed,
         T::PortVlanId},
        text("file.end"),
        text("file.configID"),
        text("file.contactname", T::ContactName),
        text("file.location", T::Location),
        text("file.command"),
    };
    static_assert(std::size(before) + std::size(after) == ConfigKeyTable::kOtherRowCount);

    std::array<ConfigKey, ConfigKeyTable::kRowCount> table {};
    auto next = std::copy(std::begin(before), std::end(before), table.begin());
    for (const PortParameter *parameter : portParametersInFileOrder())
        *next++ = portKeyOf(*parameter);
    std::copy(std::begin(after), std::end(after), next);
    return table;
}

} // namespace

namespace ConfigKeyTable {

const std::array<ConfigKey, kRowCount> &rows()
{
    static const std::array<ConfigKey, kRowCount> table = makeRows();
    return table;
}

const ConfigKey *find(std::string_view key)
{
    for (const ConfigKey &row : rows()) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

const ConfigKey *portKey(int column)
{
    if (column < 0 || column >= PortColumn::Count)
        return nullptr;
    for (const ConfigKey &row : rows()) {
        if (row.target == ConfigTarget::PortColumnField && row.portColumn == column)
            return &row;
    }
    return nullptr;
}

int capabilityMismatch(const ConfigKey &row, const SwitchConfig &config)
{
    const ProductRecord &model = config.model();
    if (!(row.kindMask & model.portKindMask))
        return RejectReason::NoSuchPortKind;
    if (!(row.speedMask & model.portSpeedMask))
        return RejectReason::NoSuchPortSpeed;
    return RejectReason::None;
}

} // namespace ConfigKeyTable
