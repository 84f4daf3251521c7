#pragma once

#include "core/batch/switchlist.h"
#include "core/folder/switchfolder.h"

#include <QString>
#include <QVector>

// A folder's files turned back into a switch list: with any of the files
// in the list as template, the batch (switchbatch.h) makes each of them
// again as Save would write it after opening it, the creation date aside.
//
// The list has the columns file, location, contact and serial (empty: a
// file does not carry the serial number) and one KEY:INDEX column for every
// setting in which the files differ, each row filled in every column. The
// files must share one configuration ID; a file the batch could not make
// again is left out with the reason: it cannot be read or names no model,
// it is for another configuration ID, it has rejected lines, its name
// clashes with another's, or a value of it is one the list cannot carry (a
// location the batch refuses, or an empty value where others have one: an
// empty cell keeps the template's).

struct LeftOutFile
{
    QString name; // as the folder row names it
    QString reason;
};

struct FolderSwitchList
{
    int configId = -1; // the ID of the files in the list; -1 if there is none
    SwitchList list;
    QVector<LeftOutFile> leftOut;
};

// The ID most of the rows that name a model share; on a tie the lowest. -1
// when no row names a model.
int mostCommonConfigId(const QVector<SwitchFileRow> &rows);

// The list of `rows` for `configId` (-1: mostCommonConfigId). Rows of
// skipped entries (links, devices) are no switch files and neither listed
// nor left out.
FolderSwitchList folderSwitchList(const QVector<SwitchFileRow> &rows, int configId = -1);
