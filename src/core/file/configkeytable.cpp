#include "core/file/configkeytable.h"

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

ConfigKey globalKeyOf(const GlobalParameter &parameter)
{
    if (parameter.kind == GlobalValueKind::Text) {
        ConfigKey key = text(parameter.fileKey, T::GlobalText);
        key.global = &parameter;
        return key;
    }
    const T target = parameter.id == GlobalId::QosTrustMode ? T::QosTrustMode : T::GlobalNumber;
    return {parameter.fileKey,
            false,
            parameter.minIndex,
            parameter.maxIndex,
            K::Number,
            0,
            parameter.maxValue,
            parameter.kindMask,
            kAnySpeed,
            target,
            -1,
            &parameter};
}

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
    };
    const ConfigKey after[] = {
        {"port.vlan.id", true, 1, kMaxPorts, K::Number, 1, 4096, kAnyKind, kAnySpeed,
         T::PortVlanId},
        text("file.end"),
        text("file.configID"),
    };
    const ConfigKey last[] = {text("file.command")};
    static_assert(std::size(before) + std::size(after) + std::size(last) + GlobalId::Count ==
                  ConfigKeyTable::kOtherRowCount);

    // The switch-wide numbers in the order a file has them, the free texts
    // after the keys that name the file.
    std::array<ConfigKey, ConfigKeyTable::kRowCount> table {};
    auto next = std::copy(std::begin(before), std::end(before), table.begin());
    for (const GlobalParameter *parameter : globalParametersInFileOrder()) {
        if (parameter->kind != GlobalValueKind::Text)
            *next++ = globalKeyOf(*parameter);
    }
    for (const PortParameter *parameter : portParametersInFileOrder())
        *next++ = portKeyOf(*parameter);
    next = std::copy(std::begin(after), std::end(after), next);
    for (const GlobalParameter *parameter : globalParametersInFileOrder()) {
        if (parameter->kind == GlobalValueKind::Text)
            *next++ = globalKeyOf(*parameter);
    }
    std::copy(std::begin(last), std::end(last), next);
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
