#include "check/filecheck.h"

#include "core/file/configdiff.h"
#include "core/file/spreadsheettraces.h"

int exitCodeOf(CheckedFile::Status status)
{
    switch (status) {
    case CheckedFile::Passed:
        return kPassed;
    case CheckedFile::Rejected:
        return kSomeRejected;
    default:
        return kCannotCheck;
    }
}

CheckedFile readFileForRow(const QString &path, int row, int preferredRow)
{
    CheckedFile file;
    file.path = path;
    const std::optional<QByteArray> bytes = readConfigFile(path, &file.error);
    if (!bytes)
        return file; // Unreadable
    return checkFileBytes(path, *bytes, row, preferredRow);
}

CheckedFile checkFileBytes(const QString &path, const QByteArray &bytes, int row, int preferredRow)
{
    CheckedFile file;
    file.path = path;
    file.separator = foreignSeparator(bytes);
    if (file.separator != 0) {
        file.status = CheckedFile::ForeignSeparator;
        return file;
    }
    if (row < 0) {
        const QVector<int> ids = configIdsNamed(bytes);
        row = ids.isEmpty() ? -1 : rowForConfigId(ids.first(), preferredRow);
    }
    if (row < 0) {
        file.status = CheckedFile::NoSupportedModel;
        return file;
    }
    file.row = row;
    file.result = loadConfigBytes(bytes, row, file.config);
    file.status = file.result.rejected.isEmpty() ? CheckedFile::Passed : CheckedFile::Rejected;
    return file;
}

int catalogueRowNamed(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= kCatalogueSize ? number - 1 : -1;
    for (int row = 0; row < kCatalogueSize; ++row) {
        if (ProductCatalogue[row].modelName.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}
