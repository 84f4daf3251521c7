#pragma once

#include "core/config/switchconfig.h"
#include "core/file/configkeytable.h"
#include "core/file/configwriter.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <bitset>
#include <optional>
#include <string_view>

class QIODevice;

// Reading a configuration file back. Every byte of it is untrusted: a line
// is checked against the key table before anything is stored, and a line
// that fails is kept with the reason instead.
//
// A file is read in two passes: the first finds the configuration IDs it
// names (which choose the model), the second resets the record to that
// model's defaults and applies the lines one by one.

// A line the reader refused.
struct RejectedLine
{
    int lineNumber = 0; // 0 for the first line of the file
    QByteArray line; // as read, without its line terminator
    int reason = 0; // RejectReason
};

// The settings a file's accepted lines set, by key and index: what a
// comparison may hold against another configuration. A setting whose line
// was rejected or is missing keeps a default the file never chose.
class SettingsRead
{
public:
    void insert(const ConfigKey &row, qint64 index);
    bool contains(const ConfigKey &row, int index) const;

private:
    // Indexes run to 63 (the DSCP values); ports to 32.
    static constexpr int kIndexesPerKey = 64;
    std::bitset<std::size_t(ConfigKeyTable::kRowCount) * kIndexesPerKey> m_bits;
};

struct ConfigLoadResult
{
    QVector<RejectedLine> rejected;
    // The texts the file restored (empty where it has none that passed).
    ConfigFileTexts texts;
    int lineCount = 0;
    SettingsRead settingsRead;
    // The file started with a byte-order mark, which was skipped.
    bool byteOrderMarkSkipped = false;
};

// The whole content of an open device; nullopt, with the reason in `error`,
// when reading failed or the device holds more than any configuration file.
std::optional<QByteArray> readConfigDevice(QIODevice &device, QString *error = nullptr);

// The content of the file at `path`, read as readConfigDevice reads it;
// nullopt, with the system's reason in `error`, when it cannot be read.
std::optional<QByteArray> readConfigFile(const QString &path, QString *error = nullptr);

// Pass 1: the configuration IDs of the "file.configID" lines that name a
// catalogue model, in file order.
QVector<int> configIdsNamed(const QByteArray &bytes);

// Pass 2: reads a file into `config` as a file for catalogue row
// `catalogueRow`: the record takes that row's model and its defaults, then
// every line that passes. The priority scheme keeps what `config` held.
ConfigLoadResult loadConfigBytes(const QByteArray &bytes, int catalogueRow, SwitchConfig &config);

// Whether a line may be applied to `config`'s model: RejectReason::None, or
// the reason it is refused. `value` is the third field, or for text keys
// everything after the second comma; never with the line terminator.
int validateConfigLine(const SwitchConfig &config, std::string_view key, std::string_view index,
                       std::string_view value);
// The same for a key already looked up; nullptr for a key the format lacks.
int validateConfigLine(const SwitchConfig &config, const ConfigKey *key, std::string_view index,
                       std::string_view value);

// The fields of a line: key, index and value. Nothing for a line with
// fewer than two commas.
struct ConfigLineFields
{
    std::string_view key;
    std::string_view index;
    std::string_view value; // the third field
    std::string_view rest; // everything after the second comma
};
std::optional<ConfigLineFields> splitConfigLine(std::string_view body);

// Applies the lines of one file, one at a time, to a record.
class ConfigReader
{
public:
    explicit ConfigReader(SwitchConfig &config);

    // One line as read, with its line terminator if it had one. A line with
    // fewer than two commas is skipped silently; every line is counted.
    void processConfigLine(std::string_view line);
    // One setting, checked by validateConfigLine and stored when it passes:
    // RejectReason::None, or the reason it was refused and nothing stored.
    int applySetting(const ConfigKey *row, std::string_view index, std::string_view value);
    // Stores a line validateConfigLine accepted into the record.
    void applyConfigLine(const ConfigKey &row, std::string_view index, std::string_view value);

    ConfigLoadResult takeResult() { return std::move(m_result); }

private:
    void applyText(const ConfigKey &row, std::string_view value);
    void applyPortNumber(const ConfigKey &row, PortConfig &port, int value);
    void applyTrustModeToAllPorts(quint8 mode);

    SwitchConfig &m_config;
    ConfigLoadResult m_result;
    // The first trust-mode line sets every port; later per-port lines only
    // their own port.
    bool m_trustModeApplied = false;
};
