#pragma once

#include "core/file/configreader.h"

#include <QString>

// One configuration file read for a catalogue row, as the command-line
// checker reports it.
struct CheckedFile
{
    enum Status {
        Passed, // no line was rejected
        Rejected, // some lines were rejected
        Unreadable,
        NoSupportedModel, // no "file.configID" line names a catalogue model
        ForeignSeparator, // a spreadsheet's list format: no commas on the first line
    };

    QString path;
    Status status = Unreadable;
    QString error; // why an unreadable file could not be read
    char separator = 0; // ForeignSeparator: ';' or '\t'
    int row = -1; // the catalogue row it was read for
    SwitchConfig config;
    ConfigLoadResult result;
};

// The exit statuses of every check: passed, some lines rejected, and a file
// (or list, or folder) that could not be checked.
constexpr int kPassed = 0;
constexpr int kSomeRejected = 1;
constexpr int kCannotCheck = 2;

// The exit status of one file's check.
int exitCodeOf(CheckedFile::Status status);

// Reads a file for one row: `row` when it is not -1, else the row
// rowForConfigId picks for the file's ID and `preferredRow`. Rows sharing an
// ID differ only in name and picture, so any of them checks the file alike.
CheckedFile readFileForRow(const QString &path, int row, int preferredRow = -1);
// The same for a file's content already read.
CheckedFile checkFileBytes(const QString &path, const QByteArray &bytes, int row,
                           int preferredRow = -1);

// The catalogue row a user names: "1" to the last row, or a model name in any case;
// -1 for anything else.
int catalogueRowNamed(const QString &text);
