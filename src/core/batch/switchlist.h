#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The list of switches a batch makes files for: one row per switch with its
// file name, location, contact and serial number, and the values of the
// override columns, each naming a file key and index ("port.admin-state:5").
//
// As a file it is CSV with a header row naming the columns in any order:
// "file" (required), "location", "contact", "serial" and one "KEY:INDEX"
// per override. Fields may be quoted ("a, b" and "say ""hi""" as in common
// spreadsheets); lines end in LF or CRLF. switchListBytes writes what
// parseSwitchList reads back unchanged.
//
// A list is only parsed here; whether its values suit a template is
// planBatch's question (switchbatch.h).

// The fixed columns' names in a header.
namespace SwitchListColumn {
inline constexpr char kFile[] = "file";
inline constexpr char kLocation[] = "location";
inline constexpr char kContact[] = "contact";
inline constexpr char kSerial[] = "serial";
} // namespace SwitchListColumn

struct SwitchListRow
{
    QString fileName;
    QString location; // empty: the template's
    QString contact; // empty: the template's
    QString serial; // the digits after the article number
    QStringList overrides; // one per override column; empty = not overridden
};

struct SwitchList
{
    QStringList overrideColumns; // "KEY:INDEX"
    QVector<SwitchListRow> rows;
};

bool operator==(const SwitchListRow &a, const SwitchListRow &b);
bool operator==(const SwitchList &a, const SwitchList &b);

// Whether a row has nothing typed in any cell.
bool isBlankRow(const SwitchListRow &row);

// `list` with the rows of `added` after its own, their override columns
// matched by name (columns `list` lacks are added). Blank rows of `list`
// are left out, so rows added to a table holding nothing replace its rows.
SwitchList withRowsAdded(const SwitchList &list, const SwitchList &added);

// An override column's key and index: "port.admin-state:5" gives
// "port.admin-state" and "5". False for a name without both.
bool splitOverrideColumn(const QString &column, QString *key, QString *index);

// Whether a header cell names a column: one of the fixed names (in any
// case) or KEY:INDEX.
bool isSwitchListColumnName(const QString &name);

// The list a CSV file holds; nullopt, with the reason in `error`, for an
// unknown or repeated column, a missing "file" column, a row with more
// fields than the header or an unterminated quote. Lines whose fields are
// all empty are skipped; a row with fewer fields than the header has the
// others empty.
// `lines`, when given, gets the line of the header and then the first line
// of each row, counted from 0.
std::optional<SwitchList> parseSwitchList(const QByteArray &csv, QString *error = nullptr,
                                          QVector<int> *lines = nullptr);

// The same from cells already split, the first row being the header.
std::optional<SwitchList> switchListFromCells(const QVector<QStringList> &cells,
                                              QString *error = nullptr);

// The list as CSV (UTF-8, LF line ends), header first.
QByteArray switchListBytes(const SwitchList &list);

// The cells of a block pasted from a spreadsheet: rows by line, cells by
// tab, quoted cells as spreadsheets write them. `hadHeader` tells whether
// the first row is a header: every non-empty cell of it names a column and
// one of them is a fixed column or a key the file format knows. The header
// row, when there is one, is the first of the rows returned. A block without
// tabs whose first line is such a header at commas is read at commas.
QVector<QStringList> parseTabSeparated(const QString &block, bool *hadHeader);
