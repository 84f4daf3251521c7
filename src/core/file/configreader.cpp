#include "core/file/configreader.h"

#include "core/catalogue/productcatalogue.h"
#include "core/config/poeclasses.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "core/file/configkeytable.h"
#include "core/file/spreadsheettraces.h"

#include <QFile>

#include <cstring>

namespace {

constexpr std::string_view kConfigIdKey = "file.configID";
// Far beyond any value the file takes, far below overflow.
constexpr qint64 kNumberCeiling = Q_INT64_C(1) << 50;
// A configuration file has some kilobytes; far larger files are refused.
constexpr int kMaxConfigFileSize = 64 * 1024 * 1024;
constexpr qint64 kReadChunk = 1024 * 1024;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A decimal number with an optional sign and white space around it, the
// way the file's numbers were always converted. nullopt for anything else,
// and for numbers too large to mean anything here.
std::optional<qint64> decimalNumber(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kNumberCeiling)
            return std::nullopt;
    }
    return negative ? -value : value;
}

// The number the leading digits spell, after white space and a sign; 0
// when there are none. Text keys need only this of their index.
qint64 leadingNumber(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    qint64 value = 0;
    for (char c : text) {
        if (!isDigit(c))
            break;
        value = qMin(value * 10 + (c - '0'), kNumberCeiling);
    }
    return negative ? -value : value;
}

// The line without "\n" or "\r\n" at its end.
std::string_view withoutTerminator(std::string_view line)
{
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    }
    return line;
}

// Calls `handle` with every line of `bytes`, each with its terminator. A
// byte-order mark a spreadsheet put before the first line is no part of it.
template<typename Handle> void forEachLine(const QByteArray &bytes, Handle handle)
{
    const char *at = bytes.constData() + (startsWithByteOrderMark(bytes) ? 3 : 0);
    const char *const end = bytes.constData() + bytes.size();
    while (at < end) {
        const void *feed = std::memchr(at, '\n', size_t(end - at));
        const char *next = feed ? static_cast<const char *>(feed) + 1 : end;
        handle(std::string_view(at, size_t(next - at)));
        at = next;
    }
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), int(text.size()));
}

// The switch takes any text on the contact and location lines; the record
// holds it when it fits the field's buffer and has no zero byte, which
// would end it early. A longer text is refused, never cut.
bool textValueFits(const ConfigKey &row, std::string_view value)
{
    if (!row.global || !row.global->text)
        return true;
    return value.size() <= std::tuple_size_v<std::array<char, 100>> &&
        value.find('\0') == std::string_view::npos;
}

// The allowed PoE classes: at most five class digits; none means no class.
bool isClassDigitList(std::string_view value)
{
    if (value.size() > 5)
        return false;
    for (char c : value) {
        if (c < '0' || c > '4')
            return false;
    }
    return true;
}

// A value no longer than the row's largest value needs, so that "0001"
// cannot pass for 1.
size_t maxValueLength(qint64 maxValue)
{
    if (maxValue <= 8)
        return 1;
    if (maxValue <= 100)
        return 3;
    return 7;
}

} // namespace

std::optional<ConfigLineFields> splitConfigLine(std::string_view body)
{
    const size_t first = body.find(',');
    if (first == std::string_view::npos)
        return std::nullopt;
    const size_t second = body.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    ConfigLineFields fields;
    fields.key = body.substr(0, first);
    fields.index = body.substr(first + 1, second - first - 1);
    fields.rest = body.substr(second + 1);
    fields.value = fields.rest.substr(0, fields.rest.find(','));
    return fields;
}

std::optional<QByteArray> readConfigDevice(QIODevice &device, QString *error)
{
    // In chunks and up to a bound: a device without end (a pipe, /dev/zero)
    // must not fill the memory.
    QByteArray bytes;
    for (QByteArray chunk = device.read(kReadChunk); !chunk.isEmpty();
         chunk = device.read(kReadChunk)) {
        bytes += chunk;
        if (bytes.size() > kMaxConfigFileSize) {
            if (error)
                *error = QObject::tr("The file is too large for a configuration file.");
            return std::nullopt;
        }
    }
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    if (file && file->error() != QFileDevice::NoError) {
        if (error)
            *error = file->errorString();
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> readConfigFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return readConfigDevice(file, error);
}

QVector<int> configIdsNamed(const QByteArray &bytes)
{
    QVector<int> ids;
    forEachLine(bytes, [&](std::string_view line) {
        const std::string_view body = withoutTerminator(line);
        if (body.find(kConfigIdKey) == std::string_view::npos)
            return;
        const std::optional<ConfigLineFields> fields = splitConfigLine(body);
        if (!fields)
            return;
        const std::optional<qint64> id = decimalNumber(fields->value);
        if (id && *id >= 0 && *id <= 255 && firstRowWithConfigId(int(*id)) >= 0)
            ids << int(*id);
    });
    return ids;
}

ConfigLoadResult loadConfigBytes(const QByteArray &bytes, int catalogueRow, SwitchConfig &config)
{
    config.modelIndex = catalogueRow;
    resetToDefaults(config);
    ConfigReader reader(config);
    forEachLine(bytes, [&](std::string_view line) { reader.processConfigLine(line); });
    ConfigLoadResult result = reader.takeResult();
    result.byteOrderMarkSkipped = startsWithByteOrderMark(bytes);
    return result;
}

int validateConfigLine(const SwitchConfig &config, std::string_view key, std::string_view index,
                       std::string_view value)
{
    return validateConfigLine(config, ConfigKeyTable::find(key), index, value);
}

int validateConfigLine(const SwitchConfig &config, const ConfigKey *row, std::string_view index,
                       std::string_view value)
{
    if (!row)
        return RejectReason::UnknownKey;
    if (const int mismatch = ConfigKeyTable::capabilityMismatch(*row, config))
        return mismatch;
    if (row->isTextKey()) {
        if (leadingNumber(index) != 0)
            return RejectReason::BadIndex;
        return textValueFits(*row, value) ? RejectReason::None : RejectReason::BadValue;
    }

    const bool classList = row->valueKind == ConfigValueKind::DigitList;
    // An empty class list is a port without classes, as the writer puts it.
    if (index.empty() || (value.empty() && !classList))
        return RejectReason::BadIndex;
    const std::optional<qint64> number = decimalNumber(index);
    if (!number || index.size() > 2)
        return RejectReason::BadIndex;
    const bool indexInRange = *number >= row->minIndex && *number <= row->maxIndexFor(config);
    if (classList) {
        if (!indexInRange)
            return RejectReason::BadIndex;
        return isClassDigitList(value) ? RejectReason::None : RejectReason::BadValue;
    }

    const std::optional<qint64> stored = decimalNumber(value);
    if (!stored || value.size() > maxValueLength(row->maxValue))
        return RejectReason::BadValue;
    if (!indexInRange)
        return RejectReason::BadIndex;
    if (*stored < row->minValue || *stored > row->maxValue)
        return RejectReason::BadValue;
    return RejectReason::None;
}

ConfigReader::ConfigReader(SwitchConfig &config)
    : m_config(config)
{ }

void ConfigReader::processConfigLine(std::string_view line)
{
    const int lineNumber = m_result.lineCount++;
    const std::string_view body = withoutTerminator(line);
    const std::optional<ConfigLineFields> fields = splitConfigLine(body);
    if (!fields)
        return; // not a setting: a blank line or a comment

    // A free text may hold commas; it runs to the end of the line.
    const ConfigKey *row = ConfigKeyTable::find(fields->key);
    const std::string_view value = row && row->isTextKey() ? fields->rest : fields->value;
    const int reason = applySetting(row, fields->index, value);
    if (reason != RejectReason::None)
        m_result.rejected.append({lineNumber, QByteArray(body.data(), int(body.size())), reason});
}

int ConfigReader::applySetting(const ConfigKey *row, std::string_view index, std::string_view value)
{
    const int reason = validateConfigLine(m_config, row, index, value);
    if (reason == RejectReason::None) {
        applyConfigLine(*row, index, value);
        m_result.settingsRead.insert(*row, leadingNumber(index));
    }
    return reason;
}

void ConfigReader::applyConfigLine(const ConfigKey &row, std::string_view index,
                                   std::string_view value)
{
    if (row.isTextKey()) {
        applyText(row, value);
        return;
    }
    // Checked again here: the position indexes the record's arrays.
    const std::optional<qint64> indexNumber = decimalNumber(index);
    if (!indexNumber || *indexNumber < row.minIndex || *indexNumber > row.maxIndexFor(m_config))
        return;
    const int position = row.positionOf(*indexNumber);
    if (row.valueKind == ConfigValueKind::DigitList) {
        m_config.ports[position].allowedPoEClasses = classesFromDigits(value);
        return;
    }
    const std::optional<qint64> number = decimalNumber(value);
    if (!number || *number < row.minValue || *number > row.maxValue)
        return;
    if (row.portIndexed)
        applyPortNumber(row, m_config.ports[position], int(*number));
    else if (row.target == ConfigTarget::QosTrustMode)
        // The switch-wide mode is every port's mode too, as the panel keeps it.
        applyTrustModeToAllPorts(quint8(*number));
    else if (row.global)
        row.global->store(m_config, position, *number);
}

void ConfigReader::applyText(const ConfigKey &row, std::string_view value)
{
    if (!row.global || !row.global->text)
        return;
    QString &text = m_result.texts.of(row.global->id);
    text = latin1(value);
    storeText(m_config.*row.global->text, text);
}

void ConfigReader::applyPortNumber(const ConfigKey &row, PortConfig &port, int value)
{
    if (row.target == ConfigTarget::PortVlanId) {
        port.vlanId = quint16(value);
    } else if (row.portColumn == PortColumn::Speed) {
        // A file says 2 for a negotiated speed; with auto negotiation on
        // the port gets "-" back.
        port.speed = quint8(port.autoNeg == 1 ? value + 1 : value);
    } else if (row.portColumn == PortColumn::QosTrustMode && !m_trustModeApplied) {
        applyTrustModeToAllPorts(quint8(value));
    } else {
        setPortFieldValue(port, row.portColumn, value);
    }
}

void ConfigReader::applyTrustModeToAllPorts(quint8 mode)
{
    m_trustModeApplied = true;
    m_config.qosTrustMode = mode;
    m_result.settingsRead.insert(*ConfigKeyTable::find("qos.trust-mode"), 0);
    // The model's ports, as the panel's trust mode sets them.
    for (int p = 0; p < m_config.portCount(); ++p)
        m_config.ports[p].portQosTrustMode = mode;
}

void SettingsRead::insert(const ConfigKey &row, qint64 index)
{
    const std::size_t position = std::size_t(&row - ConfigKeyTable::rows().data());
    if (position < std::size_t(ConfigKeyTable::kRowCount) && index >= 0 && index < kIndexesPerKey)
        m_bits.set(position * kIndexesPerKey + std::size_t(index));
}

bool SettingsRead::contains(const ConfigKey &row, int index) const
{
    const std::size_t position = std::size_t(&row - ConfigKeyTable::rows().data());
    return position < std::size_t(ConfigKeyTable::kRowCount) && index >= 0 &&
        index < kIndexesPerKey && m_bits.test(position * kIndexesPerKey + std::size_t(index));
}
