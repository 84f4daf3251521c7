#pragma once

#include "core/batch/switchlist.h"
#include "core/config/switchconfig.h"
#include "core/file/configwriter.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

// Files for many switches at once: a template configuration and a switch
// list give one configuration file (and, if asked, one report) per switch.
//
// planBatch checks every row before anything is written and makes each
// switch's record: the template with the row's location and contact, and
// its override values stored through the same validation and field store
// as a file's lines (ConfigReader::applySetting), so a list is refused for
// what a file would be refused for, with the error log's reasons.
// writeBatch then writes the files of a valid plan, each atomically, and
// says which were written when it stops early.

// Where a problem is: `row` -1 for the header (a column that cannot be
// overridden), otherwise the list's row; `column` 0 file, 1 location,
// 2 contact, 3 serial, 4 + i override column i.
struct BatchCellProblem
{
    int row = -1;
    int column = 0;
    QString reason;
};

namespace BatchColumn {
enum : int { File = 0, Location = 1, Contact = 2, Serial = 3, FirstOverride = 4 };
}

// A column of `list` as its header names it ("file", ..., or the override's
// "KEY:INDEX"), and a row's value in it; empty for a column it lacks.
QString batchColumnName(const SwitchList &list, int column);
QString batchCellValue(const SwitchListRow &row, int column);

struct BatchSwitch
{
    QString fileName; // the row's name completed as Save As completes it
    QString reportName; // the same name with ".pdf" for ".csv"
    SwitchConfig config;
    ConfigFileTexts texts;
    QString serial; // the digits after the article number
};

struct BatchPlan
{
    // One per row of the list, in its order, also for rows with problems.
    QVector<BatchSwitch> switches;
    QVector<BatchCellProblem> problems;
    bool withReports = false;
    bool replaceExisting = false;

    // No problem, and at least one switch.
    bool isValid() const { return problems.isEmpty() && !switches.isEmpty(); }
};

// Checks every row of `list` against the template and the output folder
// and makes the switches' records. A row's empty location or contact keeps
// the template's; an empty override cell keeps the template's value.
// Overrides are stored in the order a file holds their keys (a speed after
// the auto negotiation it depends on), whatever the order of the columns.
//
// Refused: a location or contact the window's fields would not take
// ("Hall#4"), a serial number of anything but up to 9 digits, an override
// the reader would refuse (with its reason: "Not valid parameter", "Not
// valid index", "Not valid value", ...), a text key or a key the file does
// not carry (the VLAN ID, a port's own trust mode) as an override, an empty
// or illegal file name ("/", NUL, "." or "..", space at either end), two
// rows writing the same file (also when names differ only in case, which
// removable media do not tell apart) and, unless `replaceExisting`, a file
// (or report, with `withReports`) that exists in `outputDir`. An empty
// `outputDir` checks no existing files.
BatchPlan planBatch(const SwitchConfig &templateConfig, const ConfigFileTexts &templateTexts,
                    const SwitchList &list, const QString &outputDir, bool replaceExisting,
                    bool withReports);

struct BatchOutcome
{
    QStringList written; // file names, in the order written
    QStringList notWritten; // the plan's other files
    QString failure; // "NAME: reason" of the write that failed; empty if none
    bool cancelled = false;

    bool succeeded() const { return failure.isEmpty() && !cancelled && notWritten.isEmpty(); }
};

// Reports progress: `done` switches of `total` are written. False cancels
// the rest.
using BatchProgress = std::function<bool(int done, int total)>;
// Makes the report (PDF) of one switch: its bytes, or nothing with the
// reason in `error`. Called on worker threads, several at a time, with a
// switch of its own each, so it may read nothing else that changes.
using BatchReportMaker =
    std::function<std::optional<QByteArray>(const BatchSwitch &, QString *error)>;

// Writes the files of a valid plan into `outputDir` as writeOutputFile
// does, synced and put in place together (a switch's file with its report), with `date` as their
// creation date;
// the reports made by `makeReport` on worker threads (OutputJobs) when the plan asks for them, and
// written by the calling thread in the order of the switches, each after its file. `progress` (may
// be empty) is asked before each switch with the number done, every few milliseconds while a
// report is awaited, and once at the end; it may cancel, which stops at once: no report still being
// made is waited for. A failure or a cancel stops the batch: the files written stay, and the
// outcome names them and the ones not written. A file that appeared since the plan was made is not
// replaced unless the plan replaces files.
BatchOutcome writeBatch(const BatchPlan &plan, const QString &outputDir, const QDate &date,
                        const BatchProgress &progress, const BatchReportMaker &makeReport);

// What the user is told at the end: "40 files written to FOLDER" when all
// were written ("40 files and 40 reports written to FOLDER" with reports); otherwise why it
// stopped, and which files were written and which not. With `namesListed` at 0 or more, each list
// names at most that many files and counts the rest ("and 30 more"), for a message that has to fit
// on a screen.
QString batchSummaryText(const BatchOutcome &outcome, const QString &outputDir,
                         int namesListed = -1);
