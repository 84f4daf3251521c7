#pragma once

#include <QByteArray>
#include <QString>

// What a spreadsheet leaves in a configuration file it saved. A file saved
// as "CSV UTF-8" starts with a byte-order mark, which the reader skips and
// reports as a remark. A file saved in a locale that separates a list by
// ';' (or as text, by tabs) has no commas at all; such a file is refused
// whole, with the reason, instead of as one that names no model.

// Whether `bytes` start with the UTF-8 byte-order mark.
bool startsWithByteOrderMark(const QByteArray &bytes);
// The remark a file with the mark gets: "the file starts with a byte-order
// mark; Save writes it without one".
QString byteOrderMarkRemark();
// The same as a sentence of a message of its own.
QString byteOrderMarkMessage();

// ';' or '\t' when the first line (after a byte-order mark) has no comma
// but that separator; 0 for any other file.
char foreignSeparator(const QByteArray &bytes);
// What was found: "fields are separated by ';', not by commas" (or "by
// tabs").
QString foreignSeparatorFinding(char separator);
// The finding with its likely cause, as a sentence: "Fields are separated
// by ';', not by commas — a spreadsheet saved it in another list format".
QString foreignSeparatorReason(char separator);
