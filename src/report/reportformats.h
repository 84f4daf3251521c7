#pragma once

#include "core/config/portparameters.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextCharFormat>

// Formats and texts shared by the pages of the report.

// The grey of heads, boxes and group bars.
const QColor kReportGrey(217, 217, 217, 255);

// A character format of the report's font at `points` and `weight`.
QTextCharFormat reportCharFormat(qreal points, int weight = QFont::Normal);
