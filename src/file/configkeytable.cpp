#include "file/configkeytable.h"

#include "config/portcolumns.h"
#include "config/textfields.h"

namespace {

constexpr quint8 kAnyKind = PortKindBit::AnyPort;
constexpr quint8 kTwistedPairOrPoE = PortKindBit::TwistedPair | PortKindBit::PoE;
constexpr quint8 kPoE = PortKindBit::PoE;
constexpr quint8 kAnySpeed = PortSpeedBit::AnySpeed;
constexpr quint8 kGigabit = PortSpeedBit::Gigabit;

using K = ConfigValueKind;
using T = ConfigTarget;

constexpr ConfigKey text(std::string_view key, T target = T::None)
{
    return {key, false, 0, 0, K::Text, 0, 0, kAnyKind, kAnySpeed, target};
}

constexpr ConfigKey global(std::string_view key, int minIndex, int maxIndex, qint64 maxValue,
                           T target, quint8 kindMask = kAnyKind)
{
    return {key, false, minIndex, maxIndex, K::Number, 0, maxValue, kindMask, kAnySpeed, target};
}

constexpr ConfigKey port(std::string_view key, qint64 minValue, qint64 maxValue, int column,
                         quint8 kindMask = kAnyKind, quint8 speedMask = kAnySpeed)
{
    return {key,      true,     1,         kMaxPorts,          K::Number, minValue,
            maxValue, kindMask, speedMask, T::PortColumnField, column};
}

} // namespace

namespace ConfigKeyTable {

const std::array<ConfigKey, kRowCount> &rows()
{
    // The reader searches in this order; the writer has its own order.
    static const std::array<ConfigKey, kRowCount> table = {{
        text("file.creation-date"),
        text("file.version"),
        global("alarm.psu", 1, 2, 1, T::PsuAlarm, kTwistedPairOrPoE),
        global("switch.aging-time", 0, 0, kMaxAgingTime, T::AgingTime),
        global("qos.trust-mode", 0, 0, 2, T::QosTrustMode),
        global("traffic-class.priority-scheme", 0, 3, 0, T::TrafficClassScheme),
        global("dot1p.traffic-class", 0, 7, 3, T::Dot1pTrafficClass),
        global("dscp.traffic-class", 0, 63, 3, T::DscpTrafficClass),
        port("port.flow-control", 0, 1, PortColumn::FlowControl),
        port("port.admin-state", 0, 1, PortColumn::AdminState),
        port("port.jumbo", 0, 1, PortColumn::JumboFrames),
        port("port.bc-storm.protection", 0, 1, PortColumn::BroadcastStormProtection),
        port("port.bc-storm.threshold", 0, 100, PortColumn::BroadcastStormThreshold),
        port("port.mc-storm.protection", 0, 1, PortColumn::MulticastStormProtection),
        port("port.mc-storm.threshold", 0, 100, PortColumn::MulticastStormThreshold),
        port("port.qos.trust-mode", 0, 2, PortColumn::QosTrustMode),
        port("port.alarm.link", 0, 1, PortColumn::AlarmLink, kTwistedPairOrPoE),
        port("port.autoneg", 0, 1, PortColumn::AutoNeg),
        port("port.speed", 1, 2, PortColumn::Speed),
        port("port.duplex", 1, 2, PortColumn::DuplexMode),
        port("port.auto-crossing", 0, 1, PortColumn::AutoCrossing),
        port("port.mdi", 0, 1, PortColumn::MdiState),
        port("port.eee", 0, 1, PortColumn::Eee, kAnyKind, kGigabit),
        port("port.poe.admin-state", 0, 1, PortColumn::PoeAdminState, kPoE),
        port("port.poe.priority", 1, 3, PortColumn::PoePriority, kPoE),
        {"port.poe.allowed-classes", true, 1, kMaxPorts, K::DigitList, 0, 4, kPoE, kAnySpeed,
         T::PortColumnField, PortColumn::AllowedPoEClasses},
        port("port.poe.override", 0, 13, PortColumn::AllowedPoEOverride, kPoE),
        {"port.vlan.id", true, 1, kMaxPorts, K::Number, 1, 4096, kAnyKind, kAnySpeed,
         T::PortVlanId},
        port("port.qos.port-based", 0, 7, PortColumn::PortPriority),
        text("file.end"),
        text("file.configID"),
        text("file.contactname", T::ContactName),
        text("file.location", T::Location),
        text("file.command"),
    }};
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

int capabilityMismatch(const ConfigKey &row, const SwitchConfig &config)
{
    if (!(row.kindMask & config.portKindMask))
        return RejectReason::NoSuchPortKind;
    if (!(row.speedMask & config.portSpeedMask))
        return RejectReason::NoSuchPortSpeed;
    return RejectReason::None;
}

} // namespace ConfigKeyTable
