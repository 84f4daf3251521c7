#include "core/folder/folderswitchlist.h"

#include "core/batch/switchbatch.h"
#include "core/file/filenaming.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

// A file that may go into the list, with the settings Save writes for it.
struct Candidate
{
    int index = 0; // in the folder's rows
    const SwitchFileRow *row = nullptr;
    QString fileColumn;
    QByteArray written; // the file as Save writes it
    std::vector<std::string_view> lines; // its settings: the "file.*" lines left out

    // Files read for one catalogue row have the same settings; any other
    // would lack some, and lacks them here.
    std::string_view line(size_t at) const
    {
        return at < lines.size() ? lines[at] : std::string_view();
    }
};

// The file's lines, as views into its bytes, which the candidate keeps.
void readSettings(Candidate &candidate)
{
    candidate.written = configFileBytes(candidate.row->config, candidate.row->texts, QDate());
    const std::string_view bytes(candidate.written.constData(), size_t(candidate.written.size()));
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = std::min(bytes.find('\n', at), bytes.size());
        const std::string_view line = bytes.substr(at, end - at);
        if (line.substr(0, 5) != "file.")
            candidate.lines.push_back(line);
        at = end + 1;
    }
}

// The file column that has the batch write the file under its own name
// (".csv" appended as Save appends it).
QString fileColumnOf(const SwitchFileRow &row)
{
    const QString name = row.name.section(QLatin1Char('/'), -1);
    const QString stripped = name.chopped(4);
    if (configFilePath(stripped) == name || configFilePath(name) != name)
        return stripped;
    return name;
}

// "KEY:INDEX" and the value of a written line.
std::pair<QString, QString> columnAndValue(std::string_view line)
{
    const std::optional<ConfigLineFields> fields = splitConfigLine(line);
    if (!fields)
        return {};
    const auto latin1 = [](std::string_view text) {
        return QString::fromLatin1(text.data(), int(text.size()));
    };
    return {latin1(fields->key) + QLatin1Char(':') + latin1(fields->index), latin1(fields->rest)};
}

QString emptyValueReason(const QString &what)
{
    return QObject::tr("%1 is empty where other files have one; in a switch list an empty cell "
                       "keeps the template's")
        .arg(what);
}

using LeftOut = std::map<int, QString>;

// The lines in which some of the files differ from the first.
std::vector<size_t> differingLines(const QVector<Candidate> &included)
{
    std::vector<size_t> differing;
    const Candidate &first = included.first();
    for (size_t line = 0; line < first.lines.size(); ++line) {
        for (const Candidate &other : included) {
            if (other.line(line) != first.lines[line]) {
                differing.push_back(line);
                break;
            }
        }
    }
    return differing;
}

// Files with an empty location, contact or setting where others have a
// value: a cell left empty would take the template's. True when any was
// left out.
bool leaveOutEmptyValues(QVector<Candidate> &included, const std::vector<size_t> &differing,
                         LeftOut &leftOut)
{
    const Candidate &first = included.first();
    bool locationsDiffer = false, contactsDiffer = false;
    for (const Candidate &c : qAsConst(included)) {
        locationsDiffer |= c.row->texts.location != first.row->texts.location;
        contactsDiffer |= c.row->texts.contactName != first.row->texts.contactName;
    }
    bool any = false;
    for (int r = included.size() - 1; r >= 0; --r) {
        const Candidate &c = included.at(r);
        QString reason;
        if (locationsDiffer && c.row->texts.location.isEmpty())
            reason = emptyValueReason(QObject::tr("The location"));
        else if (contactsDiffer && c.row->texts.contactName.isEmpty())
            reason = emptyValueReason(QObject::tr("The contact"));
        for (size_t line : differing) {
            if (reason.isEmpty() && columnAndValue(c.line(line)).second.isEmpty())
                reason = emptyValueReason(columnAndValue(first.lines[line]).first);
        }
        if (!reason.isEmpty()) {
            leftOut[c.index] = reason;
            included.removeAt(r);
            any = true;
        }
    }
    return any;
}

// The switch list of the files: a column per differing line.
SwitchList listOf(const QVector<Candidate> &included, const std::vector<size_t> &differing)
{
    SwitchList list;
    const Candidate &first = included.first();
    for (size_t line : differing)
        list.overrideColumns << columnAndValue(first.lines[line]).first;
    for (const Candidate &candidate : included) {
        SwitchListRow row {candidate.fileColumn,
                           candidate.row->texts.location,
                           candidate.row->texts.contactName,
                           QString(),
                           {}};
        for (size_t line : differing)
            row.overrides << columnAndValue(candidate.line(line)).second;
        list.rows << row;
    }
    return list;
}

QString cellText(const SwitchList &list, const BatchCellProblem &problem)
{
    if (problem.row < 0 || problem.row >= list.rows.size())
        return QString();
    return QStringLiteral("%1 \"%2\": ")
        .arg(batchColumnName(list, problem.column),
             batchCellValue(list.rows.at(problem.row), problem.column));
}

// Leaves out what the list cannot carry and says whether the rest is a
// list the batch takes; false when something was left out (try again).
bool settle(QVector<Candidate> &included, FolderSwitchList &result, LeftOut &leftOut)
{
    const std::vector<size_t> differing = differingLines(included);
    if (leaveOutEmptyValues(included, differing, leftOut))
        return false;
    SwitchList &list = result.list;
    list = listOf(included, differing);
    const Candidate &first = included.first();
    const BatchPlan plan =
        planBatch(first.row->config, first.row->texts, list, QString(), false, false);
    if (plan.problems.isEmpty())
        return true;
    QSet<int> refused;
    for (const BatchCellProblem &problem : plan.problems) {
        const int r = problem.row < 0 ? 0 : problem.row; // a column: never met, but no loop
        if (refused.contains(r))
            continue;
        refused.insert(r);
        leftOut[included.at(r).index] = cellText(list, problem) + problem.reason;
    }
    for (int r = included.size() - 1; r >= 0; --r) {
        if (refused.contains(r))
            included.removeAt(r);
    }
    return false;
}

} // namespace

int mostCommonConfigId(const QVector<SwitchFileRow> &rows)
{
    QMap<int, int> counts; // ordered: the lowest ID first
    for (const SwitchFileRow &row : rows) {
        if (row.namesModel())
            ++counts[row.configId];
    }
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (best < 0 || it.value() > counts.value(best))
            best = it.key();
    }
    return best;
}

FolderSwitchList folderSwitchList(const QVector<SwitchFileRow> &rows, int configId)
{
    FolderSwitchList result;
    result.configId = configId < 0 ? mostCommonConfigId(rows) : configId;
    std::map<int, QString> leftOut; // by the row's index, so they come in the folder's order
    QVector<Candidate> included;
    QHash<QString, QString> names; // the file written, case folded -> the row's name
    for (int i = 0; i < rows.size(); ++i) {
        const SwitchFileRow &row = rows.at(i);
        if (row.result == SwitchFileRow::NotRegularFile)
            continue;
        if (!row.namesModel()) {
            leftOut[i] = switchFileResult(row);
        } else if (row.configId != result.configId) {
            leftOut[i] = QObject::tr("For another model (configuration ID %1)").arg(row.configId);
        } else if (row.result == SwitchFileRow::Rejected) {
            leftOut[i] = switchFileResult(row, false);
        } else {
            Candidate candidate {i, &row, fileColumnOf(row), {}, {}};
            const QString written = configFilePath(candidate.fileColumn).toCaseFolded();
            if (names.contains(written)) {
                leftOut[i] = QObject::tr("Same file name as %1").arg(names.value(written));
                continue;
            }
            names.insert(written, row.name);
            readSettings(candidate);
            included << std::move(candidate);
        }
    }
    while (!included.isEmpty() && !settle(included, result, leftOut)) { }
    if (included.isEmpty())
        result.list = SwitchList();
    for (const auto &[index, reason] : leftOut)
        result.leftOut << LeftOutFile {rows.at(index).name, reason};
    return result;
}
