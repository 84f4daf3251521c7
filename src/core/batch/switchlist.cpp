#include "core/batch/switchlist.h"

#include "core/file/configkeytable.h"

#include <algorithm>

namespace {

struct DelimitedText
{
    QVector<QStringList> rows;
    QVector<int> rowLines; // the line each row starts on, from 0
};

// Reads the quoted field that starts at *at up to its closing quote and
// leaves *at there. "" inside it is one quote; line ends inside it count.
bool readQuotedField(const QString &text, QChar separator, int *at, int *line, QString *field,
                     QString *error)
{
    const int size = text.size();
    const int quoteLine = *line;
    for (++*at;; ++*at) {
        if (*at >= size) {
            if (error)
                *error = QStringLiteral("line %1: a quote is not closed").arg(quoteLine);
            return false;
        }
        const QChar q = text.at(*at);
        if (q == QLatin1Char('"')) {
            if (*at + 1 < size && text.at(*at + 1) == QLatin1Char('"')) {
                *field += q;
                ++*at;
                continue;
            }
            break;
        }
        if (q == QLatin1Char('\n'))
            ++*line;
        *field += q;
    }
    const QChar next = *at + 1 < size ? text.at(*at + 1) : separator;
    if (next != separator && next != QLatin1Char('\n') && next != QLatin1Char('\r')) {
        if (error)
            *error = QStringLiteral("line %1: text after a closing quote").arg(*line);
        return false;
    }
    return true;
}

// Splits text into rows of fields at `separator` and line ends. A field
// that starts with a quote runs to the closing quote, over separators and
// line ends; "" inside it is one quote. A line whose fields are all empty
// is no row.
std::optional<DelimitedText> splitDelimited(const QString &text, QChar separator, QString *error)
{
    DelimitedText result;
    QStringList row;
    QString field;
    int line = 0;
    int rowLine = 0;
    const int size = text.size();
    auto endRow = [&] {
        row << field;
        // Spreadsheets write ",,," for rows they hold nothing in.
        if (std::any_of(row.cbegin(), row.cend(), [](const QString &f) { return !f.isEmpty(); })) {
            result.rows << row;
            result.rowLines << rowLine;
        }
        row.clear();
        field.clear();
    };
    for (int at = 0; at < size; ++at) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('"') && field.isEmpty()) {
            if (!readQuotedField(text, separator, &at, &line, &field, error))
                return std::nullopt;
        } else if (c == separator) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            endRow();
            rowLine = ++line;
        } else if (c == QLatin1Char('\r') && at + 1 < size &&
                   text.at(at + 1) == QLatin1Char('\n')) {
            continue; // the CR of a CRLF
        } else {
            field += c;
        }
    }
    endRow();
    return result;
}

bool isFixedColumn(const QString &name)
{
    for (const char *fixed : {SwitchListColumn::kFile, SwitchListColumn::kLocation,
                              SwitchListColumn::kContact, SwitchListColumn::kSerial}) {
        if (name.compare(QLatin1String(fixed), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isKnownKeyColumn(const QString &name)
{
    QString key, index;
    return splitOverrideColumn(name, &key, &index) &&
        ConfigKeyTable::find(key.toLatin1().toStdString()) != nullptr;
}

// A field for a CSV line: quoted when it holds what would end it early, or
// when an unquoted field would read as something else.
QString csvField(const QString &text)
{
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : text)
        quote = quote || kSpecial.contains(c);
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields)
        out << csvField(field);
    return out.join(QLatin1Char(','));
}

// A pasted block is what the spreadsheet copied; a broken quote is taken
// as text rather than refused.
QVector<QStringList> splitPasted(const QString &block, QChar separator)
{
    if (const std::optional<DelimitedText> split = splitDelimited(block, separator, nullptr))
        return split->rows;
    QVector<QStringList> rows;
    for (const QString &line : block.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString cells = line;
        if (cells.endsWith(QLatin1Char('\r')))
            cells.chop(1);
        rows << cells.split(separator);
    }
    return rows;
}

// A header row names only columns of a switch list, at least one of them a
// fixed column or a key of the file.
bool isHeaderRow(const QStringList &cells)
{
    bool known = false;
    for (const QString &cell : cells) {
        const QString name = cell.trimmed();
        if (name.isEmpty())
            continue;
        if (!isSwitchListColumnName(name))
            return false;
        known = known || isFixedColumn(name) || isKnownKeyColumn(name);
    }
    return known;
}

} // namespace

bool operator==(const SwitchListRow &a, const SwitchListRow &b)
{
    return a.fileName == b.fileName && a.location == b.location && a.contact == b.contact &&
        a.serial == b.serial && a.overrides == b.overrides;
}

bool operator==(const SwitchList &a, const SwitchList &b)
{
    return a.overrideColumns == b.overrideColumns && a.rows == b.rows;
}

bool isBlankRow(const SwitchListRow &row)
{
    if (!row.fileName.isEmpty() || !row.location.isEmpty() || !row.contact.isEmpty() ||
        !row.serial.isEmpty())
        return false;
    return std::all_of(row.overrides.cbegin(), row.overrides.cend(),
                       [](const QString &value) { return value.isEmpty(); });
}

SwitchList withRowsAdded(const SwitchList &list, const SwitchList &added)
{
    SwitchList merged = list;
    merged.rows.erase(std::remove_if(merged.rows.begin(), merged.rows.end(), isBlankRow),
                      merged.rows.end());
    for (const QString &column : added.overrideColumns) {
        if (!merged.overrideColumns.contains(column)) {
            merged.overrideColumns << column;
            for (SwitchListRow &row : merged.rows)
                row.overrides << QString();
        }
    }
    for (const SwitchListRow &row : added.rows) {
        SwitchListRow copy = row;
        copy.overrides = QStringList();
        for (const QString &column : merged.overrideColumns)
            copy.overrides << row.overrides.value(added.overrideColumns.indexOf(column));
        merged.rows << copy;
    }
    return merged;
}

bool splitOverrideColumn(const QString &column, QString *key, QString *index)
{
    const int colon = column.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0 || colon == column.size() - 1)
        return false;
    *key = column.left(colon);
    *index = column.mid(colon + 1);
    return true;
}

bool isSwitchListColumnName(const QString &name)
{
    QString key, index;
    return isFixedColumn(name) || splitOverrideColumn(name, &key, &index);
}

std::optional<SwitchList> switchListFromCells(const QVector<QStringList> &cells, QString *error)
{
    auto fail = [error](const QString &reason) -> std::optional<SwitchList> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (cells.isEmpty())
        return fail(QStringLiteral("the list has no header row"));

    // Where each column of the header goes: 0 to 3 the fixed columns, 4 + i
    // override i.
    const QStringList &header = cells.first();
    SwitchList list;
    QVector<int> targets;
    QStringList seen;
    for (const QString &cell : header) {
        const QString name = cell.trimmed();
        const QString folded = isFixedColumn(name) ? name.toLower() : name;
        if (seen.contains(folded))
            return fail(QStringLiteral("the column \"%1\" appears twice").arg(name));
        seen << folded;
        if (folded == QLatin1String(SwitchListColumn::kFile))
            targets << 0;
        else if (folded == QLatin1String(SwitchListColumn::kLocation))
            targets << 1;
        else if (folded == QLatin1String(SwitchListColumn::kContact))
            targets << 2;
        else if (folded == QLatin1String(SwitchListColumn::kSerial))
            targets << 3;
        else if (isSwitchListColumnName(name)) {
            targets << 4 + list.overrideColumns.size();
            list.overrideColumns << name;
        } else
            return fail(QStringLiteral("unknown column \"%1\": the columns are file, location, "
                                       "contact, serial and KEY:INDEX")
                            .arg(name));
    }
    if (!targets.contains(0))
        return fail(QStringLiteral("the list has no \"file\" column"));

    for (int r = 1; r < cells.size(); ++r) {
        const QStringList &fields = cells.at(r);
        if (fields.size() > header.size())
            return fail(QStringLiteral("row %1 has %2 fields, the header %3")
                            .arg(r)
                            .arg(fields.size())
                            .arg(header.size()));
        SwitchListRow row;
        for (int i = 0; i < list.overrideColumns.size(); ++i)
            row.overrides << QString();
        QString *fixed[] = {&row.fileName, &row.location, &row.contact, &row.serial};
        for (int f = 0; f < fields.size(); ++f) {
            const int slot = targets.at(f);
            (slot < 4 ? *fixed[slot] : row.overrides[slot - 4]) = fields.at(f);
        }
        list.rows << row;
    }
    return list;
}

std::optional<SwitchList> parseSwitchList(const QByteArray &csv, QString *error,
                                          QVector<int> *lines)
{
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF))) // spreadsheets start UTF-8 files with a mark
        text.remove(0, 1);
    const std::optional<DelimitedText> split = splitDelimited(text, QLatin1Char(','), error);
    if (!split)
        return std::nullopt;
    std::optional<SwitchList> list = switchListFromCells(split->rows, error);
    if (list && lines)
        *lines = split->rowLines;
    return list;
}

QByteArray switchListBytes(const SwitchList &list)
{
    QStringList header {
        QLatin1String(SwitchListColumn::kFile), QLatin1String(SwitchListColumn::kLocation),
        QLatin1String(SwitchListColumn::kContact), QLatin1String(SwitchListColumn::kSerial)};
    header += list.overrideColumns;
    QString text = csvLine(header) + QLatin1Char('\n');
    for (const SwitchListRow &row : list.rows) {
        QStringList fields {row.fileName, row.location, row.contact, row.serial};
        for (int i = 0; i < list.overrideColumns.size(); ++i)
            fields << row.overrides.value(i);
        text += csvLine(fields) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QVector<QStringList> parseTabSeparated(const QString &block, bool *hadHeader)
{
    QVector<QStringList> rows = splitPasted(block, QLatin1Char('\t'));
    bool header = !rows.isEmpty() && isHeaderRow(rows.first());
    // A list copied from a text editor is comma-separated; its header row
    // tells it apart from a single pasted cell that holds a comma.
    if (!header && !rows.isEmpty() && rows.first().size() == 1) {
        QVector<QStringList> commaRows = splitPasted(block, QLatin1Char(','));
        if (!commaRows.isEmpty() && isHeaderRow(commaRows.first())) {
            rows = commaRows;
            header = true;
        }
    }
    if (hadHeader)
        *hadHeader = header;
    return rows;
}
