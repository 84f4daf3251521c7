#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

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
    // "--report" without a file, as --batch takes it; see parse().
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

    CommandLine();

    // Parses the program's arguments. With --batch, "--report" asks for a
    // report beside each file and names no file of its own.
    bool parse(QStringList arguments);

    // Why the parsed command line cannot be done as given: an option that
    // has no effect beside the others, or one a task needs and lacks.
    // Empty when it can be done.
    QString usageProblem() const;
};

// Whether the arguments name option `name` ("--name" or "--name=VALUE")
// before a "--" that ends the options. Read before the arguments are
// parsed: a report needs its platform before the application exists, and
// a command line the parser refuses is still answered in JSON when it
// asks for JSON.
bool optionGiven(int argc, char *argv[], const char *name);
