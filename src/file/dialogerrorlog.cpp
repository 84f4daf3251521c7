#include "file/dialogerrorlog.h"

#include "file/errorlogmodel.h"
#include "ui_dialogerrorlog.h"

DialogErrorLog::DialogErrorLog(const QVector<RejectedLine> &rejected, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DialogErrorLog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Error Log"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    QTableView *table = m_ui->tableView_errorLog;
    table->setModel(new ErrorLogModel(rejected, this));
    const int widths[] = {50, 100, 50, 50, 50};
    for (int column = 0; column < 5; ++column)
        table->setColumnWidth(column, widths[column]);
}

DialogErrorLog::~DialogErrorLog() = default;

void DialogErrorLog::on_pushButton_clicked()
{
    close();
}
