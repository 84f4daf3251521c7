#include "file/configwriter.h"

#include "config/portcolumns.h"
#include "file/configkeytable.h"

#include <QDate>
#include <QIODevice>

namespace {

// The per-port keys in the order the switch expects them; each is written
// for all ports before the next, and only if the model knows it.
constexpr std::string_view kPortKeysInFileOrder[] = {
    "port.flow-control",
    "port.admin-state",
    "port.jumbo",
    "port.bc-storm.protection",
    "port.bc-storm.threshold",
    "port.mc-storm.protection",
    "port.mc-storm.threshold",
    "port.qos.port-based",
    "port.alarm.link",
    "port.autoneg",
    "port.speed",
    "port.duplex",
    "port.auto-crossing",
    "port.mdi",
    "port.eee",
    "port.poe.admin-state",
    "port.poe.priority",
    "port.poe.allowed-classes",
    "port.poe.override",
};

constexpr int kSpeedAuto = 3;
constexpr int kSpeed100 = 2;

class Lines
{
public:
    // Every line but the last ends in a line feed: the feed goes before
    // each line after the first.
    void add(std::string_view key, int index, const QByteArray &value)
    {
        if (m_count > 0)
            m_bytes += '\n';
        m_bytes.append(key.data(), int(key.size()));
        m_bytes += ',';
        m_bytes += QByteArray::number(index);
        m_bytes += ',';
        m_bytes += value;
        ++m_count;
    }
    void add(std::string_view key, int index, qint64 value)
    {
        add(key, index, QByteArray::number(value));
    }
    int count() const { return m_count; }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
    int m_count = 0;
};

QByteArray portValue(const ConfigKey &row, const PortConfig &port)
{
    if (row.portColumn == PortColumn::AllowedPoEClasses) {
        QByteArray digits;
        for (quint8 poeClass : port.allowedPoEClasses) {
            if (poeClass != kNoPoEClass)
                digits += QByteArray::number(poeClass);
        }
        return digits;
    }
    int value = portFieldValue(port, row.portColumn);
    if (row.portColumn == PortColumn::Speed && value == kSpeedAuto)
        value = kSpeed100; // the switch negotiates; the file has no "auto" speed
    return QByteArray::number(value);
}

} // namespace

QByteArray configFileBytes(const SwitchConfig &config, const ConfigFileTexts &texts,
                           const QDate &date)
{
    Lines lines;
    lines.add("file.configID", 0, config.configId);
    lines.add("file.creation-date", 0, date.toString(QStringLiteral("dd/MM/yyyy")).toLatin1());
    lines.add("file.contactname", 0, texts.contactName.toLocal8Bit());
    lines.add("file.location", 0, texts.location.toLocal8Bit());
    lines.add("alarm.psu", 1, config.psuAlarm1);
    lines.add("alarm.psu", 2, config.psuAlarm2);
    lines.add("switch.aging-time", 0, config.agingTime);
    lines.add("qos.trust-mode", 0, config.qosTrustMode);
    for (int i = 0; i < int(config.trafficClassScheme.size()); ++i)
        lines.add("traffic-class.priority-scheme", i, config.trafficClassScheme[i]);
    for (int i = 0; i < int(config.dot1pTrafficClass.size()); ++i)
        lines.add("dot1p.traffic-class", i, config.dot1pTrafficClass[i]);
    for (int i = 0; i < int(config.dscpTrafficClass.size()); ++i)
        lines.add("dscp.traffic-class", i, config.dscpTrafficClass[i]);

    const int portCount = qMin<int>(config.portCount, kMaxPorts);
    for (std::string_view key : kPortKeysInFileOrder) {
        const ConfigKey *row = ConfigKeyTable::find(key);
        if (!row || ConfigKeyTable::capabilityMismatch(*row, config) != RejectReason::None)
            continue;
        for (int p = 0; p < portCount; ++p)
            lines.add(key, p + 1, portValue(*row, config.ports[p]));
    }

    lines.add("file.end", 0, lines.count() + 1);
    return lines.take();
}

bool writeConfigTo(QIODevice &device, const SwitchConfig &config, const ConfigFileTexts &texts,
                   const QDate &date, QString *error)
{
    const QByteArray bytes = configFileBytes(config, texts, date);
    // A file that fills the disk takes part of a write without complaint;
    // only the next write says why it stopped.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            if (error)
                *error = device.errorString();
            return false;
        }
        done += written;
    }
    return true;
}
