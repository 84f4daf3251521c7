#include "core/file/spreadsheettraces.h"

#include <QObject>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

bool startsWithByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith(kByteOrderMark);
}

QString byteOrderMarkRemark()
{
    return QObject::tr("the file starts with a byte-order mark; Save writes it without one");
}

QString byteOrderMarkMessage()
{
    QString message = byteOrderMarkRemark() + QLatin1Char('.');
    message[0] = message[0].toUpper();
    return message;
}

char foreignSeparator(const QByteArray &bytes)
{
    const int start = startsWithByteOrderMark(bytes) ? int(sizeof kByteOrderMark) - 1 : 0;
    int end = bytes.indexOf('\n', start);
    if (end < 0)
        end = bytes.size();
    const QByteArray firstLine = bytes.mid(start, end - start);
    if (firstLine.contains(','))
        return 0;
    if (firstLine.contains(';'))
        return ';';
    if (firstLine.contains('\t'))
        return '\t';
    return 0;
}

QString foreignSeparatorFinding(char separator)
{
    return separator == '\t' ? QObject::tr("fields are separated by tabs, not by commas")
                             : QObject::tr("fields are separated by ';', not by commas");
}

QString foreignSeparatorReason(char separator)
{
    QString finding = foreignSeparatorFinding(separator);
    finding[0] = finding[0].toUpper();
    return finding + QStringLiteral(" — ") +
        (separator == '\t' ? QObject::tr("a spreadsheet saved it as text")
                           : QObject::tr("a spreadsheet saved it in another list format"));
}
