#include "core/config/globalparameters.h"

#include "core/config/portparameters.h"

#include <algorithm>
#include <type_traits>

namespace {

using namespace GlobalId;
using Kind = GlobalValueKind;

GlobalParameter parameter(int id, Kind kind, std::string_view key, int fileOrder, const char *name,
                          const char *reportName)
{
    GlobalParameter row;
    row.id = id;
    row.kind = kind;
    row.fileKey = key;
    row.fileOrder = fileOrder;
    row.name = name;
    row.reportName = reportName;
    return row;
}

// A field of one value, and its default.
template<auto Field, qint64 Default> GlobalParameter single(GlobalParameter row)
{
    row.read = [](const SwitchConfig &c, int) -> qint64 { return c.*Field; };
    row.store = [](SwitchConfig &c, int, qint64 value) {
        c.*Field = std::remove_reference_t<decltype(c.*Field)>(value);
    };
    row.defaultAt = [](int) { return Default; };
    return row;
}

// A table of the record, one entry per index from 0.
template<auto Table> GlobalParameter table(GlobalParameter row)
{
    row.maxIndex =
        int(std::tuple_size_v<std::remove_reference_t<decltype(SwitchConfig().*Table)>>) - 1;
    row.maxValue = 3; // a traffic class
    row.read = [](const SwitchConfig &c, int at) -> qint64 { return (c.*Table)[size_t(at)]; };
    row.store = [](SwitchConfig &c, int at, qint64 value) {
        (c.*Table)[size_t(at)] = quint8(value);
    };
    return row;
}

// A QoS mapping: the traffic class of each entry, edited in its dialog.
template<auto Table>
GlobalParameter mapping(GlobalParameter row, const char *indexName, qint64 (*defaultAt)(int))
{
    row = table<Table>(row);
    row.defaultAt = defaultAt;
    row.indexName = indexName;
    row.valueName = "Traffic Class";
    return row;
}

GlobalParameter text(int id, std::string_view key, int fileOrder, const char *name,
                     const char *reportName, std::array<char, 100> SwitchConfig::*field,
                     const char *pattern)
{
    GlobalParameter row = parameter(id, Kind::Text, key, fileOrder, name, reportName);
    row.text = field;
    row.pattern = pattern;
    return row;
}

// The traffic classes of the 802.1p priorities and of the DSCP values
// after a reset.
qint64 defaultDot1pClass(int priority)
{
    static const quint8 classes[] = {1, 0, 0, 1, 2, 2, 3, 3};
    return classes[priority];
}

qint64 defaultDscpClass(int dscp)
{
    if (dscp < 8)
        return 1;
    if (dscp < 24)
        return 0;
    if (dscp < 32)
        return 1;
    return dscp < 48 ? 2 : 3;
}

std::array<GlobalParameter, Count> makeTable()
{
    GlobalParameter alarm = parameter(PsuAlarm, Kind::Choice, "alarm.psu", 2,
                                      "Power Supply %1 Alarm", "Alarm\nPSU\u00a0%1");
    alarm.minIndex = 1;
    alarm.maxIndex = 2;
    alarm.maxValue = 1;
    // Every model's file has the alarms; only models with the contacts
    // take them from the window.
    alarm.kindMask = PortMask::kTwistedPairOrPoE;
    alarm.trait = ModelTrait::PsuAlarms;
    alarm.read = [](const SwitchConfig &c, int at) -> qint64 {
        return at == 0 ? c.psuAlarm1 : c.psuAlarm2;
    };
    alarm.store = [](SwitchConfig &c, int at, qint64 value) {
        (at == 0 ? c.psuAlarm1 : c.psuAlarm2) = quint8(value);
    };
    alarm.defaultAt = [](int) -> qint64 { return 1; };
    alarm.items = onOffItems();
    alarm.panelItems = QStringList {QStringLiteral("Disable"), QStringLiteral("Enable")};
    alarm.fallbackItem = 0; // anything but "On" is off

    GlobalParameter aging = single<&SwitchConfig::agingTime, 300>(parameter(
        AgingTime, Kind::Number, "switch.aging-time", 3, "Aging Time", "Aging Time\n[s]"));
    aging.maxValue = 1048575;

    GlobalParameter trust = single<&SwitchConfig::qosTrustMode, 1>(parameter(
        QosTrustMode, Kind::Choice, "qos.trust-mode", 4, "QoS Trust Mode", "QoS Trust\nMode"));
    trust.maxValue = 2;
    trust.items = QStringList {QStringLiteral("untrusted"), QStringLiteral("trustDot1p"),
                               QStringLiteral("trustIpDscp")};
    trust.reportItems = QStringList {QStringLiteral("Untrusted"), QStringLiteral("TrustDot1p"),
                                     QStringLiteral("TrustIpDscp")};

    const GlobalParameter dot1p = mapping<&SwitchConfig::dot1pTrafficClass>(
        parameter(Dot1pMapping, Kind::Table, "dot1p.traffic-class", 6, "QoS 802.1 D/p Mapping",
                  "QoS 802.1p Mapping"),
        "VLAN Priority", defaultDot1pClass);
    const GlobalParameter dscp = mapping<&SwitchConfig::dscpTrafficClass>(
        parameter(DscpMapping, Kind::Table, "dscp.traffic-class", 7, "IP DSCP Mapping",
                  "QoS DSCP Mapping"),
        "DSCP Value", defaultDscpClass);

    // The scheme has no editor and no default: it keeps what a file set,
    // and the only value a file may set is 0.
    GlobalParameter scheme = table<&SwitchConfig::trafficClassScheme>(parameter(
        PriorityScheme, Kind::Table, "traffic-class.priority-scheme", 5, "", "Priority Scheme"));
    scheme.maxValue = 0;
    scheme.indexName = "Traffic Class";

    std::array<GlobalParameter, Count> rows = {{
        text(ContactName, "file.contactname", 0, "Contact", "Contact Person",
             &SwitchConfig::contactName, "[A-Za-z ]{0,40}"),
        text(Location, "file.location", 1, "Location", "Location", &SwitchConfig::location,
             "[0-9A-Za-z ()/-]{0,40}"),
        alarm,
        aging,
        trust,
        dot1p,
        dscp,
        scheme,
    }};
    for (int id = 0; id < Count; ++id)
        Q_ASSERT(rows[size_t(id)].id == id);
    return rows;
}

QString itemText(const GlobalParameter &row, const QStringList &items, qint64 value)
{
    if (row.kind == Kind::Number || row.kind == Kind::Table)
        return QString::number(value);
    if (value >= 0 && value < items.size())
        return items.at(int(value));
    return row.fallbackItem < 0 ? QString() : items.value(row.fallbackItem);
}

// A name with its index, where it has a place for one: a table's name
// stands for all its entries.
QString withIndex(QString name, int index)
{
    return name.contains(QLatin1String("%1")) ? name.arg(index) : name;
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QChar(0xA0), QLatin1Char(' '));
}

} // namespace

const std::array<GlobalParameter, GlobalId::Count> &globalParameters()
{
    static const std::array<GlobalParameter, Count> rows = makeTable();
    return rows;
}

const GlobalParameter &globalParameter(int id)
{
    return globalParameters()[size_t(id)];
}

const GlobalParameter *globalParameterWithKey(std::string_view key)
{
    for (const GlobalParameter &row : globalParameters()) {
        if (row.fileKey == key)
            return &row;
    }
    return nullptr;
}

const std::array<const GlobalParameter *, GlobalId::Count> &globalParametersInFileOrder()
{
    static const std::array<const GlobalParameter *, Count> order = [] {
        std::array<const GlobalParameter *, Count> rows;
        for (int id = 0; id < Count; ++id)
            rows[size_t(id)] = &globalParameter(id);
        std::sort(rows.begin(), rows.end(), [](const GlobalParameter *a, const GlobalParameter *b) {
            return a->fileOrder < b->fileOrder;
        });
        return rows;
    }();
    return order;
}

QString globalValueText(const GlobalParameter &row, qint64 value)
{
    return itemText(row, row.items, value);
}

QString globalReportText(const GlobalParameter &row, qint64 value)
{
    return itemText(row, row.reportItems.isEmpty() ? row.items : row.reportItems, value);
}

QStringList globalPanelItems(const GlobalParameter &row)
{
    return row.panelItems.isEmpty() ? row.items : row.panelItems;
}

QString globalSettingName(const GlobalParameter &row, int index)
{
    QString name = oneLine(QString::fromUtf8(row.reportName));
    if (row.indexName)
        name += QLatin1String(", ") + QLatin1String(row.indexName) + QLatin1String(" %1");
    return withIndex(name, index);
}

QString globalReportName(const GlobalParameter &row, int index)
{
    return withIndex(QString::fromUtf8(row.reportName), index);
}

QString globalName(const GlobalParameter &row, int index)
{
    return withIndex(QString::fromUtf8(row.name), index);
}

void resetGlobalParameters(SwitchConfig &config)
{
    for (const GlobalParameter &row : globalParameters()) {
        if (row.text)
            (config.*row.text).fill(0);
        if (!row.defaultAt || row.id == QosTrustMode)
            continue;
        for (int position = 0; position <= row.maxIndex - row.minIndex; ++position)
            row.store(config, position, row.defaultAt(position));
    }
}
