#include "file/dialogerrorlog.h"

#include "ui_dialogerrorlog.h"

DialogErrorLog::DialogErrorLog(const QVector<RejectedLine> &rejected, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DialogErrorLog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Error Log"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    QTableWidget *table = m_ui->tableWidget_errorLog;
    table->setColumnCount(5);
    const int widths[] = {50, 100, 50, 50, 50};
    for (int column = 0; column < 5; ++column)
        table->setColumnWidth(column, widths[column]);
    table->setHorizontalHeaderLabels(
        {tr("Line No."), tr("Parameter Name"), tr("Index"), tr("Value"), tr("Error Reason")});

    // All rows at once: growing the table row by row costs a header update
    // per row, which a file of many bad lines cannot afford.
    table->setRowCount(rejected.size());
    for (int r = 0; r < rejected.size(); ++r) {
        const ErrorLogRow row = errorLogRow(rejected.at(r));
        const QString cells[] = {row.lineNumber, row.key, row.index, row.value, row.reason};
        for (int column = 0; column < 5; ++column)
            table->setItem(r, column, new QTableWidgetItem(cells[column]));
    }
}

DialogErrorLog::~DialogErrorLog() = default;

void DialogErrorLog::on_pushButton_clicked()
{
    close();
}
