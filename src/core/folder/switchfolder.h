#pragma once

#include "core/config/switchconfig.h"
#include "core/file/configreader.h"
#include "core/file/configwriter.h"

#include <QString>
#include <QVector>

#include <functional>

// A folder (a USB stick, a share) of switch files at a glance: every file
// whose name ends in ".csv", in any case, read as Open reads it into one
// row of what it is for and how it fared. Nothing here uses a widget or
// shared state, so rows may be made on any thread.
//
// Symbolic links are never followed and nothing but a regular file is
// opened: a link, device or FIFO is listed as skipped.

// An entry of the folder named like a switch file.
struct SwitchFolderEntry
{
    QString path; // the folder's path joined with the name
    QString name; // relative to the folder, "/" between subfolders
    bool regular = false; // a regular file, not a link or device
};

// One file of the folder as checked.
struct SwitchFileRow
{
    enum Result {
        Passed, // every line taken
        Rejected, // some lines refused
        ForeignSeparator, // a spreadsheet's list format, not commas
        NoSupportedModel,
        Unreadable,
        NotRegularFile, // skipped, never opened
    };

    QString path;
    QString name;
    Result result = Unreadable;
    QString error; // Unreadable: the system's reason
    char separator = 0; // ForeignSeparator: ';' or '\t'
    bool byteOrderMark = false;
    int configId = -1; // for Passed and Rejected
    int catalogueRow = -1; // the row it was read for
    QString creationDate; // as the file writes it
    ConfigFileTexts texts;
    QVector<RejectedLine> rejected;
    SwitchConfig config; // as Open leaves it

    bool namesModel() const { return result == Passed || result == Rejected; }
};

// The entries of `folder` whose names end in ".csv" in any case, sorted by
// name, and with `recursive` those of its subfolders (also of a folder
// named "x.csv"); a folder itself is never an entry.
QVector<SwitchFolderEntry> switchFolderEntries(const QString &folder, bool recursive);

// Reads and checks one entry as Open would: for `preferredRow` when it has
// the file's configuration ID, else for the first row with it.
SwitchFileRow checkSwitchFile(const SwitchFolderEntry &entry, int preferredRow = -1);

// Every entry, checked one after the other; `checked` (may be empty) is
// told of each row and ends the check early by returning false.
QVector<SwitchFileRow>
checkSwitchFolder(const QString &folder, bool recursive, int preferredRow = -1,
                  const std::function<bool(const SwitchFileRow &)> &checked = {});

// The cells of a row as the dialog and mestrel-check show them.
// The model: its name, or the names of every row sharing the ID ("A / B")
// unless `preferredRow` is one of them.
QString switchFileModel(const SwitchFileRow &row, int preferredRow = -1);
// What a switch shows as serial number right after opening the file: the
// article number and "-" (joined as the model names are).
QString switchFileSerial(const SwitchFileRow &row, int preferredRow = -1);
// "OK", "3 rejected lines", "Not a configuration file: …", "Cannot be read:
// REASON", "Skipped: not a regular file"; ", byte-order mark skipped" added
// where one was, unless `withRemark` is false.
QString switchFileResult(const SwitchFileRow &row, bool withRemark = true);
// 0 for a file that passed or was skipped, 1 for rejected lines, 2 for a
// file that is not a configuration file or cannot be read.
int switchFileStatus(const SwitchFileRow &row);

// "40 files: 36 OK, 2 with rejected lines, 1 not a configuration file,
// 1 cannot be read, 1 skipped"; "No switch files" for none.
QString switchFolderSummary(const QVector<SwitchFileRow> &rows);
