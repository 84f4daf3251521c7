#include "window/file/dialogerrorlog.h"

#include "ui_dialogerrorlog.h"
#include "window/file/errorlogmodel.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>

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
    // Keys of one family differ only at their end, so every column is as
    // wide as its header and its cells; the values are already cut short.
    // The rows in view and a sample of the others are measured, which keeps
    // a file of 100,000 rejected lines quick.
    constexpr int kRowsMeasuredBeyondView = 200;
    table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasuredBeyondView);
    table->resizeColumnsToContents();
    growToShowColumns();
    setRemark(QString());
}

void DialogErrorLog::setRemark(const QString &remark)
{
    m_ui->label_remark->setText(remark);
    m_ui->label_remark->setVisible(!remark.isEmpty());
}

void DialogErrorLog::growToShowColumns()
{
    const QTableView *table = m_ui->tableView_errorLog;
    int tableWidth = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
        table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->model()->columnCount(); ++column)
        tableWidth += table->columnWidth(column);
    const QMargins margins = layout()->contentsMargins();
    int wanted = tableWidth + margins.left() + margins.right();
    wanted = qMax(wanted, width());
    if (const QScreen *shown = screen())
        wanted = qMin(wanted, shown->availableGeometry().width());
    resize(qMax(wanted, minimumSizeHint().width()), height());
}

DialogErrorLog::~DialogErrorLog() = default;

void DialogErrorLog::on_pushButton_clicked()
{
    close();
}
