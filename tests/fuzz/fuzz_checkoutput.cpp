// The bytes of a file through mestrel-check's printers: the rejected lines,
// the summary, the differences and the JSON of a file. Built with libFuzzer by
// "make fuzz"; with replay_main.cpp it replays its corpus under "make test".
//
// Whatever the file holds, the printed text is safe for a terminal: no
// control character but the line feed and the tab between columns, no DEL
// or C1 control, valid UTF-8 where non-ASCII is printed at all, and no line
// longer than a few cut fields. The JSON parses and keeps every rejected
// line whole, its bytes as Latin-1 characters.

#include "check/checkoutput.h"
#include "check/filecheck.h"
#include "core/file/configwriter.h"
#include "fuzzinput.h"

#include <QDate>
#include <QJsonDocument>

#include <cstdint>
#include <vector>

namespace {

// Three fields of 200 characters and "…", each character escaped at worst
// as "\u2028", with a name, a number and a reason: far below this.
constexpr int kLongestLine = 6 * 1024;

void requireTerminalSafe(const QByteArray &text, bool cutLines = true)
{
    const QString decoded = QString::fromUtf8(text);
    // Valid UTF-8 comes back as the same bytes.
    require(decoded.toUtf8() == text);
    for (QChar c : decoded) {
        const ushort code = c.unicode();
        require(code >= 0x20 || code == '\n' || code == '\t');
        require(code < 0x7f || code > 0x9f);
        require(code != 0xfffd); // no byte that was no character
    }
    // JSON keeps the lines whole; the plain text cuts them.
    for (const QByteArray &line : text.split('\n'))
        require(!cutLines || line.size() <= kLongestLine);
}

// The saved defaults of each model, read once: what a file is compared with.
const CheckedFile &defaultFileFor(int row)
{
    static const std::vector<CheckedFile> files = [] {
        std::vector<CheckedFile> read;
        for (int r = 0; r < kCatalogueSize; ++r) {
            const QByteArray bytes =
                configFileBytes(defaultConfiguration(r), {}, QDate(2024, 1, 1));
            read.push_back(checkFileBytes(QStringLiteral("default.csv"), bytes, r));
        }
        return read;
    }();
    return files[std::size_t(row)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [row, bytes] = fuzzInput(data, size);
    if (row < 0)
        return 0;
    // A file name may hold what a file does.
    const QString name = QStringLiteral("\x1b[31mfile\t\u0085.csv");
    const CheckedFile file = checkFileBytes(name, bytes, row);

    requireTerminalSafe(rejectedLinesText(file));
    requireTerminalSafe(summaryLine(file));
    const CheckedFile &other = defaultFileFor(row);
    const QVector<ConfigDifference> differences = configDifferences(
        file.config, other.config, &file.result.settingsRead, &other.result.settingsRead);
    requireTerminalSafe(differencesReport(file, other, differences));

    const QByteArray json = jsonText(fileJson(file));
    requireTerminalSafe(json, false);
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    require(error.error == QJsonParseError::NoError);
    const QJsonArray rejected = parsed[QStringLiteral("rejected")].toArray();
    require(rejected.size() == file.result.rejected.size());
    for (int i = 0; i < rejected.size(); ++i) {
        require(rejected[i][QStringLiteral("text")].toString() ==
                QString::fromLatin1(file.result.rejected[i].line));
    }
    const QByteArray differencesDocument = jsonText(differencesJson(file, other, differences));
    requireTerminalSafe(differencesDocument, false);
    QJsonDocument::fromJson(differencesDocument, &error);
    require(error.error == QJsonParseError::NoError);
    return 0;
}
