#include "report/reportformats.h"

QTextCharFormat reportCharFormat(qreal points, int weight)
{
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("Arial"));
    format.setFontPointSize(points);
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
