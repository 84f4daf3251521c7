#include "report/batchreports.h"

#include "core/catalogue/productcatalogue.h"
#include "report/reportgenerator.h"

BatchReportMaker batchReportMaker(const QDate &date)
{
    return [date](const BatchSwitch &one, QString *error) -> std::optional<QByteArray> {
        ReportGenerator report(one.config, serialNumberText(one.config.model(), one.serial),
                               QString(), date);
        std::optional<QByteArray> pdf = report.pdf();
        if (!pdf)
            *error = report.errorString();
        return pdf;
    };
}
