#include "check/checkoutput.h"

#include <QFile>

namespace {

QByteArray nameOf(const QString &path)
{
    return QFile::encodeName(path);
}

QString modelName(int row)
{
    return catalogueRow(row).modelName;
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
        return "unsupported";
    }
    return "";
}

} // namespace

QByteArray rejectedLinesText(const CheckedFile &file)
{
    QByteArray text;
    const QByteArray name = nameOf(file.path);
    for (const RejectedLine &line : file.result.rejected) {
        text += name + ':' + QByteArray::number(line.lineNumber) + ": " + line.line + ": " +
            rejectReasonText(line.reason).toLatin1() + '\n';
    }
    return text;
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
        status = QStringLiteral("cannot be read: %1").arg(file.error);
        break;
    case CheckedFile::NoSupportedModel:
        status = QStringLiteral("names no supported switch model");
        break;
    }
    return nameOf(file.path) + ": " + status.toLocal8Bit() + '\n';
}

QJsonObject fileJson(const CheckedFile &file)
{
    QJsonObject json {{"file", file.path}, {"status", statusName(file.status)}};
    if (file.status == CheckedFile::Unreadable) {
        json.insert("error", file.error);
        return json;
    }
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
    return json;
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
                             const QVector<ConfigDifference> &differences)
{
    QByteArray text = differenceSummary(differences.size()).toLocal8Bit() + '\n';
    if (first.row != second.row) {
        text += QStringLiteral("%1 is for %2; %3 is for %4.\n")
                    .arg(first.path, modelName(first.row), second.path, modelName(second.row))
                    .toLocal8Bit();
    }
    if (!differences.isEmpty())
        text += differencesText(differences, first.path, second.path).toLocal8Bit();
    return text + rejectedLinesText(first) + rejectedLinesText(second);
}

QJsonObject differencesJson(const CheckedFile &first, const CheckedFile &second,
                            const QVector<ConfigDifference> &differences)
{
    QJsonArray list;
    for (const ConfigDifference &d : differences) {
        list.append(QJsonObject {{"setting", d.setting},
                                 {"port", d.port ? QJsonValue(d.port) : QJsonValue()},
                                 {"key", QString::fromLatin1(d.key.data(), int(d.key.size()))},
                                 {"index", d.index},
                                 {"first", d.first},
                                 {"second", d.second}});
    }
    return QJsonObject {{"first", fileJson(first)},
                        {"second", fileJson(second)},
                        {"identical", differences.isEmpty()},
                        {"summary", differenceSummary(differences.size())},
                        {"differences", list}};
}
