// mestrel-check: checks configuration files without a window, for scripts
// and production lines. Exit status: 0 when every file passes, 1 when a
// file has rejected lines (or two files differ), 2 when a file cannot be
// read or names no supported model, or the command line is wrong; with
// several files the highest. --batch: 0 when every file was written, 1 when
// the template or rows of the list were refused (nothing written), 2 when a
// file could not be read or written.

#include "check/checkoutput.h"
#include "check/commandline.h"
#include "check/filecheck.h"
#include "check/foldercheck.h"
#include "check/terminaltext.h"
#include "core/file/outputjobs.h"
#include "report/batchreports.h"
#include "report/reportgenerator.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The first failed write to standard output, kept for the end of the run:
// the results are incomplete, which the exit status must say.
int outputError = 0;

[[noreturn]] void endAsClosedPipe()
{
    // A reader that stopped reading ends the run at once, without a
    // message, as it ends the shell's own tools.
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);
}

void noteWriteError(FILE *stream)
{
    if (errno == EPIPE)
        endAsClosedPipe();
    if (stream == stdout && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
}

void print(const QByteArray &text, FILE *stream = stdout)
{
    errno = 0;
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stream) != size_t(text.size()))
        noteWriteError(stream);
}

void printJson(const QJsonObject &json)
{
    print(jsonText(json));
}

// The run's status, unless standard output lost some of what was printed:
// then 2, with the system's reason on standard error.
int finish(int status)
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noteWriteError(stdout);
    if (outputError == 0)
        return status;
    print(QStringLiteral("mestrel-check: standard output: %1\n")
              .arg(qt_error_string(outputError))
              .toLocal8Bit(),
          stderr);
    return kCannotCheck;
}

// A command's result, with its exit status: the JSON or the text.
int printResult(int status, QJsonObject &json, const QByteArray &text, bool asJson)
{
    json.insert("exitStatus", status);
    if (asJson)
        printJson(json);
    else
        print(text);
    return status;
}

// A command line that cannot be done: the reason on standard error, or
// with --json as the one JSON object on standard output.
int usageError(const QString &message, bool json)
{
    if (json) {
        printJson({{"error", message}});
        return finish(kCannotCheck);
    }
    print(QStringLiteral("mestrel-check: %1\nTry 'mestrel-check --help'.\n")
              .arg(message)
              .toLocal8Bit(),
          stderr);
    return kCannotCheck;
}

struct Options
{
    bool json = false;
    int row = -1; // --model, or -1 for the file's own model
};

int checkFiles(const QStringList &paths, const Options &options)
{
    int status = 0;
    QByteArray summaries;
    QJsonArray files;
    for (const QString &path : paths) {
        const CheckedFile file = readFileForRow(path, options.row);
        status = qMax(status, exitCodeOf(file.status));
        if (options.json) {
            files.append(fileJson(file));
        } else {
            print(rejectedLinesText(file));
            summaries += summaryLine(file);
        }
    }
    if (options.json)
        printJson({{"files", files}, {"exitStatus", status}});
    else
        print(summaries);
    return status;
}

int diffFiles(const QString &firstPath, const QString &secondPath, const Options &options)
{
    // The second file is read for the first one's row when it names the
    // same model, as the window compares a file with what it edits.
    const CheckedFile first = readFileForRow(firstPath, options.row);
    const CheckedFile second = readFileForRow(secondPath, -1, first.row);
    const int failed = qMax(exitCodeOf(first.status), exitCodeOf(second.status));
    if (failed == kCannotCheck) {
        if (options.json)
            printJson({{"first", fileJson(first)}, {"second", fileJson(second)}});
        else
            print(summaryLine(first) + summaryLine(second));
        return kCannotCheck;
    }
    const QVector<ConfigDifference> differences = configDifferences(
        first.config, second.config, &first.result.settingsRead, &second.result.settingsRead);
    if (options.json)
        printJson(differencesJson(first, second, differences, options.row));
    else
        print(differencesReport(first, second, differences, options.row));
    return differences.isEmpty() ? 0 : 1;
}

int writeReport(const QString &path, const QString &output, const Options &options)
{
    // As "Export" right after opening the file: its model's first row
    // unless one is named, and a serial number of the article number and
    // "-" alone.
    const CheckedFile file = readFileForRow(path, options.row);
    int status = exitCodeOf(file.status);
    QJsonObject json {{"file", fileJson(file)}, {"output", output}};
    QByteArray text = rejectedLinesText(file) + summaryLine(file);
    if (status != kCannotCheck) {
        ReportGenerator report(file.config, serialNumberText(file.config.model(), QString()),
                               output);
        const bool written = report.generate();
        const int pages = ReportGenerator::pageCount(file.config.portCount());
        json.insert("written", written);
        if (written) {
            json.insert("pages", pages);
            text += terminalBytes(terminalSafe(output) +
                                  QStringLiteral(": report of %1 pages written\n").arg(pages));
        } else {
            json.insert("error", report.errorString());
            print(terminalBytes(terminalSafe(output) + QStringLiteral(": cannot be written: ") +
                                terminalSafe(report.errorString()) + QLatin1Char('\n')),
                  stderr);
            status = kCannotCheck;
        }
    }
    return printResult(status, json, text, options.json);
}

struct BatchRequest
{
    QString templatePath;
    QString listPath;
    QString outputDir;
    bool reports = false;
    bool replace = false;
};

// The switch list, or why it could not be read (printed; status 2).
std::optional<SwitchList> readSwitchList(const QString &path, QVector<int> *lines, QString *error)
{
    const std::optional<QByteArray> bytes = readConfigFile(path, error);
    if (!bytes)
        return std::nullopt;
    return parseSwitchList(*bytes, error, lines);
}

// Writes the files of a batch that passed; its outcome goes into `json` and
// `text`. The exit status: 0 when everything was written.
int writePlannedBatch(const BatchPlan &plan, const QString &outputDir, QJsonObject &json,
                      QByteArray &text)
{
    const QDate today = QDate::currentDate();
    const BatchOutcome outcome = writeBatch(plan, outputDir, today, {}, batchReportMaker(today));
    // Reports made ahead of a failure end before the program does.
    OutputJobs::waitForStragglers();
    json.insert("written", QJsonArray::fromStringList(outcome.written));
    json.insert("notWritten", QJsonArray::fromStringList(outcome.notWritten));
    int status = 0;
    if (!outcome.succeeded()) {
        status = kCannotCheck;
        json.insert("error", outcome.failure);
        print(terminalBytes(QStringLiteral("mestrel-check: ") + terminalSafe(outcome.failure) +
                            QLatin1Char('\n')),
              stderr);
    }
    const QString summary = batchSummaryText(outcome, outputDir);
    json.insert("summary", summary);
    // Line by line: the names in it may hold anything.
    for (const QString &summaryText : summary.split(QLatin1Char('\n')))
        text += terminalBytes(terminalSafe(summaryText) + QLatin1Char('\n'));
    return status;
}

// Files (and reports) for every switch of a list: nothing is written unless
// the template and every row pass.
int makeBatch(const BatchRequest &request, const Options &options)
{
    const CheckedFile templateFile = readFileForRow(request.templatePath, options.row);
    int status = exitCodeOf(templateFile.status);
    QJsonObject json {{"template", fileJson(templateFile)},
                      {"list", request.listPath},
                      {"outputDir", request.outputDir}};
    QByteArray text = rejectedLinesText(templateFile);
    if (status != 0)
        text += summaryLine(templateFile);

    QVector<int> lines;
    QString error;
    const std::optional<SwitchList> list =
        status == 0 ? readSwitchList(request.listPath, &lines, &error) : std::nullopt;
    if (status == 0 && !list) {
        status = kCannotCheck;
        json.insert("listError", error);
        text +=
            terminalBytes(terminalSafe(request.listPath) + QStringLiteral(": cannot be read: ") +
                          terminalSafe(error) + QLatin1Char('\n'));
    }
    if (const QFileInfo folder(request.outputDir); status == 0 && !folder.isDir()) {
        status = kCannotCheck;
        error =
            folder.exists() ? QStringLiteral("is not a folder") : QStringLiteral("no such folder");
        json.insert("outputError", error);
        text += terminalBytes(terminalSafe(request.outputDir) + QStringLiteral(": ") + error +
                              QLatin1Char('\n'));
    }
    if (status == kPassed) {
        // The template as the window holds it right after opening the file.
        const BatchPlan plan = planBatch(templateFile.config, templateFile.result.texts, *list,
                                         request.outputDir, request.replace, request.reports);
        json.insert("problems", batchProblemsJson(*list, lines, plan.problems));
        if (!plan.isValid()) {
            status = kSomeRejected;
            text += batchProblemsText(request.listPath, *list, lines, plan.problems);
            text += terminalBytes(terminalSafe(request.listPath) +
                                  (list->rows.isEmpty()
                                       ? QStringLiteral(": names no switch; nothing written\n")
                                       : plan.problems.size() == 1
                                       ? QStringLiteral(": 1 problem; nothing written\n")
                                       : QStringLiteral(": %1 problems; nothing written\n")
                                             .arg(plan.problems.size())));
        } else {
            status = writePlannedBatch(plan, request.outputDir, json, text);
        }
    }
    return printResult(status, json, text, options.json);
}

// What the parsed command line asks for, done.
int runCommand(const CommandLine &line)
{
    const QCommandLineParser &parser = line.parser;
    Options options;
    options.json = parser.isSet(line.json);
    if (const QString problem = line.usageProblem(); !problem.isEmpty())
        return usageError(problem, options.json);
    if (parser.isSet(line.model)) {
        options.row = catalogueRowNamed(parser.value(line.model));
        if (options.row < 0)
            return usageError(QStringLiteral("no catalogue row or model '%1' (see --list-models)")
                                  .arg(parser.value(line.model)),
                              options.json);
    }
    const QStringList files = parser.positionalArguments();

    if (parser.isSet(line.list)) {
        if (options.json)
            printJson({{"models", modelListJson()}});
        else
            print(modelListText());
        return finish(0);
    }
    if (parser.isSet(line.batch)) {
        const BatchRequest request {parser.value(line.batch), parser.value(line.switchList),
                                    parser.value(line.outputDir), parser.isSet(line.batchReports),
                                    parser.isSet(line.replace)};
        return finish(makeBatch(request, options));
    }
    if (parser.isSet(line.folder)) {
        const FolderCheckOutput checked =
            checkFolder({parser.value(line.folder), parser.isSet(line.recursive), options.row,
                         parser.value(line.toList), parser.isSet(line.replace), options.json});
        print(checked.err, stderr);
        print(checked.out);
        return finish(checked.status);
    }
    if (parser.isSet(line.report))
        return finish(writeReport(parser.value(line.report), parser.value(line.output), options));
    if (parser.isSet(line.diff))
        return finish(diffFiles(files.at(0), files.at(1), options));
    return finish(checkFiles(files, options));
}

} // namespace

int main(int argc, char *argv[])
{
    // Over a file size limit a write fails with "File too large" and the
    // previous file stays, instead of the process being killed mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    // The report needs fonts and a PDF printer, so a GUI application;
    // without a display it runs on the offscreen platform.
    const bool report = optionGiven(argc, argv, "report");
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (report)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mestrel-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MESTREL_VERSION));

    CommandLine line;
    if (!line.parse(QCoreApplication::arguments()))
        return usageError(line.parser.errorText(), optionGiven(argc, argv, "json"));
    // Printed here rather than by the parser, which exits 0 even when
    // standard output took nothing.
    if (line.parser.isSet(line.help)) {
        print(line.parser.helpText().toLocal8Bit());
        return finish(0);
    }
    if (line.parser.isSet(line.version)) {
        print(QStringLiteral("%1 %2\n")
                  .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                  .toLocal8Bit());
        return finish(0);
    }
    return runCommand(line);
}
