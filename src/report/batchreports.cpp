#include "report/batchreports.h"

#include "report/reportgenerator.h"

BatchReportWriter batchReportWriter(const QDate &date, const std::function<void()> &betweenSteps)
{
    return [date, betweenSteps](const BatchSwitch &one, const QString &pdfPath, QString *error) {
        ReportGenerator report(one.config, serialNumberText(one.config.model(), one.serial),
                               pdfPath, date);
        report.setBetweenSteps(betweenSteps);
        if (report.generate())
            return true;
        *error = report.errorString();
        return false;
    };
}
