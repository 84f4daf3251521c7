#pragma once

#include "core/file/configreader.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The lines a file's reading refused, as the error log keeps and shows them:
// "errorLog.txt" beside the file, the rows of the error log window and of
// mestrel-check's report.

// "errorLog.txt": per rejected line its number, ",", the line, ",", the
// reason code and a line feed.
QByteArray errorLogText(const QVector<RejectedLine> &rejected);

// What the error log shows for a reason code.
QString rejectReasonText(int reason);

// A rejected line as the error log lists it: everything between the index
// and the end of the line is the value, so a value with commas in it still
// leaves the key, index and reason where they belong.
struct ErrorLogRow
{
    QString lineNumber;
    QString key;
    QString index;
    QString value;
    QString reason;
};
ErrorLogRow errorLogRow(const RejectedLine &rejected);
