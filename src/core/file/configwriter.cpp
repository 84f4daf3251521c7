#include "core/file/configwriter.h"

#include "core/config/poeclasses.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "core/file/configkeytable.h"
#include "core/file/outputfile.h"

#include <QDate>
#include <QIODevice>

namespace {

// The decimal digits of `value`, into the end of `buffer`; returns where
// they start. Saves a temporary QByteArray per number of a file.
char *formatDecimal(qint64 value, char *bufferEnd)
{
    char *digits = bufferEnd;
    const bool negative = value < 0;
    quint64 magnitude = negative ? 0 - quint64(value) : quint64(value);
    do {
        *--digits = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *--digits = '-';
    return digits;
}

class Lines
{
public:
    // The largest model's file is about 10 KB; one allocation holds it.
    Lines() { m_bytes.reserve(16 * 1024); }

    // Every line but the last ends in a line feed: the feed goes before
    // each line after the first.
    void add(std::string_view key, int index, std::string_view value)
    {
        if (m_count > 0)
            m_bytes += '\n';
        m_bytes.append(key.data(), int(key.size()));
        m_bytes += ',';
        appendNumber(index);
        m_bytes += ',';
        m_bytes.append(value.data(), int(value.size()));
        ++m_count;
    }
    void add(std::string_view key, int index, const QByteArray &value)
    {
        add(key, index, std::string_view(value.constData(), std::size_t(value.size())));
    }
    void add(std::string_view key, int index, qint64 value)
    {
        char buffer[24];
        char *const end = buffer + sizeof buffer;
        const char *digits = formatDecimal(value, end);
        add(key, index, std::string_view(digits, std::size_t(end - digits)));
    }
    int count() const { return m_count; }
    QByteArray take() { return std::move(m_bytes); }

private:
    void appendNumber(qint64 value)
    {
        char buffer[24];
        char *const end = buffer + sizeof buffer;
        const char *digits = formatDecimal(value, end);
        m_bytes.append(digits, int(end - digits));
    }

    QByteArray m_bytes;
    int m_count = 0;
};

void addPortLine(Lines &lines, std::string_view key, const ConfigKey &row, int portNumber,
                 const PortConfig &port)
{
    if (row.portColumn == PortColumn::AllowedPoEClasses) {
        lines.add(key, portNumber, storedClassesText(port.allowedPoEClasses, QString()).toLatin1());
        return;
    }
    // A value the file has no word for is its largest: a speed left to auto
    // negotiation is written as 100 Mbit/s, and the switch negotiates.
    const int value = portFieldValue(port, row.portColumn);
    lines.add(key, portNumber, qMin(qint64(value), row.maxValue));
}

} // namespace

ConfigFileTexts ConfigFileTexts::fromRecord(const SwitchConfig &config)
{
    return {readText(config.contactName), readText(config.location)};
}

QByteArray configFileBytes(const SwitchConfig &config, const ConfigFileTexts &texts,
                           const QDate &date)
{
    Lines lines;
    lines.add("file.configID", 0, config.model().configId);
    lines.add("file.creation-date", 0, date.toString(QStringLiteral("dd/MM/yyyy")).toLatin1());
    // The settings of the whole switch, every index; the free texts as the
    // fields show them.
    for (const GlobalParameter *row : globalParametersInFileOrder()) {
        if (row->kind == GlobalValueKind::Text) {
            lines.add(row->fileKey, 0, texts.of(row->id).toLatin1());
            continue;
        }
        for (int i = row->minIndex; i <= row->maxIndex; ++i)
            lines.add(row->fileKey, i, row->read(config, row->positionOf(i)));
    }

    const int portCount = config.portCount();
    // Each key for all ports before the next, and only if the model knows it.
    for (const PortParameter *parameter : portParametersInFileOrder()) {
        const ConfigKey *row = ConfigKeyTable::portKey(parameter->column);
        if (parameter->fileOrder < 0 || !row ||
            ConfigKeyTable::capabilityMismatch(*row, config) != RejectReason::None)
            continue;
        for (int p = 0; p < portCount; ++p)
            addPortLine(lines, row->key, *row, p + 1, config.ports[p]);
    }

    lines.add("file.end", 0, lines.count() + 1);
    return lines.take();
}

bool writeConfigTo(QIODevice &device, const SwitchConfig &config, const ConfigFileTexts &texts,
                   const QDate &date, QString *error)
{
    return writeAllTo(device, configFileBytes(config, texts, date), error);
}
