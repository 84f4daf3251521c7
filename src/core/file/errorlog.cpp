#include "core/file/errorlog.h"

namespace {

// A cell of the error log shows at most this much of a field.
constexpr int kMaxCellLength = 200;

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), int(text.size()));
}

// A field as a cell shows it: lines of megabytes are cut short.
QString cellText(std::string_view field)
{
    if (field.size() <= size_t(kMaxCellLength))
        return latin1(field);
    return latin1(field.substr(0, kMaxCellLength)) + QChar(0x2026);
}

} // namespace

QByteArray errorLogText(const QVector<RejectedLine> &rejected)
{
    QByteArray text;
    for (const RejectedLine &entry : rejected) {
        text += QByteArray::number(entry.lineNumber);
        text += ',';
        text += entry.line;
        text += ',';
        text += QByteArray::number(entry.reason);
        text += '\n';
    }
    return text;
}

QString rejectReasonText(int reason)
{
    switch (reason) {
    case RejectReason::UnknownKey:
        return QStringLiteral("Not valid parameter");
    case RejectReason::NoSuchPortKind:
        return QStringLiteral("Not valid Line");
    case RejectReason::NoSuchPortSpeed:
        return QStringLiteral("Not valid type");
    case RejectReason::BadIndex:
        return QStringLiteral("Not valid index");
    case RejectReason::BadValue:
        return QStringLiteral("Not valid value");
    default:
        return QStringLiteral("Unknown error");
    }
}

ErrorLogRow errorLogRow(const RejectedLine &rejected)
{
    const std::string_view line(rejected.line.constData(), size_t(rejected.line.size()));
    ErrorLogRow row;
    row.lineNumber = QString::number(rejected.lineNumber);
    row.reason = rejectReasonText(rejected.reason);
    if (const std::optional<ConfigLineFields> fields = splitConfigLine(line)) {
        row.key = cellText(fields->key);
        row.index = cellText(fields->index);
        row.value = cellText(fields->rest);
    } else {
        row.key = cellText(line);
    }
    return row;
}
