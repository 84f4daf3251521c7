#pragma once

#include <QString>

// How the name of a file to write is found. A name typed in a save dialog
// is completed with its suffix before anything asks about it, so the
// question "already exists, replace?" names the file that is written; a
// file that was opened is written back under its own name.

enum class NameSource {
    Typed, // chosen in a save dialog, or a switch list's file column
    Opened, // the file the document was read from
};

// The configuration file written for `name`: a typed name whose file name
// (not its folder) does not contain ".csv", in any case, gets ".csv" appended ("B" is
// "B.csv"; "STICK2.CSV" and "a.csv.bak" stay as they are). An opened file
// keeps its name ("plain.txt"). Empty stays empty.
QString configFilePath(const QString &name, NameSource source = NameSource::Typed);

// The report written for a typed name: ".pdf" appended unless the name ends
// with it, in any case. Empty stays empty.
QString reportFilePath(const QString &name);

// The report beside a configuration file: its ".csv" (any case) at the end
// replaced by ".pdf", any other name with ".pdf" appended.
QString reportBesideConfigFile(const QString &configFileName);
