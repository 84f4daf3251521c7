#include "check/filecheck.h"

#include "file/configdiff.h"

namespace {

// Reads the file and fills everything but the row and the load result;
// nullopt when there is nothing to load.
std::optional<QByteArray> readInto(CheckedFile &file)
{
    std::optional<QByteArray> bytes = readConfigFile(file.path, &file.error);
    if (!bytes)
        file.status = CheckedFile::Unreadable;
    return bytes;
}

void loadFor(CheckedFile &file, const QByteArray &bytes, int row)
{
    file.row = row;
    file.config = SwitchConfig();
    file.result = loadConfigBytes(bytes, row, file.config);
    file.status = file.result.rejected.isEmpty() ? CheckedFile::Passed : CheckedFile::Rejected;
}

} // namespace

int exitCodeOf(CheckedFile::Status status)
{
    switch (status) {
    case CheckedFile::Passed:
        return 0;
    case CheckedFile::Rejected:
        return 1;
    default:
        return 2;
    }
}

CheckedFile checkFile(const QString &path, int row)
{
    CheckedFile file;
    file.path = path;
    const std::optional<QByteArray> bytes = readInto(file);
    if (!bytes)
        return file;
    if (row >= 0) {
        loadFor(file, *bytes, row);
        return file;
    }
    const QVector<int> ids = configIdsNamed(*bytes);
    if (ids.isEmpty()) {
        file.status = CheckedFile::NoSupportedModel;
        return file;
    }
    const int first = firstRowWithConfigId(ids.first());
    const int last = first + rowCountWithConfigId(ids.first());
    CheckedFile best;
    for (int candidate = first; candidate < last; ++candidate) {
        loadFor(file, *bytes, candidate);
        if (file.status == CheckedFile::Passed)
            return file;
        if (best.row < 0 || file.result.rejected.size() < best.result.rejected.size())
            best = file;
    }
    return best;
}

CheckedFile readFileForRow(const QString &path, int row, int preferredRow)
{
    CheckedFile file;
    file.path = path;
    const std::optional<QByteArray> bytes = readInto(file);
    if (!bytes)
        return file;
    if (row < 0) {
        const QVector<int> ids = configIdsNamed(*bytes);
        row = ids.isEmpty() ? -1 : rowForConfigId(ids.first(), preferredRow);
    }
    if (row < 0)
        file.status = CheckedFile::NoSupportedModel;
    else
        loadFor(file, *bytes, row);
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
