#include "window/batch/batchprogress.h"

#include "report/batchreports.h"
#include "window/ground/busycursor.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeveralSwitchesDialog", text);
}

} // namespace

BatchOutcome writeBatchWithProgress(const BatchPlan &plan, const QString &folder, QWidget *parent)
{
    const int total = plan.switches.size();
    QProgressDialog progress(parent);
    progress.setObjectName(QStringLiteral("progressDialog_batch"));
    progress.setWindowTitle(tr("Several Switches"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, total);
    BusyCursor busy;

    const auto onProgress = [&](int done, int all) {
        progress.setMaximum(all);
        if (done < all)
            progress.setLabelText(tr("Writing file %1 of %2…").arg(done + 1).arg(all));
        progress.setValue(done);
        // The window repaints and the cancel button is heard between files
        // and while the reports are made on the workers.
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const QDate today = QDate::currentDate();
    BatchReportMaker makeReport;
    if (plan.withReports)
        makeReport = batchReportMaker(today);
    return writeBatch(plan, folder, today, onProgress, makeReport);
}
