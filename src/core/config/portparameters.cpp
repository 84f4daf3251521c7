#include "core/config/portparameters.h"

#include "core/config/globalparameters.h"
#include "core/config/poeclasses.h"

#include <algorithm>

namespace {

using namespace PortColumn;
using namespace PortMask;
using Kind = PortValueKind;

PortParameter parameter(int column, const char *header, std::string_view key, int fileOrder,
                        Kind kind)
{
    PortParameter row;
    row.column = column;
    row.header = header;
    row.fileKey = key;
    row.fileOrder = fileOrder;
    row.kind = kind;
    return row;
}

// A parameter switched on or off. `clamped`: the panel shows "Off" for a
// stored value that is neither 0 nor 1, as the cell does.
PortParameter onOff(int column, const char *header, std::string_view key, int fileOrder,
                    quint8 PortConfig::*field, bool clamped)
{
    PortParameter row = parameter(column, header, key, fileOrder, Kind::Choice);
    row.byteField = field;
    row.maxValue = 1;
    row.items = onOffItems();
    row.cellFallback = 0;
    row.panelFallback = clamped ? 0 : -1;
    return row;
}

PortParameter choice(int column, const char *header, std::string_view key, int fileOrder,
                     quint8 PortConfig::*field, int firstValue, QStringList items,
                     int panelFallback = -1)
{
    PortParameter row = parameter(column, header, key, fileOrder, Kind::Choice);
    row.byteField = field;
    row.minValue = firstValue;
    row.maxValue = firstValue + items.size() - 1;
    row.firstValue = firstValue;
    row.items = std::move(items);
    row.panelFallback = panelFallback;
    return row;
}

PortParameter number(int column, const char *header, std::string_view key, int fileOrder,
                     quint8 PortConfig::*field, int maxValue)
{
    PortParameter row = parameter(column, header, key, fileOrder, Kind::Number);
    row.byteField = field;
    row.maxValue = maxValue;
    return row;
}

QStringList digits(int count)
{
    QStringList texts;
    for (int digit = 0; digit < count; ++digit)
        texts.append(QString::number(digit));
    return texts;
}

// Two facts per parameter: which models' files have its key (the kinds and
// speeds of their ports), and on which ports the panel takes it (the kind of
// the port, and a trait of the model). The file writes the link alarm and
// jumbo frames for every model; only models with the trait take them from
// the panel.
void placeOnModels(std::array<PortParameter, Count> &table)
{
    using namespace PortKinds;
    const auto where = [&](int column, quint8 kinds, quint8 speeds, quint8 portKinds,
                           quint8 trait = ModelTrait::None) {
        PortParameter &row = table[size_t(column)];
        row.kindMask = kinds;
        row.speedMask = speeds;
        row.editableKinds = portKinds;
        row.trait = trait;
    };
    // clang-format off
    //    column                    written for: kinds   speeds     editable on: ports, trait
    where(AdminState,               kAnyKind,          kAnySpeed, kAny);
    where(AlarmLink,                kTwistedPairOrPoE, kAnySpeed, kAny, ModelTrait::LinkAlarm);
    where(AutoNeg,                  kAnyKind,          kAnySpeed, kCopper);
    where(Speed,                    kAnyKind,          kAnySpeed, kCopper);
    where(DuplexMode,               kAnyKind,          kAnySpeed, kAny);
    where(AutoCrossing,             kAnyKind,          kAnySpeed, kCopper);
    where(MdiState,                 kAnyKind,          kAnySpeed, kCopper);
    where(FlowControl,              kAnyKind,          kAnySpeed, kAny);
    where(BroadcastStormProtection, kAnyKind,          kAnySpeed, kAny);
    where(BroadcastStormThreshold,  kAnyKind,          kAnySpeed, kAny);
    where(MulticastStormProtection, kAnyKind,          kAnySpeed, kAny);
    where(MulticastStormThreshold,  kAnyKind,          kAnySpeed, kAny);
    where(JumboFrames,              kAnyKind,          kAnySpeed, kAny, ModelTrait::JumboFrames);
    where(QosTrustMode,             kAnyKind,          kAnySpeed, kAny);
    where(PortPriority,             kAnyKind,          kAnySpeed, kAny);
    where(Eee,                      kAnyKind,          kGigabit,  kGigabitCopper);
    where(PoeAdminState,            PortMask::kPoE,    kAnySpeed, PortKinds::kPoE);
    where(PoePriority,              PortMask::kPoE,    kAnySpeed, PortKinds::kPoE);
    where(AllowedPoEClasses,        PortMask::kPoE,    kAnySpeed, PortKinds::kPoE);
    where(AllowedPoEOverride,       PortMask::kPoE,    kAnySpeed, PortKinds::kPoE);
    // clang-format on
}

void placeInReport(std::array<PortParameter, Count> &table)
{
    const auto place = [&](int column, int row, const char *label) {
        table[size_t(column)].reportRow = row;
        table[size_t(column)].reportLabel = label;
    };
    place(AdminState, 2, "Port State");
    place(AlarmLink, 3, "Link Alarm");
    place(Speed, 5, "Speed [Mbit/s]");
    place(AutoNeg, 6, "Auto-negotiation");
    place(AutoCrossing, 7, "Auto-crossing");
    place(DuplexMode, 8, "Duplex Mode");
    place(MdiState, 9, "MDI State");
    place(JumboFrames, 11, "Jumbo Frames");
    place(PortPriority, 12, "Port Priority");
    place(Eee, 13, "Energy Efficient Ethernet");
    place(FlowControl, 15, "Flow Control");
    place(BroadcastStormProtection, 16, "Broadcast Storm Protection");
    place(BroadcastStormThreshold, 17, "Broadcast Storm Thld. [%]");
    place(MulticastStormProtection, 18, "Multicast Storm Protection");
    place(MulticastStormThreshold, 19, "Multicast Storm Thld. [%]");
    place(PoeAdminState, 21, "PoE Admin State");
    place(PoePriority, 22, "PoE Priority");
    place(AllowedPoEClasses, 23, "Allowed PoE classes");
    place(AllowedPoEOverride, 24, "PoE User Set Limit");
    table[Speed].reportItems =
        QStringList {QStringLiteral("10\nMbps"), QStringLiteral("100\nMbps"), QStringLiteral("-")};
}

std::array<PortParameter, Count> makeTable()
{
    std::array<PortParameter, Count> table = {{
        onOff(AdminState, "Port\nState", "port.admin-state", 1, &PortConfig::adminState, false),
        onOff(AlarmLink, "Link\nAlarm", "port.alarm.link", 8, &PortConfig::alarmLink, false),
        onOff(AutoNeg, "Auto\nNegotiation", "port.autoneg", 9, &PortConfig::autoNeg, true),
        // The file has no "auto" speed: the switch negotiates it (stored 3,
        // written as 100 Mbit/s).
        choice(Speed, "Speed", "port.speed", 10, &PortConfig::speed, 1,
               {QStringLiteral("10Mbps"), QStringLiteral("100Mbps"), QStringLiteral("-")}),
        choice(DuplexMode, "Duplex\nMode", "port.duplex", 11, &PortConfig::duplexMode, 1,
               {QStringLiteral("HDX"), QStringLiteral("FDX")}, 0),
        onOff(AutoCrossing, "Auto\nCrossing", "port.auto-crossing", 12, &PortConfig::autoCrossing,
              true),
        choice(MdiState, "MDI\nState", "port.mdi", 13, &PortConfig::mdiState, 0,
               {QStringLiteral("MDIX"), QStringLiteral("MDI")}),
        onOff(FlowControl, "Flow\nControl", "port.flow-control", 0, &PortConfig::flowControl,
              false),
        onOff(BroadcastStormProtection, "Broadcast\nMode", "port.bc-storm.protection", 3,
              &PortConfig::broadcastStormProtection, true),
        number(BroadcastStormThreshold, "Broadcast\nThreshold", "port.bc-storm.threshold", 4,
               &PortConfig::broadcastStormThreshold, 100),
        onOff(MulticastStormProtection, "Multicast\nMode", "port.mc-storm.protection", 5,
              &PortConfig::multicastStormProtection, true),
        number(MulticastStormThreshold, "Multicast\nThreshold", "port.mc-storm.threshold", 6,
               &PortConfig::multicastStormThreshold, 100),
        onOff(JumboFrames, "Jumbo\nFrames", "port.jumbo", 2, &PortConfig::jumboFrames, true),
        // The switch-wide setting's words.
        choice(QosTrustMode, "QoS\nTrust\nMode", "port.qos.trust-mode", -1,
               &PortConfig::portQosTrustMode, 0, globalParameter(GlobalId::QosTrustMode).items),
        choice(PortPriority, "Port\nPriority", "port.qos.port-based", 7, &PortConfig::portPriority,
               0, digits(8)),
        onOff(Eee, "Energy\nEfficient\nEthernet", "port.eee", 14, &PortConfig::eee, true),
        onOff(PoeAdminState, "PoE\nState", "port.poe.admin-state", 15, &PortConfig::poeAdminState,
              true),
        choice(PoePriority, "PoE\nPriority", "port.poe.priority", 16, &PortConfig::poePriority, 1,
               {QStringLiteral("Low"), QStringLiteral("High"), QStringLiteral("Critical")}),
        parameter(AllowedPoEClasses, "PoE\nClasses", "port.poe.allowed-classes", 17,
                  Kind::ClassList),
        parameter(AllowedPoEOverride, "PoE\nUser Set\nLimit [W]", "port.poe.override", 18,
                  Kind::Number),
    }};
    table[AllowedPoEClasses].maxValue = 4; // the largest class digit
    table[AllowedPoEOverride].wordField = &PortConfig::allowedPoEOverride;
    table[AllowedPoEOverride].maxValue = 13;
    table[AllowedPoEOverride].dashForZero = true;
    // The table's editor never offers speed "-" (and the file never holds
    // it); MDI lists MDI first; the trust mode belongs to the whole switch.
    table[Speed].tableItems = table[Speed].items.mid(0, 2);
    table[Speed].maxValue = 2;
    table[MdiState].cellFallback = 0; // any value but MDI reads "MDIX"
    table[MdiState].tableItems = QStringList {QStringLiteral("MDI"), QStringLiteral("MDIX")};
    table[QosTrustMode].switchWide = true;
    placeOnModels(table);
    placeInReport(table);
    for (int column = 0; column < Count; ++column)
        Q_ASSERT(table[size_t(column)].column == column);
    return table;
}

const std::array<PortParameter, Count> &parameters()
{
    static const std::array<PortParameter, Count> table = makeTable();
    return table;
}

// The item of a choice a stored value shows, or `fallback`.
int itemOf(const PortParameter &parameter, int value, int fallback)
{
    const int item = value - parameter.firstValue;
    return item >= 0 && item < parameter.items.size() ? item : fallback;
}

} // namespace

const PortParameter *portParameter(int column)
{
    return column >= 0 && column < Count ? &parameters()[size_t(column)] : nullptr;
}

const PortParameter *portParameterWithKey(std::string_view key)
{
    for (const PortParameter &parameter : parameters()) {
        if (parameter.fileKey == key)
            return &parameter;
    }
    return nullptr;
}

const std::array<const PortParameter *, PortColumn::Count> &portParametersInFileOrder()
{
    static const std::array<const PortParameter *, Count> order = [] {
        std::array<const PortParameter *, Count> rows;
        for (int column = 0; column < Count; ++column)
            rows[size_t(column)] = &parameters()[size_t(column)];
        // Unwritten parameters (order -1) go last.
        std::stable_sort(rows.begin(), rows.end(),
                         [](const PortParameter *a, const PortParameter *b) {
                             return unsigned(a->fileOrder) < unsigned(b->fileOrder);
                         });
        return rows;
    }();
    return order;
}

QStringList onOffItems()
{
    return QStringList {QStringLiteral("Off"), QStringLiteral("On")};
}

QString portColumnHeader(int column)
{
    const PortParameter *parameter = portParameter(column);
    return parameter ? QString::fromLatin1(parameter->header) : QString();
}

QString portParameterName(int column)
{
    return portColumnHeader(column).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QStringList portColumnEditorItems(int column)
{
    const PortParameter *parameter = portParameter(column);
    if (!parameter || parameter->switchWide)
        return {};
    return parameter->tableItems.isEmpty() ? parameter->items : parameter->tableItems;
}

std::optional<QVariant> portCellValue(const SwitchConfig &config, int portIndex, int column)
{
    const PortParameter *parameter = portParameter(column);
    if (portIndex < 0 || portIndex >= kMaxPorts || !parameter)
        return std::nullopt;
    const PortConfig &port = config.ports[portIndex];
    const QString noValue = QStringLiteral("-");
    switch (parameter->kind) {
    case Kind::ClassList:
        return QVariant(parameter->hasPortsFor(config.model())
                            ? storedClassesText(port.allowedPoEClasses)
                            : noValue);
    case Kind::Number: {
        const int value = parameter->storedValue(port);
        if (!parameter->dashForZero)
            return QVariant(value);
        // A model without ports of its kind has no value either.
        return QVariant(parameter->hasPortsFor(config.model()) && value != 0
                            ? QString::number(value)
                            : noValue);
    }
    case Kind::Choice:
        break;
    }
    const int item = itemOf(*parameter, parameter->storedValue(port), parameter->cellFallback);
    if (item < 0)
        return std::nullopt;
    return QVariant(parameter->items.at(item));
}

int portFieldValue(const PortConfig &port, int column)
{
    const PortParameter *parameter = portParameter(column);
    return parameter ? parameter->storedValue(port) : 0;
}

void setPortFieldValue(PortConfig &port, int column, int value)
{
    const PortParameter *parameter = portParameter(column);
    if (!parameter)
        return;
    if (parameter->byteField)
        port.*parameter->byteField = quint8(value);
    else if (parameter->wordField)
        port.*parameter->wordField = quint16(value);
}

bool isNumberColumn(int column)
{
    const PortParameter *parameter = portParameter(column);
    return parameter && parameter->kind == Kind::Number;
}

int storedFromPanelIndex(int column, int index)
{
    const PortParameter *parameter = portParameter(column);
    return parameter && parameter->kind == Kind::Choice ? index + parameter->firstValue : index;
}

int panelIndexFromStored(int column, int value)
{
    const PortParameter *parameter = portParameter(column);
    if (!parameter || parameter->kind != Kind::Choice)
        return value;
    return itemOf(*parameter, value, parameter->panelFallback);
}

std::optional<int> storedFromCellText(int column, const QString &text)
{
    const PortParameter *parameter = portParameter(column);
    if (!parameter || parameter->kind == Kind::ClassList)
        return std::nullopt;
    if (parameter->kind == Kind::Number) {
        if (text == QLatin1String("-"))
            return 0;
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
    }
    const int item = parameter->items.indexOf(text);
    return item < 0 ? std::nullopt : std::optional<int>(item + parameter->firstValue);
}
