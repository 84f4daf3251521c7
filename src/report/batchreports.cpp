#include "report/batchreports.h"

#include "core/catalogue/productcatalogue.h"
#include "report/reportgenerator.h"

BatchReportMaker batchReportMaker(int modelIndex, const QDate &date)
{
    const QString serialStart = articleNumber(modelIndex) + QLatin1Char('-');
    return [modelIndex, date, serialStart](const BatchSwitch &one,
                                           QString *error) -> std::optional<QByteArray> {
        ReportGenerator report(modelIndex, one.config, serialStart + one.serial, QString(), date);
        std::optional<QByteArray> pdf = report.pdf();
        if (!pdf)
            *error = report.errorString();
        return pdf;
    };
}
