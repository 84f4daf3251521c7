#pragma once

#include "core/batch/switchbatch.h"

class QWidget;

// Writes the files of a valid plan into `folder`, the reports made on
// worker threads, showing "Writing file 12 of 40…" in a progress dialog
// that can be cancelled and keeps the window repainting while they are
// made.
BatchOutcome writeBatchWithProgress(const BatchPlan &plan, const QString &folder, QWidget *parent);
