#include "core/config/textfields.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace {

char storedByte(QChar c)
{
    return c.unicode() < 256 ? char(c.unicode()) : '\0';
}

// Stores one group of the release into `width` bytes from `first`; a group
// longer than its bytes cannot come from the field and clears them.
void storeGroup(std::array<char, 8> &bytes, int first, int width, const QString &group)
{
    const bool fits = group.size() <= width;
    for (int i = 0; i < width; ++i)
        bytes[first + i] = fits && i < group.size() ? storedByte(group.at(i)) : '\0';
}

} // namespace

void storeText(char *buffer, std::size_t size, const QString &text)
{
    std::memset(buffer, 0, size);
    const std::size_t count = std::min<std::size_t>(size, text.size());
    for (std::size_t i = 0; i < count; ++i)
        buffer[i] = storedByte(text.at(int(i)));
}

QString readText(const char *buffer, std::size_t size)
{
    const char *end = std::find(buffer, buffer + size, '\0');
    return QString::fromLatin1(buffer, int(end - buffer));
}

void applyFileReleaseEdit(std::array<char, 8> &fileRelease, const QString &text)
{
    const QStringList groups = text.split(QLatin1Char('.'));
    storeGroup(fileRelease, 0, 2, groups.at(0));
    if (groups.size() >= 2)
        storeGroup(fileRelease, 2, 1, groups.at(1));
    if (groups.size() >= 3)
        storeGroup(fileRelease, 3, 2, groups.at(2));
}

QString fileReleaseText(const std::array<char, 8> &fileRelease)
{
    QString text;
    for (int i = 0; i < int(fileRelease.size()); ++i) {
        const char c = fileRelease[i];
        if (c < '0' || c > '9')
            continue;
        if (i == 2 || i == 3)
            text += QLatin1Char('.');
        text += QLatin1Char(c);
    }
    return text;
}

qint64 numberFromText(const QString &text, qint64 largest)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (ok)
        return qint64(std::min<qulonglong>(value, qulonglong(largest)));
    // Digits too many for 64 bits are still a number, just a large one.
    const bool allDigits = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return allDigits ? largest : 0;
}
