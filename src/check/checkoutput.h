#pragma once

#include "check/filecheck.h"
#include "core/batch/switchbatch.h"
#include "core/file/configdiff.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

// What the command-line checker prints: plain lines for people and grep,
// or JSON for other tools. Whatever comes from a file is made safe for a
// terminal (terminaltext.h) before it is printed.

// "FILE: remark: …" for a byte-order mark the reader skipped, then per
// rejected line "FILE:LINE: KEY,INDEX,VALUE: REASON" and a line feed, the
// line as read and its 0-based number.
QByteArray rejectedLinesText(const CheckedFile &file);

// "FILE: OK (MODEL)", "FILE: 3 rejected lines (MODEL)", "FILE: cannot be
// read: REASON", "FILE: names no supported switch model" or the reason a
// spreadsheet's list format is refused.
QByteArray summaryLine(const CheckedFile &file);

QJsonObject fileJson(const CheckedFile &file);

// The document as printed: indented, and safe for a terminal (see
// terminalSafeJson).
QByteArray jsonText(const QJsonObject &json);

// The catalogue, one row per line: number, configuration ID, ports, model
// name and article number under a head line.
QByteArray modelListText();
QJsonArray modelListJson();

// The differences of two files: the summary line, the models when they
// differ, the list as tab-separated text, then the lines either file had
// rejected. A file whose configuration ID several rows share is named with
// all of them, unless `chosenRow` (--model) is one of them. The JSON lists
// those rows' models as "candidates".
QByteArray differencesReport(const CheckedFile &first, const CheckedFile &second,
                             const QVector<ConfigDifference> &differences, int chosenRow = -1);
QJsonObject differencesJson(const CheckedFile &first, const CheckedFile &second,
                            const QVector<ConfigDifference> &differences, int chosenRow = -1);

// The problems of a switch list, one a line as rejected lines are printed:
// "LIST:LINE: KEY,INDEX,VALUE: REASON" for an override cell,
// "LIST:LINE: COLUMN,VALUE: REASON" for the other columns, and for a column
// that cannot be overridden the header's line without a value. `lines` are
// those parseSwitchList gives: the header's, then each row's.
QByteArray batchProblemsText(const QString &listPath, const SwitchList &list,
                             const QVector<int> &lines, const QVector<BatchCellProblem> &problems);
QJsonArray batchProblemsJson(const SwitchList &list, const QVector<int> &lines,
                             const QVector<BatchCellProblem> &problems);
