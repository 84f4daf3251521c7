#pragma once

#include "core/batch/switchbatch.h"

#include <QDate>

#include <functional>

// The reports of a batch, as writeBatch asks for them: each switch's report
// with its own serial number after the model's article number, dated
// `date`. `betweenSteps` (may be empty) is called between the steps of each
// report, so that a window can repaint.
BatchReportWriter batchReportWriter(const QDate &date,
                                    const std::function<void()> &betweenSteps = {});
