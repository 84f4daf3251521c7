#pragma once

#include <QByteArray>
#include <QString>

// mestrel-check --folder: one line per switch file of a folder (the
// columns of the window's "Switch Files" dialog) and a summary, and with
// --to-list the switch list that makes those files again.

struct FolderCheckRequest
{
    QString folder;
    bool recursive = false;
    int row = -1; // --model: the row for files of its ID, and the list's ID
    QString listPath; // --to-list; empty for none
    bool replace = false;
    bool json = false;
};

struct FolderCheckOutput
{
    QByteArray out; // for standard output
    QByteArray err; // for standard error: the files left out, failures
    // 0 every file passed, 1 rejected lines (or files left out of the list),
    // 2 files that are no configuration files or cannot be read, or a list
    // that cannot be written.
    int status = 0;
};

FolderCheckOutput checkFolder(const FolderCheckRequest &request);
