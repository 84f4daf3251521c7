// mestrel-check: checks configuration files without a window, for scripts
// and production lines. Exit status: 0 when every file passes, 1 when a
// file has rejected lines (or two files differ), 2 when a file cannot be
// read or names no supported model, or the command line is wrong; with
// several files the highest. --batch: 0 when every file was written, 1 when
// the template or rows of the list were refused (nothing written), 2 when a
// file could not be read or written.

#include "check/checkoutput.h"
#include "check/filecheck.h"
#include "check/foldercheck.h"
#include "check/terminaltext.h"
#include "report/reportgenerator.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kCannotCheck = 2;

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

int usageError(const QString &message)
{
    print(QStringLiteral("mestrel-check: %1\nTry 'mestrel-check --help'.\n")
              .arg(message)
              .toLocal8Bit(),
          stderr);
    return kCannotCheck;
}

// The report needs fonts and a PDF printer, so a GUI application; without
// a display it runs on the offscreen platform.
bool wantsReport(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--report") == 0 || std::strncmp(argv[i], "--report=", 9) == 0)
            return true;
    }
    return false;
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
        printJson(differencesJson(first, second, differences));
    else
        print(differencesReport(first, second, differences));
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
        ReportGenerator report(file.row, file.config, articleNumber(file.row) + QLatin1Char('-'),
                               output);
        const bool written = report.generate();
        const int pages = ReportGenerator::pageCount(file.config.portCount);
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
    json.insert("exitStatus", status);
    if (options.json)
        printJson(json);
    else
        print(text);
    return status;
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
int writePlannedBatch(const BatchPlan &plan, int row, const QString &outputDir, QJsonObject &json,
                      QByteArray &text)
{
    const QDate today = QDate::currentDate();
    const BatchOutcome outcome = writeBatch(
        plan, outputDir, today, {},
        [row, today](const BatchSwitch &batchSwitch, const QString &pdfPath, QString *reportError) {
            ReportGenerator report(row, batchSwitch.config,
                                   articleNumber(row) + QLatin1Char('-') + batchSwitch.serial,
                                   pdfPath, today);
            if (report.generate())
                return true;
            *reportError = report.errorString();
            return false;
        });
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
    if (status == 0 && !QFileInfo(request.outputDir).isDir()) {
        status = kCannotCheck;
        error = QStringLiteral("no such folder");
        json.insert("outputError", error);
        text += terminalBytes(terminalSafe(request.outputDir) + QStringLiteral(": ") + error +
                              QLatin1Char('\n'));
    }
    if (status == 0) {
        // The template as the window holds it right after opening the file.
        const BatchPlan plan = planBatch(templateFile.config, templateFile.result.texts, *list,
                                         request.outputDir, request.replace, request.reports);
        json.insert("problems", batchProblemsJson(*list, lines, plan.problems));
        if (!plan.isValid()) {
            status = 1;
            text += batchProblemsText(request.listPath, *list, lines, plan.problems);
            text += terminalBytes(terminalSafe(request.listPath) +
                                  (list->rows.isEmpty()
                                       ? QStringLiteral(": names no switch; nothing written\n")
                                       : plan.problems.size() == 1
                                       ? QStringLiteral(": 1 problem; nothing written\n")
                                       : QStringLiteral(": %1 problems; nothing written\n")
                                             .arg(plan.problems.size())));
        } else {
            status = writePlannedBatch(plan, templateFile.row, request.outputDir, json, text);
        }
    }
    json.insert("exitStatus", status);
    if (options.json)
        printJson(json);
    else
        print(text);
    return status;
}

// The options and arguments mestrel-check takes.
struct CommandLine
{
    QCommandLineParser parser;
    // Ordinary options rather than the parser's own, whose help option
    // brings further options that differ between Qt versions.
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("Displays help on commandline options.")};
    QCommandLineOption version {{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("Displays version information.")};
    QCommandLineOption model {
        QStringLiteral("model"),
        QStringLiteral("Check against catalogue row ROW (numbered as --list-models numbers them) "
                       "or the model of that name, "
                       "instead of the model a file names."),
        QStringLiteral("ROW")};
    QCommandLineOption list {QStringLiteral("list-models"), QStringLiteral("List the catalogue.")};
    QCommandLineOption diff {QStringLiteral("diff"),
                             QStringLiteral("Print the settings in which two files differ.")};
    QCommandLineOption report {
        QStringLiteral("report"),
        QStringLiteral("Write the configuration report of FILE as a PDF (needs --output); "
                       "with --batch, without FILE: a report beside each file."),
        QStringLiteral("FILE")};
    QCommandLineOption output {QStringLiteral("output"),
                               QStringLiteral("The PDF file --report writes."),
                               QStringLiteral("PDF")};
    QCommandLineOption batch {
        QStringLiteral("batch"),
        QStringLiteral("Write a configuration file for every switch of the --list, made from "
                       "the TEMPLATE file, into the --output-dir folder."),
        QStringLiteral("TEMPLATE")};
    QCommandLineOption switchList {
        QStringLiteral("list"),
        QStringLiteral("The switch list of --batch: a CSV file with the columns file, location, "
                       "contact, serial and KEY:INDEX."),
        QStringLiteral("SWITCHES")};
    QCommandLineOption outputDir {QStringLiteral("output-dir"),
                                  QStringLiteral("The folder --batch writes into."),
                                  QStringLiteral("DIR")};
    QCommandLineOption replace {
        QStringLiteral("replace"),
        QStringLiteral("Let --batch replace files that exist, and --to-list a list that exists.")};
    // "--report" without a file, as --batch takes it; see batchArguments.
    QCommandLineOption batchReports {QStringLiteral("batch-reports"), QString()};
    QCommandLineOption folder {
        QStringLiteral("folder"),
        QStringLiteral("Check every file of DIR whose name ends in .csv and print one line per "
                       "file: model, serial number, location, contact, creation date, result."),
        QStringLiteral("DIR")};
    QCommandLineOption recursive {QStringLiteral("recursive"),
                                  QStringLiteral("Let --folder check its subfolders too.")};
    QCommandLineOption toList {
        QStringLiteral("to-list"),
        QStringLiteral("Write the files --folder checked as a switch list for --batch."),
        QStringLiteral("LIST")};
    QCommandLineOption json {QStringLiteral("json"), QStringLiteral("Print the results as JSON.")};

    CommandLine()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Checks switch configuration files against the models they are for.\n"
            "Exit status: 0 when every file passes, 1 when a file has rejected lines\n"
            "(--diff: when the files differ), 2 when a file cannot be read or names no\n"
            "supported model; with several files the highest. --batch: 0 when every\n"
            "file was written, 1 when the template or rows of the list are refused\n"
            "(nothing is written then), 2 when a file cannot be read or written.\n"
            "A --folder as its files; with --to-list also 1 when files were left out\n"
            "of the list, 2 when the list cannot be written."));
        batchReports.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({help, version, model, list, diff, report, output, batch, switchList,
                           outputDir, replace, batchReports, folder, recursive, toList, json});
        parser.addPositionalArgument(QStringLiteral("files"),
                                     QStringLiteral("Configuration files to check."),
                                     QStringLiteral("[FILE...]"));
    }
};

// The arguments as the parser takes them: with --batch, "--report" asks
// for a report beside each file and names no file of its own.
QStringList batchArguments(QStringList arguments)
{
    const bool batch = std::any_of(arguments.cbegin(), arguments.cend(), [](const QString &a) {
        return a == QLatin1String("--batch") || a.startsWith(QLatin1String("--batch="));
    });
    if (batch)
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^--report$")),
                                   QStringLiteral("--batch-reports"));
    return arguments;
}

// What the parsed command line asks for, done.
int runCommand(const CommandLine &line)
{
    const QCommandLineParser &parser = line.parser;
    Options options;
    options.json = parser.isSet(line.json);
    if (parser.isSet(line.model)) {
        options.row = catalogueRowNamed(parser.value(line.model));
        if (options.row < 0)
            return usageError(QStringLiteral("no catalogue row or model '%1' (see --list-models)")
                                  .arg(parser.value(line.model)));
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
        if (!parser.isSet(line.switchList) || !parser.isSet(line.outputDir))
            return usageError(QStringLiteral("--batch needs --list SWITCHES and --output-dir DIR"));
        if (parser.isSet(line.report) || !files.isEmpty())
            return usageError(QStringLiteral("--batch takes no other file"));
        const BatchRequest request {parser.value(line.batch), parser.value(line.switchList),
                                    parser.value(line.outputDir), parser.isSet(line.batchReports),
                                    parser.isSet(line.replace)};
        return finish(makeBatch(request, options));
    }
    if (!parser.isSet(line.folder) && (parser.isSet(line.toList) || parser.isSet(line.recursive)))
        return usageError(QStringLiteral("--to-list and --recursive need --folder DIR"));
    if (parser.isSet(line.folder)) {
        const FolderCheckOutput checked =
            checkFolder({parser.value(line.folder), parser.isSet(line.recursive), options.row,
                         parser.value(line.toList), parser.isSet(line.replace), options.json});
        print(checked.err, stderr);
        print(checked.out);
        return finish(checked.status);
    }
    if (parser.isSet(line.report)) {
        if (!parser.isSet(line.output))
            return usageError(QStringLiteral("--report needs --output PDF"));
        return finish(writeReport(parser.value(line.report), parser.value(line.output), options));
    }
    if (parser.isSet(line.diff)) {
        if (files.size() != 2)
            return usageError(QStringLiteral("--diff takes two files"));
        return finish(diffFiles(files.at(0), files.at(1), options));
    }
    if (files.isEmpty())
        return usageError(QStringLiteral("no file given"));
    return finish(checkFiles(files, options));
}

} // namespace

int main(int argc, char *argv[])
{
    // Over a file size limit a write fails with "File too large" and the
    // previous file stays, instead of the process being killed mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    const bool report = wantsReport(argc, argv);
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
    if (!line.parser.parse(batchArguments(QCoreApplication::arguments())))
        return usageError(line.parser.errorText());
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
