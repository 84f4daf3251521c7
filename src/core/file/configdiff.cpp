#include "core/file/configdiff.h"

#include "core/config/poeclasses.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "core/file/configkeytable.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

bool bothAccept(const ConfigKey &row, const SwitchConfig &first, const SwitchConfig &second)
{
    return ConfigKeyTable::capabilityMismatch(row, first) == RejectReason::None &&
        ConfigKeyTable::capabilityMismatch(row, second) == RejectReason::None;
}

// A switch-wide setting: one file key with its indexes, the name each index
// goes by, and the value the record holds for it.
struct GlobalSetting
{
    std::string_view key;
    int firstIndex;
    int lastIndex;
    std::function<QString(int index)> name;
    std::function<QString(const SwitchConfig &, int index)> value;
};

// The name of a setting with a single index.
std::function<QString(int)> fixed(const char *name)
{
    return [name](int) { return QString::fromLatin1(name); };
}

const std::vector<GlobalSetting> &globalSettings()
{
    static const std::vector<GlobalSetting> settings = {
        {"file.contactname", 0, 0, fixed("Contact Person"),
         [](const SwitchConfig &c, int) { return readText(c.contactName); }},
        {"file.location", 0, 0, fixed("Location"),
         [](const SwitchConfig &c, int) { return readText(c.location); }},
        {"alarm.psu", 1, 2, [](int i) { return QStringLiteral("Alarm PSU %1").arg(i); },
         [](const SwitchConfig &c, int i) {
             return onOffText(i == 1 ? c.psuAlarm1 : c.psuAlarm2);
         }},
        {"switch.aging-time", 0, 0, fixed("Aging Time [s]"),
         [](const SwitchConfig &c, int) { return QString::number(c.agingTime); }},
        {"qos.trust-mode", 0, 0, fixed("QoS Trust Mode"),
         [](const SwitchConfig &c, int) { return qosTrustModeText(c.qosTrustMode); }},
        {"dot1p.traffic-class", 0, 7,
         [](int i) { return QStringLiteral("QoS 802.1p Mapping, VLAN Priority %1").arg(i); },
         [](const SwitchConfig &c, int i) { return QString::number(c.dot1pTrafficClass[i]); }},
        {"dscp.traffic-class", 0, 63,
         [](int i) { return QStringLiteral("QoS DSCP Mapping, DSCP Value %1").arg(i); },
         [](const SwitchConfig &c, int i) { return QString::number(c.dscpTrafficClass[i]); }},
        {"traffic-class.priority-scheme", 0, 3,
         [](int i) { return QStringLiteral("Priority Scheme, Traffic Class %1").arg(i); },
         [](const SwitchConfig &c, int i) { return QString::number(c.trafficClassScheme[i]); }},
    };
    return settings;
}

QString portValueText(const SwitchConfig &config, int port, int column)
{
    // The classes as a set: "3,1" and "1,3" allow the same classes.
    if (portParameter(column)->kind == PortValueKind::ClassList)
        return sortedClassesText(config.ports[port].allowedPoEClasses);
    const std::optional<QVariant> cell = portCellValue(config, port, column);
    return cell ? cell->toString() : QString::number(portFieldValue(config.ports[port], column));
}

} // namespace

QVector<ConfigDifference> configDifferences(const SwitchConfig &first, const SwitchConfig &second,
                                            const SettingsRead *firstRead,
                                            const SettingsRead *secondRead)
{
    QVector<ConfigDifference> differences;
    const auto compare = [&](const ConfigKey &row, int index, int port, const QString &setting,
                             const QString &a, const QString &b) {
        // A default a file never chose is no difference.
        if ((firstRead && !firstRead->contains(row, index)) ||
            (secondRead && !secondRead->contains(row, index)))
            return;
        if (a != b)
            differences.append({setting, port, a, b, row.key, index});
    };

    for (const GlobalSetting &setting : globalSettings()) {
        const ConfigKey *row = ConfigKeyTable::find(setting.key);
        if (!row || !bothAccept(*row, first, second))
            continue;
        for (int i = setting.firstIndex; i <= setting.lastIndex; ++i)
            compare(*row, i, 0, setting.name(i), setting.value(first, i), setting.value(second, i));
    }

    // The port columns both models have keys for; the per-port trust mode
    // follows the switch-wide one, which a file alone carries.
    struct PortSetting
    {
        const ConfigKey *row;
        int column;
        QString name;
    };
    QVector<PortSetting> portSettings;
    for (int column = 0; column < PortColumn::Count; ++column) {
        const ConfigKey *row = ConfigKeyTable::portKey(column);
        if (row && !portParameter(column)->switchWide && bothAccept(*row, first, second))
            portSettings.append({row, column, portParameterName(column)});
    }
    const ConfigKey *vlan = ConfigKeyTable::find("port.vlan.id");
    const bool compareVlan = vlan && bothAccept(*vlan, first, second);

    const int ports = std::min({int(first.portCount), int(second.portCount), kMaxPorts});
    for (int p = 0; p < ports; ++p) {
        for (const PortSetting &setting : portSettings)
            compare(*setting.row, p + 1, p + 1, setting.name,
                    portValueText(first, p, setting.column),
                    portValueText(second, p, setting.column));
        if (compareVlan)
            compare(*vlan, p + 1, p + 1, QStringLiteral("VLAN ID"),
                    QString::number(first.ports[p].vlanId),
                    QString::number(second.ports[p].vlanId));
    }
    return differences;
}

QString differenceSummary(int count)
{
    if (count == 0)
        return QStringLiteral("The configurations are identical");
    if (count == 1)
        return QStringLiteral("1 setting differs");
    return QStringLiteral("%1 settings differ").arg(count);
}

QString differencesText(const QVector<ConfigDifference> &differences, const QString &firstTitle,
                        const QString &secondTitle)
{
    const QChar tab = QLatin1Char('\t');
    QString text = QStringLiteral("Setting") + tab + QStringLiteral("Port") + tab + firstTitle +
        tab + secondTitle + QLatin1Char('\n');
    for (const ConfigDifference &d : differences) {
        text += d.setting + tab + (d.port ? QString::number(d.port) : QString()) + tab + d.first +
            tab + d.second + QLatin1Char('\n');
    }
    return text;
}
