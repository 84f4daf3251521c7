#include "core/folder/switchfolder.h"

#include "core/catalogue/productcatalogue.h"
#include "core/file/spreadsheettraces.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isSwitchFileName(const QString &name)
{
    return name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

bool byName(const SwitchFolderEntry &a, const SwitchFolderEntry &b)
{
    const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.name < b.name;
}

void collectEntries(const QString &folder, const QString &prefix, bool recursive,
                    QVector<SwitchFolderEntry> &entries)
{
    const QFileInfoList found = QDir(folder).entryInfoList(QDir::AllEntries | QDir::System |
                                                           QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : found) {
        const QString name = prefix + info.fileName();
        // A link is judged by itself, never by what it points to.
        const bool link = info.isSymLink();
        if (!link && info.isDir()) {
            if (recursive)
                collectEntries(info.filePath(), name + QLatin1Char('/'), recursive, entries);
        } else if (isSwitchFileName(name)) {
            entries << SwitchFolderEntry {info.filePath(), name, !link && info.isFile()};
        }
    }
}

// The content of a regular file, opened without following a link and
// without waiting on a FIFO put in its place since it was listed.
std::optional<QByteArray> readRegularFile(const QString &path, QString *error, bool *regular)
{
    *regular = true;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *regular = errno != ELOOP;
        *error = qt_error_string(errno);
        return std::nullopt;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *regular = false;
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
        return std::nullopt;
    }
    return readConfigDevice(file, error);
}

// The text of the first "file.creation-date" line.
QString creationDateOf(const QByteArray &bytes)
{
    constexpr char kKey[] = "file.creation-date,";
    int at = bytes.startsWith(kKey) ? 0 : bytes.indexOf(QByteArray("\n") + kKey);
    if (at < 0)
        return QString();
    if (at > 0)
        ++at;
    int end = bytes.indexOf('\n', at);
    if (end < 0)
        end = bytes.size();
    const QByteArray line = bytes.mid(at, end - at);
    const std::optional<ConfigLineFields> fields =
        splitConfigLine(std::string_view(line.constData(), size_t(line.size())));
    if (!fields)
        return QString();
    return QString::fromLatin1(fields->value.data(), int(fields->value.size())).trimmed();
}

QStringList namesOfRows(const SwitchFileRow &row, int preferredRow,
                        const std::function<QString(int)> &nameOf)
{
    if (preferredRow >= 0 && catalogueRow(preferredRow).configId == row.configId)
        return {nameOf(preferredRow)};
    QStringList names;
    for (const int r : rowsWithConfigId(row.configId))
        names << nameOf(r);
    return names;
}

QString counted(int count, const char *one, const char *many)
{
    return count == 1 ? QObject::tr(one) : QObject::tr(many).arg(count);
}

} // namespace

QVector<SwitchFolderEntry> switchFolderEntries(const QString &folder, bool recursive)
{
    QVector<SwitchFolderEntry> entries;
    collectEntries(folder, QString(), recursive, entries);
    std::sort(entries.begin(), entries.end(), byName);
    return entries;
}

SwitchFileRow checkSwitchFile(const SwitchFolderEntry &entry, int preferredRow)
{
    SwitchFileRow row;
    row.path = entry.path;
    row.name = entry.name;
    if (!entry.regular) {
        row.result = SwitchFileRow::NotRegularFile;
        return row;
    }
    bool regular = true;
    const std::optional<QByteArray> bytes = readRegularFile(entry.path, &row.error, &regular);
    if (!bytes) {
        row.result = regular ? SwitchFileRow::Unreadable : SwitchFileRow::NotRegularFile;
        return row;
    }
    row.byteOrderMark = startsWithByteOrderMark(*bytes);
    row.separator = foreignSeparator(*bytes);
    if (row.separator != 0) {
        row.result = SwitchFileRow::ForeignSeparator;
        return row;
    }
    const QVector<int> ids = configIdsNamed(*bytes);
    if (ids.isEmpty()) {
        row.result = SwitchFileRow::NoSupportedModel;
        return row;
    }
    row.configId = ids.first();
    row.catalogueRow = rowForConfigId(row.configId, preferredRow);
    ConfigLoadResult loaded = loadConfigBytes(*bytes, row.catalogueRow, row.config);
    row.texts = loaded.texts;
    row.rejected = std::move(loaded.rejected);
    row.creationDate = creationDateOf(*bytes);
    row.result = row.rejected.isEmpty() ? SwitchFileRow::Passed : SwitchFileRow::Rejected;
    return row;
}

QVector<SwitchFileRow> checkSwitchFolder(const QString &folder, bool recursive, int preferredRow,
                                         const std::function<bool(const SwitchFileRow &)> &checked)
{
    QVector<SwitchFileRow> rows;
    for (const SwitchFolderEntry &entry : switchFolderEntries(folder, recursive)) {
        rows << checkSwitchFile(entry, preferredRow);
        if (checked && !checked(rows.last()))
            break;
    }
    return rows;
}

QString switchFileModel(const SwitchFileRow &row, int preferredRow)
{
    if (!row.namesModel())
        return QString();
    return namesOfRows(row, preferredRow, [](int r) { return catalogueRow(r).modelName; })
        .join(QLatin1String(" / "));
}

QString switchFileSerial(const SwitchFileRow &row, int preferredRow)
{
    if (!row.namesModel())
        return QString();
    return namesOfRows(row, preferredRow,
                       [](int r) { return serialNumberText(catalogueRow(r), QString()); })
        .join(QLatin1String(" / "));
}

QString switchFileResult(const SwitchFileRow &row, bool withRemark)
{
    QString result;
    switch (row.result) {
    case SwitchFileRow::Passed:
        result = QObject::tr("OK");
        break;
    case SwitchFileRow::Rejected:
        result = counted(row.rejected.size(), "1 rejected line", "%1 rejected lines");
        break;
    case SwitchFileRow::ForeignSeparator:
        return QObject::tr("Not a configuration file: ") + foreignSeparatorFinding(row.separator);
    case SwitchFileRow::NoSupportedModel:
        return QObject::tr("Not a configuration file: names no supported switch model");
    case SwitchFileRow::Unreadable:
        return QObject::tr("Cannot be read: ") + row.error;
    case SwitchFileRow::NotRegularFile:
        return QObject::tr("Skipped: not a regular file");
    }
    if (row.byteOrderMark && withRemark)
        result += QObject::tr(", byte-order mark skipped");
    return result;
}

int switchFileStatus(const SwitchFileRow &row)
{
    switch (row.result) {
    case SwitchFileRow::Passed:
    case SwitchFileRow::NotRegularFile:
        return 0;
    case SwitchFileRow::Rejected:
        return 1;
    default:
        return 2;
    }
}

QString switchFolderSummary(const QVector<SwitchFileRow> &rows)
{
    if (rows.isEmpty())
        return QObject::tr("No switch files");
    int counts[SwitchFileRow::NotRegularFile + 1] = {};
    for (const SwitchFileRow &row : rows)
        ++counts[row.result];
    QStringList parts;
    if (counts[SwitchFileRow::Passed])
        parts << QObject::tr("%1 OK").arg(counts[SwitchFileRow::Passed]);
    if (counts[SwitchFileRow::Rejected])
        parts << QObject::tr("%1 with rejected lines").arg(counts[SwitchFileRow::Rejected]);
    const int notConfig =
        counts[SwitchFileRow::ForeignSeparator] + counts[SwitchFileRow::NoSupportedModel];
    if (notConfig)
        parts << counted(notConfig, "1 not a configuration file", "%1 not configuration files");
    if (counts[SwitchFileRow::Unreadable])
        parts << QObject::tr("%1 cannot be read").arg(counts[SwitchFileRow::Unreadable]);
    if (counts[SwitchFileRow::NotRegularFile])
        parts << QObject::tr("%1 skipped").arg(counts[SwitchFileRow::NotRegularFile]);
    return counted(rows.size(), "1 file", "%1 files") + QStringLiteral(": ") +
        parts.join(QLatin1String(", "));
}
