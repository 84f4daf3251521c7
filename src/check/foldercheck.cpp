#include "check/foldercheck.h"

#include "check/checkoutput.h"
#include "check/terminaltext.h"
#include "core/catalogue/productcatalogue.h"
#include "core/file/outputfile.h"
#include "core/file/spreadsheettraces.h"
#include "core/folder/folderswitchlist.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace {

const char *statusName(SwitchFileRow::Result result)
{
    switch (result) {
    case SwitchFileRow::Passed:
        return "passed";
    case SwitchFileRow::Rejected:
        return "rejected";
    case SwitchFileRow::ForeignSeparator:
    case SwitchFileRow::NoSupportedModel:
        return "unsupported";
    case SwitchFileRow::Unreadable:
        return "unreadable";
    case SwitchFileRow::NotRegularFile:
        return "skipped";
    }
    return "";
}

QStringList cells(const SwitchFileRow &row, int preferredRow)
{
    return {row.name,
            switchFileModel(row, preferredRow),
            switchFileSerial(row, preferredRow),
            row.texts.location,
            row.texts.contactName,
            row.creationDate,
            switchFileResult(row)};
}

QJsonObject rowJson(const SwitchFileRow &row, int preferredRow)
{
    QJsonObject json {{"file", row.name},
                      {"path", row.path},
                      {"status", statusName(row.result)},
                      {"result", switchFileResult(row)}};
    if (row.namesModel()) {
        json.insert("configId", row.configId);
        json.insert("model", switchFileModel(row, preferredRow));
        json.insert("serial", switchFileSerial(row, preferredRow));
        json.insert("location", row.texts.location);
        json.insert("contact", row.texts.contactName);
        json.insert("creationDate", row.creationDate);
        json.insert("rejectedLines", row.rejected.size());
        json.insert("remarks",
                    row.byteOrderMark ? QJsonArray {byteOrderMarkRemark()} : QJsonArray());
    }
    return json;
}

QByteArray lineOf(const QStringList &fields)
{
    QStringList safe;
    for (const QString &field : fields)
        safe << terminalField(field);
    return terminalBytes(safe.join(QLatin1Char('\t')) + QLatin1Char('\n'));
}

bool samePath(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Writes the list of the folder's files; its outcome goes into `json` and
// `output`. The exit status it adds: 1 when files were left out, 2 when
// the list cannot be written.
int writeList(const FolderCheckRequest &request, const QVector<SwitchFileRow> &rows,
              QJsonObject &json, FolderCheckOutput &output)
{
    const int chosenId = request.row >= 0 ? catalogueRow(request.row).configId : -1;
    const FolderSwitchList made = folderSwitchList(rows, chosenId);
    const QString name = terminalSafe(request.listPath);
    QJsonArray leftOut;
    for (const LeftOutFile &file : made.leftOut) {
        leftOut.append(QJsonObject {{"file", file.name}, {"reason", file.reason}});
        output.err += terminalBytes(terminalSafe(file.name) + QStringLiteral(": left out: ") +
                                    terminalSafe(file.reason) + QLatin1Char('\n'));
    }
    json.insert("file", request.listPath);
    json.insert("configId", made.configId < 0 ? QJsonValue() : QJsonValue(made.configId));
    json.insert("switches", made.list.rows.size());
    json.insert("leftOut", leftOut);

    QString error;
    const QFileInfo target(request.listPath);
    if (made.list.rows.isEmpty())
        error = QStringLiteral("no file can go into a switch list; nothing written");
    else if ((target.exists() || target.isSymLink()) && !request.replace)
        error = QStringLiteral("already exists; --replace replaces it");
    else if (!writeOutputFile(request.listPath, switchListBytes(made.list), &error))
        error = QStringLiteral("cannot be written: ") + error;
    json.insert("written", error.isEmpty());
    if (!error.isEmpty()) {
        json.insert("error", error);
        output.err +=
            terminalBytes(name + QStringLiteral(": ") + terminalSafe(error) + QLatin1Char('\n'));
        return kCannotCheck;
    }
    const int count = made.list.rows.size();
    output.out += terminalBytes(
        name +
        (count == 1 ? QStringLiteral(": switch list of 1 file written")
                    : QStringLiteral(": switch list of %1 files written").arg(count)) +
        QStringLiteral(" (configuration ID %1)\n").arg(made.configId));
    return made.leftOut.isEmpty() ? kPassed : kSomeRejected;
}

} // namespace

FolderCheckOutput checkFolder(const FolderCheckRequest &request)
{
    FolderCheckOutput output;
    QJsonObject json {{"folder", request.folder}, {"recursive", request.recursive}};
    if (!QFileInfo(request.folder).isDir()) {
        const QString error = QStringLiteral("no such folder");
        json.insert("error", error);
        output.status = kCannotCheck;
        output.err = terminalBytes(terminalSafe(request.folder) + QStringLiteral(": ") + error +
                                   QLatin1Char('\n'));
    } else {
        QVector<SwitchFileRow> rows =
            checkSwitchFolder(request.folder, request.recursive, request.row);
        // A list written into the folder before is no switch file.
        if (!request.listPath.isEmpty()) {
            rows.erase(std::remove_if(rows.begin(), rows.end(),
                                      [&](const SwitchFileRow &row) {
                                          return samePath(row.path, request.listPath);
                                      }),
                       rows.end());
        }
        QJsonArray files;
        output.out = lineOf({QStringLiteral("File"), QStringLiteral("Model"),
                             QStringLiteral("Serial Number"), QStringLiteral("Location"),
                             QStringLiteral("Contact"), QStringLiteral("Creation Date"),
                             QStringLiteral("Result")});
        for (const SwitchFileRow &row : qAsConst(rows)) {
            output.status = qMax(output.status, switchFileStatus(row));
            files.append(rowJson(row, request.row));
            output.out += lineOf(cells(row, request.row));
        }
        const QString summary = switchFolderSummary(rows);
        output.out += terminalBytes(terminalSafe(summary) + QLatin1Char('\n'));
        json.insert("files", files);
        json.insert("summary", summary);
        if (!request.listPath.isEmpty()) {
            QJsonObject list;
            output.status = qMax(output.status, writeList(request, rows, list, output));
            json.insert("list", list);
        }
    }
    json.insert("exitStatus", output.status);
    if (request.json)
        output.out = jsonText(json);
    return output;
}
