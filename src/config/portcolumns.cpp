#include "config/portcolumns.h"

#include "config/poeclasses.h"

namespace {

const QStringList offOn = {QStringLiteral("Off"), QStringLiteral("On")};

} // namespace

QString onOffText(int value)
{
    return value == 1 ? QStringLiteral("On") : QStringLiteral("Off");
}

QString portColumnHeader(int column)
{
    static const char *const headers[PortColumn::Count] = {
        "Port\nState",       "Link\nAlarm",
        "Auto\nNegotiation", "Speed",
        "Duplex\nMode",      "Auto\nCrossing",
        "MDI\nState",        "Flow\nControl",
        "Broadcast\nMode",   "Broadcast\nThreshold",
        "Multicast\nMode",   "Multicast\nThreshold",
        "Jumbo\nFrames",     "QoS\nTrust\nMode",
        "Port\nPriority",    "Energy\nEfficient\nEthernet",
        "PoE\nState",        "PoE\nPriority",
        "PoE\nClasses",      "PoE\nUser Set\nLimit [W]",
    };
    if (column < 0 || column >= PortColumn::Count)
        return QString();
    return QString::fromLatin1(headers[column]);
}

QString portParameterName(int column)
{
    return portColumnHeader(column).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QStringList portColumnEditorItems(int column)
{
    switch (column) {
    case PortColumn::Speed:
        return {QStringLiteral("10Mbps"), QStringLiteral("100Mbps")};
    case PortColumn::DuplexMode:
        return {QStringLiteral("HDX"), QStringLiteral("FDX")};
    case PortColumn::MdiState:
        return {QStringLiteral("MDI"), QStringLiteral("MDIX")};
    case PortColumn::QosTrustMode:
        return {}; // trust mode is changed in the panel only
    case PortColumn::PortPriority:
        return {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")};
    case PortColumn::PoePriority:
        return {QStringLiteral("Low"), QStringLiteral("High"), QStringLiteral("Critical")};
    case PortColumn::AdminState:
    case PortColumn::AlarmLink:
    case PortColumn::AutoNeg:
    case PortColumn::AutoCrossing:
    case PortColumn::FlowControl:
    case PortColumn::BroadcastStormProtection:
    case PortColumn::MulticastStormProtection:
    case PortColumn::JumboFrames:
    case PortColumn::Eee:
    case PortColumn::PoeAdminState:
        return offOn;
    default:
        return {};
    }
}

QString qosTrustModeText(int mode)
{
    switch (mode) {
    case 0:
        return QStringLiteral("untrusted");
    case 1:
        return QStringLiteral("trustDot1p");
    case 2:
        return QStringLiteral("trustIpDscp");
    default:
        return QString();
    }
}

QString poeLimitCellText(int watts)
{
    return watts == 0 ? QStringLiteral("-") : QString::number(watts);
}

std::optional<QVariant> portCellValue(const SwitchConfig &config, int portIndex, int column)
{
    if (portIndex < 0 || portIndex >= kMaxPorts)
        return std::nullopt;
    const PortConfig &p = config.ports[portIndex];
    switch (column) {
    case PortColumn::AdminState:
        return QVariant(onOffText(p.adminState));
    case PortColumn::AlarmLink:
        return QVariant(onOffText(p.alarmLink));
    case PortColumn::AutoNeg:
        return QVariant(onOffText(p.autoNeg));
    case PortColumn::Speed:
        switch (p.speed) {
        case 1:
            return QVariant(QStringLiteral("10Mbps"));
        case 2:
            return QVariant(QStringLiteral("100Mbps"));
        case 3:
            return QVariant(QStringLiteral("-"));
        default:
            return std::nullopt;
        }
    case PortColumn::DuplexMode:
        if (p.duplexMode == 1)
            return QVariant(QStringLiteral("HDX"));
        if (p.duplexMode == 2)
            return QVariant(QStringLiteral("FDX"));
        return std::nullopt;
    case PortColumn::AutoCrossing:
        return QVariant(onOffText(p.autoCrossing));
    case PortColumn::MdiState:
        return QVariant(p.mdiState == 1 ? QStringLiteral("MDI") : QStringLiteral("MDIX"));
    case PortColumn::FlowControl:
        return QVariant(onOffText(p.flowControl));
    case PortColumn::BroadcastStormProtection:
        return QVariant(onOffText(p.broadcastStormProtection));
    case PortColumn::BroadcastStormThreshold:
        return QVariant(int(p.broadcastStormThreshold));
    case PortColumn::MulticastStormProtection:
        return QVariant(onOffText(p.multicastStormProtection));
    case PortColumn::MulticastStormThreshold:
        return QVariant(int(p.multicastStormThreshold));
    case PortColumn::JumboFrames:
        return QVariant(onOffText(p.jumboFrames));
    case PortColumn::QosTrustMode:
        if (const QString text = qosTrustModeText(p.portQosTrustMode); !text.isEmpty())
            return QVariant(text);
        return std::nullopt;
    case PortColumn::PortPriority:
        if (p.portPriority > 7)
            return std::nullopt;
        return QVariant(QString::number(p.portPriority));
    case PortColumn::Eee:
        return QVariant(onOffText(p.eee));
    case PortColumn::PoeAdminState:
        return QVariant(onOffText(p.poeAdminState));
    case PortColumn::PoePriority:
        switch (p.poePriority) {
        case 1:
            return QVariant(QStringLiteral("Low"));
        case 2:
            return QVariant(QStringLiteral("High"));
        case 3:
            return QVariant(QStringLiteral("Critical"));
        default:
            return std::nullopt;
        }
    case PortColumn::AllowedPoEClasses:
        return QVariant(config.hasPoE() ? storedClassesText(p.allowedPoEClasses)
                                        : QStringLiteral("-"));
    case PortColumn::AllowedPoEOverride:
        return QVariant(config.hasPoE() ? poeLimitCellText(p.allowedPoEOverride)
                                        : QStringLiteral("-"));
    default:
        return std::nullopt;
    }
}

namespace {

quint8 *byteField(PortConfig &p, int column)
{
    switch (column) {
    case PortColumn::AdminState:
        return &p.adminState;
    case PortColumn::AlarmLink:
        return &p.alarmLink;
    case PortColumn::AutoNeg:
        return &p.autoNeg;
    case PortColumn::Speed:
        return &p.speed;
    case PortColumn::DuplexMode:
        return &p.duplexMode;
    case PortColumn::AutoCrossing:
        return &p.autoCrossing;
    case PortColumn::MdiState:
        return &p.mdiState;
    case PortColumn::FlowControl:
        return &p.flowControl;
    case PortColumn::BroadcastStormProtection:
        return &p.broadcastStormProtection;
    case PortColumn::BroadcastStormThreshold:
        return &p.broadcastStormThreshold;
    case PortColumn::MulticastStormProtection:
        return &p.multicastStormProtection;
    case PortColumn::MulticastStormThreshold:
        return &p.multicastStormThreshold;
    case PortColumn::JumboFrames:
        return &p.jumboFrames;
    case PortColumn::QosTrustMode:
        return &p.portQosTrustMode;
    case PortColumn::PortPriority:
        return &p.portPriority;
    case PortColumn::Eee:
        return &p.eee;
    case PortColumn::PoeAdminState:
        return &p.poeAdminState;
    case PortColumn::PoePriority:
        return &p.poePriority;
    default:
        return nullptr;
    }
}

} // namespace

int portFieldValue(const PortConfig &port, int column)
{
    if (column == PortColumn::AllowedPoEOverride)
        return port.allowedPoEOverride;
    const quint8 *field = byteField(const_cast<PortConfig &>(port), column);
    return field ? *field : 0;
}

void setPortFieldValue(PortConfig &port, int column, int value)
{
    if (column == PortColumn::AllowedPoEOverride) {
        port.allowedPoEOverride = quint16(value);
        return;
    }
    if (quint8 *field = byteField(port, column))
        *field = quint8(value);
}

namespace {

// Combo boxes whose item index is the stored value minus one.
bool countsFromOne(int column)
{
    return column == PortColumn::Speed || column == PortColumn::DuplexMode ||
        column == PortColumn::PoePriority;
}

} // namespace

bool isNumberColumn(int column)
{
    return column == PortColumn::BroadcastStormThreshold ||
        column == PortColumn::MulticastStormThreshold || column == PortColumn::AllowedPoEOverride;
}

int storedFromPanelIndex(int column, int index)
{
    return countsFromOne(column) ? index + 1 : index;
}

int panelIndexFromStored(int column, int value)
{
    switch (column) {
    case PortColumn::Speed:
    case PortColumn::PoePriority:
        return value - 1;
    case PortColumn::DuplexMode:
        return value == 2 ? 1 : 0;
    case PortColumn::AutoNeg:
    case PortColumn::AutoCrossing:
    case PortColumn::BroadcastStormProtection:
    case PortColumn::MulticastStormProtection:
    case PortColumn::JumboFrames:
    case PortColumn::Eee:
    case PortColumn::PoeAdminState:
        return value == 1 ? 1 : 0;
    default:
        return value;
    }
}

std::optional<int> storedFromCellText(int column, const QString &text)
{
    if (isNumberColumn(column)) {
        if (text == QLatin1String("-"))
            return 0;
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
    }
    // The cell texts are the record's values as the table shows them; the
    // value whose cell reads `text` is the one to store.
    SwitchConfig probe;
    for (int value = 0; value <= 7; ++value) {
        setPortFieldValue(probe.ports[0], column, value);
        const std::optional<QVariant> cell = portCellValue(probe, 0, column);
        if (cell && cell->toString() == text)
            return value;
    }
    return std::nullopt;
}
