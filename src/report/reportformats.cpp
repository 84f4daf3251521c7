#include "report/reportformats.h"

#include <QtMath>

namespace {

// The document is laid out in pixels of a 100-dpi page. A point size would
// be turned into pixels at the screen's resolution, which differs between
// desks and between Qt versions (96 or 100 dpi without a screen), and the
// report's line breaks and page fit with it.
constexpr qreal kLayoutDpi = 100;

} // namespace

QTextCharFormat reportCharFormat(qreal points, int weight)
{
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("Arial"));
    format.setProperty(QTextFormat::FontPixelSize, qRound(points * kLayoutDpi / 72));
    format.setFontWeight(weight);
    return format;
}

QString listedText(int value, int first, std::initializer_list<const char *> texts)
{
    const int index = value - first;
    if (index < 0 || index >= int(texts.size()))
        return QString();
    return QString::fromLatin1(texts.begin()[index]);
}
