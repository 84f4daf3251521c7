#include "window/file/dialogerrorlog.h"

#include "ui_dialogerrorlog.h"
#include "window/file/describedfile.h"
#include "window/file/errorlogmodel.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>

DialogErrorLog::DialogErrorLog(const QVector<RejectedLine> &rejected, const QString &path, int row,
                               QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DialogErrorLog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Error Log"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    showFileLine(m_ui->label_file, tr("File: %1").arg(describedFile(path, row)));

    m_ui->tableView_errorLog->setModel(new ErrorLogModel(rejected, this));
    fitColumns();
    growToShowColumns();
    setRemark(QString());
}

void DialogErrorLog::setRemark(const QString &remark)
{
    m_ui->label_remark->setText(remark);
    m_ui->label_remark->setVisible(!remark.isEmpty());
}

void DialogErrorLog::fitColumns()
{
    QTableView *table = m_ui->tableView_errorLog;
    QHeaderView *header = table->horizontalHeader();
    // Keys of one family differ only at their end, so the columns are as
    // wide as their header and their cells. The rows in view and a sample
    // of the others are measured, which keeps a file of 100,000 rejected
    // lines quick.
    constexpr int kRowsMeasuredBeyondView = 200;
    header->setResizeContentsPrecision(kRowsMeasuredBeyondView);
    table->resizeColumnsToContents();
    // A value may run to 200 characters; the reason after it stays in view.
    header->setStretchLastSection(false);
    for (int column = 0; column < header->count(); ++column) {
        header->setSectionResizeMode(column,
                                     column == ErrorLogModel::kValueColumn
                                         ? QHeaderView::Stretch
                                         : QHeaderView::Interactive);
    }
    table->setTextElideMode(Qt::ElideRight);
}

void DialogErrorLog::growToShowColumns()
{
    const QTableView *table = m_ui->tableView_errorLog;
    const QAbstractItemView *cells = table; // whose size hints are public
    int tableWidth = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
        table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        if (column != ErrorLogModel::kValueColumn)
            tableWidth += table->columnWidth(column);
    }
    // The value is given room for a usual one; a longer one is cut short
    // rather than widening the dialog.
    constexpr int kValueCharacters = 40;
    const int valueWidth =
        qMax(table->horizontalHeader()->sectionSizeHint(ErrorLogModel::kValueColumn),
             cells->sizeHintForColumn(ErrorLogModel::kValueColumn));
    tableWidth += qMin(valueWidth, fontMetrics().averageCharWidth() * kValueCharacters);
    const QMargins margins = layout()->contentsMargins();
    resize(qMax(tableWidth + margins.left() + margins.right(), width()), height());
    keepWithinScreen();
}

void DialogErrorLog::keepWithinScreen()
{
    if (const QScreen *shown = screen()) {
        // The frame is known once the window is shown.
        const int frame = frameGeometry().width() - geometry().width();
        const int room = shown->availableGeometry().width() - frame;
        if (width() > room)
            resize(room, height());
    }
}

void DialogErrorLog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    keepWithinScreen();
}

DialogErrorLog::~DialogErrorLog() = default;

void DialogErrorLog::on_pushButton_clicked()
{
    close();
}
