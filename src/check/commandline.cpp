#include "check/commandline.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

CommandLine::CommandLine()
{
    parser.setApplicationDescription(
        QStringLiteral("Checks switch configuration files against the models they are for.\n"
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

bool CommandLine::parse(QStringList arguments)
{
    const bool batchGiven = std::any_of(arguments.cbegin(), arguments.cend(), [](const QString &a) {
        return a == QLatin1String("--batch") || a.startsWith(QLatin1String("--batch="));
    });
    if (batchGiven)
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^--report$")),
                                   QStringLiteral("--batch-reports"));
    return parser.parse(arguments);
}

QString CommandLine::usageProblem() const
{
    const QCommandLineParser &p = parser;
    const QStringList files = p.positionalArguments();
    const bool batching = p.isSet(batch);
    if (batching) {
        if (p.isSet(report) || !files.isEmpty())
            return QStringLiteral("--batch takes no other file");
        if (!p.isSet(switchList) || !p.isSet(outputDir))
            return QStringLiteral("--batch needs --list SWITCHES and --output-dir DIR");
    }

    // One task at a time.
    QStringList tasks;
    for (const QCommandLineOption *task : {&list, &batch, &report, &diff, &folder}) {
        if (p.isSet(*task))
            tasks << QStringLiteral("--") + task->names().constLast();
    }
    if (tasks.size() > 1)
        return QStringLiteral("%1 and %2 cannot be combined").arg(tasks.at(0), tasks.at(1));

    // Options that only one task reads.
    if (p.isSet(output) && batching)
        return QStringLiteral("--batch takes --output-dir, not --output");
    if (p.isSet(output) && !p.isSet(report))
        return QStringLiteral("--output needs --report");
    for (const QCommandLineOption *batchOption : {&switchList, &outputDir, &batchReports}) {
        if (p.isSet(*batchOption) && !batching)
            return QStringLiteral("--%1 needs --batch").arg(batchOption->names().constLast());
    }
    if ((p.isSet(recursive) || p.isSet(toList)) && !p.isSet(folder))
        return QStringLiteral("--to-list and --recursive need --folder DIR");
    if (p.isSet(replace) && !batching && !p.isSet(toList))
        return QStringLiteral("--replace needs --batch or --to-list");
    if (p.isSet(folder) && !files.isEmpty())
        return QStringLiteral("--folder takes no other file");

    if (p.isSet(list)) {
        if (p.isSet(model))
            return QStringLiteral("--model has no effect with --list-models");
        if (!files.isEmpty())
            return QStringLiteral("--list-models takes no file");
    }
    if (p.isSet(report)) {
        if (!files.isEmpty())
            return QStringLiteral("--report takes no other file");
        if (!p.isSet(output))
            return QStringLiteral("--report needs --output PDF");
    }
    if (p.isSet(diff) && files.size() != 2)
        return QStringLiteral("--diff takes two files");
    if (tasks.isEmpty() && files.isEmpty())
        return QStringLiteral("no file given");
    return QString();
}

bool optionGiven(int argc, char *argv[], const char *name)
{
    const size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            return false;
        if (std::strncmp(argument, "--", 2) == 0 && std::strncmp(argument + 2, name, length) == 0 &&
            (argument[2 + length] == '\0' || argument[2 + length] == '='))
            return true;
    }
    return false;
}
