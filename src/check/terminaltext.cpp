#include "check/terminaltext.h"

#include <QByteArray>

#include <langinfo.h>

#include <algorithm>

namespace {

// The window's cells show at most this much of a field.
constexpr int kMaxFieldLength = 200;

bool isShownAsIs(QChar c)
{
    const ushort code = c.unicode();
    if (code == '\\')
        return false;
    if (code < 0x80)
        return code >= 0x20 && code < 0x7f;
    // Above ASCII: letters and signs, not the C1 controls, format
    // characters, line separators or halves of a surrogate pair.
    return code >= 0xa0 && c.isPrint() && !c.isSurrogate() && c.category() != QChar::Other_Format;
}

QString escaped(QChar c)
{
    const ushort code = c.unicode();
    if (code == '\\')
        return QStringLiteral("\\\\");
    if (code < 0x100)
        return QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
}

bool localeIsUtf8()
{
    // The character set of the locale the application set up from the
    // environment, as the terminal shows it.
    static const bool utf8 = qstricmp(nl_langinfo(CODESET), "UTF-8") == 0;
    return utf8;
}

} // namespace

QString terminalSafe(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (QChar c : text) {
        if (isShownAsIs(c))
            safe += c;
        else
            safe += escaped(c);
    }
    return safe;
}

QString terminalField(const QString &text)
{
    if (text.size() <= kMaxFieldLength)
        return terminalSafe(text);
    return terminalSafe(text.left(kMaxFieldLength)) + QChar(0x2026);
}

QByteArray terminalBytes(const QString &safeText)
{
    if (localeIsUtf8())
        return safeText.toUtf8();
    QByteArray bytes;
    bytes.reserve(safeText.size());
    for (QChar c : safeText) {
        if (c.unicode() < 0x80)
            bytes += char(c.unicode());
        else if (c.unicode() == 0x2026)
            bytes += "...";
        else
            bytes += escaped(c).toLatin1();
    }
    return bytes;
}

QByteArray terminalSafeJson(const QByteArray &json)
{
    // JSON's own syntax is ASCII, so these bytes stand only inside strings:
    // DEL, and 0xC2 followed by 0x80..0x9F, the UTF-8 form of U+0080..U+009F.
    const auto needsEscape = [](char byte) { return byte == '\x7f' || byte == '\xc2'; };
    if (std::none_of(json.cbegin(), json.cend(), needsEscape))
        return json;
    QByteArray safe;
    safe.reserve(json.size());
    for (int i = 0; i < json.size(); ++i) {
        const uchar byte = uchar(json.at(i));
        if (byte == 0x7f) {
            safe += "\\u007f";
        } else if (byte == 0xc2 && i + 1 < json.size() && uchar(json.at(i + 1)) >= 0x80 &&
                   uchar(json.at(i + 1)) <= 0x9f) {
            safe += "\\u00" + QByteArray::number(uchar(json.at(i + 1)), 16);
            ++i;
        } else {
            safe += char(byte);
        }
    }
    return safe;
}
