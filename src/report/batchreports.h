#pragma once

#include "core/batch/switchbatch.h"

#include <QDate>

// The reports of a batch, for the window and the command line alike: each
// switch's report as "Export" makes it, with the serial number as the
// window shows it (the model's article number, "-", the switch's digits)
// and `date` as its date. The maker may run on any thread, several at a
// time.
BatchReportMaker batchReportMaker(const QDate &date);
