#include "report/reportformats.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The document turns point sizes into pixels at the screen's resolution,
// which differs between desks and between Qt versions (96 or 100 dpi
// without a screen), and the report's line breaks and page fit with it.
// The sizes are scaled so that text is laid out as at 100 dpi everywhere.
constexpr qreal kLayoutDpi = 100;

// The resolution at which the document turns point sizes into pixels.
qreal layoutScreenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qreal(qRound(screen->logicalDotsPerInchY())) : kLayoutDpi;
}

} // namespace

QTextCharFormat reportCharFormat(qreal points, int weight)
{
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("Arial"));
    format.setFontPointSize(points * kLayoutDpi / layoutScreenDpi());
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
