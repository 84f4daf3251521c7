#include "core/config/poeclasses.h"

#include <QStringList>

#include <algorithm>

namespace {

bool isClassDigit(QChar c)
{
    return c >= QLatin1Char('0') && c.unicode() < '0' + kPoEClassCount;
}

ClassesEdit replaceWith(const QString &text)
{
    return {ClassesEdit::Replace, text};
}

// Which of the classes 0..4 entries 0..4 name.
std::array<bool, kPoEClassCount> markedClasses(const std::array<quint8, 8> &classes)
{
    std::array<bool, kPoEClassCount> marked {};
    for (int i = 0; i < kPoEClassCount; ++i) {
        if (classes[i] < kPoEClassCount)
            marked[classes[i]] = true;
    }
    return marked;
}

} // namespace

ClassesEdit normalizeClassesText(const QString &text, const QString &lastAccepted)
{
    const int n = text.size();
    if (n == 0)
        return {ClassesEdit::Ignore, text};

    // Every second character must be a comma; anything else (a pasted
    // "123") falls back to the last accepted list.
    if (n >= 3) {
        for (int pos = 1; pos < n - 1; pos += 2) {
            if (text.at(pos) != QLatin1Char(','))
                return replaceWith(lastAccepted);
        }
    }

    if (n >= kMaxClassesTextLength + 1)
        return replaceWith(text.left(n - 1));

    const QChar last = text.at(n - 1);
    if (isClassDigit(last)) {
        if (n > 1 && n % 2 == 0) {
            // A digit typed straight after a digit: insert the comma, unless
            // that class is listed already.
            const QString rest = text.left(n - 1);
            if (rest.contains(last))
                return replaceWith(lastAccepted);
            return replaceWith(rest + QLatin1Char(',') + last);
        }
        return {ClassesEdit::Accept, text};
    }
    if (last == QLatin1Char(',') && n > 1 && n % 2 == 1)
        return {ClassesEdit::Accept, text};
    return replaceWith(text.left(n - 1));
}

ClassesEdit settleClassesText(const QString &typed, const QString &lastAccepted)
{
    // Each replacement is shorter than the text it replaces or is the last
    // accepted text, which the rules accept: a few rounds always settle.
    ClassesEdit edit {ClassesEdit::Accept, typed};
    for (int round = 0; round < 4; ++round) {
        const ClassesEdit next = normalizeClassesText(edit.text, lastAccepted);
        if (next.outcome != ClassesEdit::Replace)
            return {next.outcome, edit.text};
        if (next.text == edit.text)
            break;
        edit.text = next.text;
    }
    return edit;
}

bool allClassesAllowed(const std::array<quint8, 8> &classes)
{
    const std::array<bool, kPoEClassCount> marked = markedClasses(classes);
    return std::all_of(marked.begin(), marked.end(), [](bool m) { return m; });
}

QString sortedClassesText(const std::array<quint8, 8> &classes)
{
    const std::array<bool, kPoEClassCount> marked = markedClasses(classes);
    QStringList parts;
    for (int c = 0; c < kPoEClassCount; ++c) {
        if (marked[c])
            parts << QString::number(c);
    }
    return parts.join(QLatin1Char(','));
}

QString storedClassesText(const std::array<quint8, 8> &classes, const QString &separator)
{
    QStringList parts;
    for (int i = 0; i < kPoEClassCount; ++i) {
        if (classes[i] != kNoPoEClass)
            parts << QString::number(classes[i]);
    }
    return parts.join(separator);
}

std::array<quint8, 8> classesFromDigits(std::string_view digits)
{
    std::array<bool, kPoEClassCount> allowed {};
    for (char c : digits) {
        if (c >= '0' && c < '0' + kPoEClassCount)
            allowed[size_t(c - '0')] = true;
    }
    std::array<quint8, 8> classes;
    classes.fill(kNoPoEClass);
    int entry = 0;
    for (int poeClass = 0; poeClass < kPoEClassCount; ++poeClass) {
        if (allowed[size_t(poeClass)])
            classes[size_t(entry++)] = quint8(poeClass);
    }
    return classes;
}

std::array<quint8, 8> classesFromText(const QString &text)
{
    std::array<quint8, 8> classes;
    classes.fill(kNoPoEClass);
    const QStringList parts = text.split(QLatin1Char(','));
    for (int k = 0; k < parts.size() && k < int(classes.size()); ++k)
        classes[k] = quint8(parts.at(k).toInt());
    return classes;
}
