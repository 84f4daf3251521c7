#include "core/file/configdiff.h"

#include "core/config/poeclasses.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "core/file/configkeytable.h"

#include <algorithm>

namespace {

bool bothAccept(const ConfigKey &row, const SwitchConfig &first, const SwitchConfig &second)
{
    return ConfigKeyTable::capabilityMismatch(row, first) == RejectReason::None &&
        ConfigKeyTable::capabilityMismatch(row, second) == RejectReason::None;
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

namespace {

// The differences found so far; a default a file never chose is none.
struct Differences
{
    const SettingsRead *firstRead;
    const SettingsRead *secondRead;
    QVector<ConfigDifference> list;

    void compare(const ConfigKey &row, int index, int port, const QString &setting,
                 const QString &a, const QString &b)
    {
        if ((firstRead && !firstRead->contains(row, index)) ||
            (secondRead && !secondRead->contains(row, index)))
            return;
        if (a != b)
            list.append({setting, port, a, b, row.key, index});
    }
};

// The settings of the whole switch, as the report names them.
void compareGlobals(const SwitchConfig &first, const SwitchConfig &second, Differences &found)
{
    for (const GlobalParameter &setting : globalParameters()) {
        const ConfigKey *row = ConfigKeyTable::find(setting.fileKey);
        if (!row || !bothAccept(*row, first, second))
            continue;
        if (setting.text) {
            found.compare(*row, 0, 0, globalSettingName(setting, 0), readText(first.*setting.text),
                          readText(second.*setting.text));
            continue;
        }
        for (int i = setting.minIndex; i <= setting.maxIndex; ++i) {
            const int at = setting.positionOf(i);
            const qint64 firstValue = setting.read(first, at);
            const qint64 secondValue = setting.read(second, at);
            // Equal values read as equal texts; the texts are made for the
            // few that differ, not for all 64 DSCP entries.
            if (firstValue != secondValue)
                found.compare(*row, i, 0, globalSettingName(setting, i),
                              globalValueText(setting, firstValue),
                              globalValueText(setting, secondValue));
        }
    }
}

// The port columns both models have keys for; the per-port trust mode
// follows the switch-wide one, which a file alone carries.
void comparePorts(const SwitchConfig &first, const SwitchConfig &second, Differences &found)
{
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

    const int ports = std::min(first.portCount(), second.portCount());
    for (int p = 0; p < ports; ++p) {
        for (const PortSetting &setting : portSettings)
            found.compare(*setting.row, p + 1, p + 1, setting.name,
                          portValueText(first, p, setting.column),
                          portValueText(second, p, setting.column));
        if (compareVlan)
            found.compare(*vlan, p + 1, p + 1, QStringLiteral("VLAN ID"),
                          QString::number(first.ports[p].vlanId),
                          QString::number(second.ports[p].vlanId));
    }
}

} // namespace

QVector<ConfigDifference> configDifferences(const SwitchConfig &first, const SwitchConfig &second,
                                            const SettingsRead *firstRead,
                                            const SettingsRead *secondRead)
{
    Differences found {firstRead, secondRead, {}};
    compareGlobals(first, second, found);
    comparePorts(first, second, found);
    return found.list;
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
