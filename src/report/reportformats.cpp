#include "report/reportformats.h"

QTextCharFormat reportCharFormat(qreal points, int weight)
{
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("Arial"));
    format.setFontPointSize(points);
    format.setFontWeight(weight);
    return format;
}
