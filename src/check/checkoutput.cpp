#include "check/checkoutput.h"

#include "check/terminaltext.h"
#include "core/file/errorlog.h"
#include "core/file/spreadsheettraces.h"

#include <QJsonDocument>

namespace {

// A file's name as given; it may hold anything a file name can.
QString nameOf(const QString &path)
{
    return terminalSafe(path);
}

QString modelName(int row)
{
    return catalogueRow(row).modelName;
}

// The models a compared file may be for: those of every row sharing its
// configuration ID, unless --model chose one of them (`chosenRow`) or the
// ID is one row's; then the model it was read for alone.
QStringList candidateModels(const CheckedFile &file, int chosenRow)
{
    const int configId = catalogueRow(file.row).configId;
    const QVector<int> rows = rowsWithConfigId(configId);
    if (file.row < 0 || rows.size() < 2 ||
        (chosenRow >= 0 && catalogueRow(chosenRow).configId == configId))
        return {modelName(file.row)};
    QStringList models;
    for (const int row : rows)
        models << modelName(row);
    return models;
}

// The model a compared file is for: its name, or for an ID several rows
// share the ID and every name ("ID 24: A / B / C").
QString modelText(const CheckedFile &file, int chosenRow)
{
    const QStringList models = candidateModels(file, chosenRow);
    if (models.size() < 2)
        return modelName(file.row);
    return QStringLiteral("ID %1: %2")
        .arg(catalogueRow(file.row).configId)
        .arg(models.join(QStringLiteral(" / ")));
}

QJsonValue rowJson(int row)
{
    return row < 0 ? QJsonValue() : QJsonValue(row + 1);
}

const char *statusName(CheckedFile::Status status)
{
    switch (status) {
    case CheckedFile::Passed:
        return "passed";
    case CheckedFile::Rejected:
        return "rejected";
    case CheckedFile::Unreadable:
        return "unreadable";
    case CheckedFile::NoSupportedModel:
    case CheckedFile::ForeignSeparator:
        return "unsupported";
    }
    return "";
}

// A problem's place and cell: the line, the column as KEY,INDEX (an
// override) or its name, and the value when it is a row's.
struct ProblemCell
{
    int line = 0;
    QString header; // as the list names the column
    QString column; // as printed
    QString value;
    bool hasValue = false;
};

ProblemCell problemCell(const SwitchList &list, const QVector<int> &lines,
                        const BatchCellProblem &problem)
{
    ProblemCell cell;
    cell.line = lines.value(problem.row + 1);
    cell.column = cell.header = batchColumnName(list, problem.column);
    QString key, index;
    if (problem.column >= BatchColumn::FirstOverride &&
        splitOverrideColumn(cell.header, &key, &index))
        cell.column = key + QLatin1Char(',') + index;
    if (problem.row >= 0 && problem.row < list.rows.size()) {
        cell.value = batchCellValue(list.rows.at(problem.row), problem.column);
        cell.hasValue = true;
    }
    return cell;
}

} // namespace

QByteArray rejectedLinesText(const CheckedFile &file)
{
    QString text;
    const QString name = nameOf(file.path);
    if (file.result.byteOrderMarkSkipped)
        text += name + QStringLiteral(": remark: ") + byteOrderMarkRemark() + QLatin1Char('\n');
    for (const RejectedLine &line : file.result.rejected) {
        // The fields as the error log's cells show them: cut, and escaped.
        const ErrorLogRow row = errorLogRow(line);
        text += name + QLatin1Char(':') + row.lineNumber + QStringLiteral(": ") +
            terminalSafe(row.key) + QLatin1Char(',') + terminalSafe(row.index) + QLatin1Char(',') +
            terminalSafe(row.value) + QStringLiteral(": ") + row.reason + QLatin1Char('\n');
    }
    return terminalBytes(text);
}

QByteArray summaryLine(const CheckedFile &file)
{
    QString status;
    switch (file.status) {
    case CheckedFile::Passed:
        status = QStringLiteral("OK (%1)").arg(modelName(file.row));
        break;
    case CheckedFile::Rejected: {
        const int count = file.result.rejected.size();
        status = QStringLiteral("%1 rejected line%2 (%3)")
                     .arg(count)
                     .arg(count == 1 ? "" : "s")
                     .arg(modelName(file.row));
        break;
    }
    case CheckedFile::Unreadable:
        status = QStringLiteral("cannot be read: %1").arg(terminalSafe(file.error));
        break;
    case CheckedFile::NoSupportedModel:
        status = QStringLiteral("names no supported switch model");
        break;
    case CheckedFile::ForeignSeparator:
        status = foreignSeparatorReason(file.separator);
        break;
    }
    return terminalBytes(nameOf(file.path) + QStringLiteral(": ") + status + QLatin1Char('\n'));
}

QJsonObject fileJson(const CheckedFile &file)
{
    QJsonObject json {{"file", file.path}, {"status", statusName(file.status)}};
    if (file.status == CheckedFile::Unreadable) {
        json.insert("error", file.error);
        return json;
    }
    if (file.status == CheckedFile::ForeignSeparator)
        json.insert("reason", foreignSeparatorReason(file.separator));
    if (file.row < 0)
        return json;
    json.insert("row", rowJson(file.row));
    json.insert("model", modelName(file.row));
    json.insert("lines", file.result.lineCount);
    QJsonArray rejected;
    for (const RejectedLine &line : file.result.rejected) {
        rejected.append(QJsonObject {{"line", line.lineNumber},
                                     {"text", QString::fromLatin1(line.line)},
                                     {"reason", line.reason},
                                     {"reasonText", rejectReasonText(line.reason)}});
    }
    json.insert("rejected", rejected);
    json.insert("remarks",
                file.result.byteOrderMarkSkipped ? QJsonArray {byteOrderMarkRemark()}
                                                 : QJsonArray());
    return json;
}

QByteArray jsonText(const QJsonObject &json)
{
    return terminalSafeJson(QJsonDocument(json).toJson(QJsonDocument::Indented));
}

QByteArray modelListText()
{
    QString text = QStringLiteral("Row  ID   Ports  Model                    Article number\n");
    for (int row = 0; row < kCatalogueSize; ++row) {
        const ProductRecord &model = ProductCatalogue[row];
        text += QStringLiteral("%1  %2  %3  %4 %5\n")
                    .arg(row + 1, 3)
                    .arg(model.configId, 3)
                    .arg(model.portCount, 5)
                    .arg(model.modelName, -24)
                    .arg(articleNumber(row));
    }
    return text.toLocal8Bit();
}

QJsonArray modelListJson()
{
    QJsonArray models;
    for (int row = 0; row < kCatalogueSize; ++row) {
        const ProductRecord &model = ProductCatalogue[row];
        models.append(QJsonObject {{"row", row + 1},
                                   {"configId", model.configId},
                                   {"ports", model.portCount},
                                   {"model", model.modelName},
                                   {"articleNumber", articleNumber(row)}});
    }
    return models;
}

QByteArray differencesReport(const CheckedFile &first, const CheckedFile &second,
                             const QVector<ConfigDifference> &differences, int chosenRow)
{
    QString text = differenceSummary(differences.size()) + QLatin1Char('\n');
    if (first.row != second.row) {
        text += QStringLiteral("%1 is for %2; %3 is for %4.\n")
                    .arg(nameOf(first.path), modelText(first, chosenRow), nameOf(second.path),
                         modelText(second, chosenRow));
    }
    if (!differences.isEmpty()) {
        // The values of the texts come from the files: cut and escaped, so
        // that the tabs between the columns stay the only ones.
        QVector<ConfigDifference> shown = differences;
        for (ConfigDifference &d : shown) {
            d.first = terminalField(d.first);
            d.second = terminalField(d.second);
        }
        text += differencesText(shown, nameOf(first.path), nameOf(second.path));
    }
    return terminalBytes(text) + rejectedLinesText(first) + rejectedLinesText(second);
}

QJsonObject differencesJson(const CheckedFile &first, const CheckedFile &second,
                            const QVector<ConfigDifference> &differences, int chosenRow)
{
    const auto comparedJson = [chosenRow](const CheckedFile &file) {
        QJsonObject json = fileJson(file);
        const QStringList models = candidateModels(file, chosenRow);
        if (models.size() > 1)
            json.insert("candidates", QJsonArray::fromStringList(models));
        return json;
    };
    QJsonArray list;
    for (const ConfigDifference &d : differences) {
        list.append(QJsonObject {{"setting", d.setting},
                                 {"port", d.port ? QJsonValue(d.port) : QJsonValue()},
                                 {"key", QString::fromLatin1(d.key.data(), int(d.key.size()))},
                                 {"index", d.index},
                                 {"first", d.first},
                                 {"second", d.second}});
    }
    return QJsonObject {{"first", comparedJson(first)},
                        {"second", comparedJson(second)},
                        {"identical", differences.isEmpty()},
                        {"summary", differenceSummary(differences.size())},
                        {"differences", list}};
}

QByteArray batchProblemsText(const QString &listPath, const SwitchList &list,
                             const QVector<int> &lines, const QVector<BatchCellProblem> &problems)
{
    QString text;
    const QString name = nameOf(listPath);
    for (const BatchCellProblem &problem : problems) {
        const ProblemCell cell = problemCell(list, lines, problem);
        text += name + QLatin1Char(':') + QString::number(cell.line) + QStringLiteral(": ") +
            terminalField(cell.column);
        if (cell.hasValue)
            text += QLatin1Char(',') + terminalField(cell.value);
        text += QStringLiteral(": ") + terminalSafe(problem.reason) + QLatin1Char('\n');
    }
    return terminalBytes(text);
}

QJsonArray batchProblemsJson(const SwitchList &list, const QVector<int> &lines,
                             const QVector<BatchCellProblem> &problems)
{
    QJsonArray json;
    for (const BatchCellProblem &problem : problems) {
        const ProblemCell cell = problemCell(list, lines, problem);
        QJsonObject entry {{"line", cell.line},
                           {"row", problem.row < 0 ? QJsonValue() : QJsonValue(problem.row + 1)},
                           {"column", cell.header},
                           {"reason", problem.reason}};
        if (cell.hasValue)
            entry.insert("value", cell.value);
        json.append(entry);
    }
    return json;
}
