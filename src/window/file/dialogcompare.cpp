#include "window/file/dialogcompare.h"

#include "core/catalogue/productcatalogue.h"
#include "ui_dialogcompare.h"
#include "window/file/describedfile.h"
#include "window/file/errorlogmodel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>

DialogCompare::DialogCompare(const QVector<ConfigDifference> &differences, const QString &path,
                             int fileRow, int currentRow, const QVector<RejectedLine> &rejected,
                             QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DialogCompare)
    , m_differences(differences)
{
    m_ui->setupUi(this);
    const QString file = describedFile(path, fileRow);
    const QString current = catalogueRow(currentRow).modelName;
    showFileLine(m_ui->label_comparedWith, tr("Compared with: %1").arg(file));
    m_heading = tr("Current configuration (%1) compared with %2").arg(current, file);
    m_ui->label_summary->setText(differenceSummary(differences.size()));
    if (fileRow != currentRow) {
        m_ui->label_models->setText(tr("The file is for %1; the current configuration is for %2.")
                                        .arg(catalogueRow(fileRow).modelName, current));
    }
    m_ui->label_models->setVisible(fileRow != currentRow);

    QTableWidget *table = m_ui->tableWidget_differences;
    table->setRowCount(differences.size());
    for (int row = 0; row < differences.size(); ++row) {
        const ConfigDifference &d = differences.at(row);
        const QString cells[] = {d.setting, d.port ? QString::number(d.port) : QString(), d.first,
                                 d.second};
        for (int column = 0; column < 4; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    // Rows of one text line: the list may run to hundreds of rows.
    const int rowHeight = fontMetrics().height() + 6;
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->resizeColumnsToContents();
    m_ui->pushButton_copy->setEnabled(!differences.isEmpty());

    m_ui->tableView_rejectedLines->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_ui->tableView_rejectedLines->setModel(new ErrorLogModel(rejected, this));
    m_ui->tableView_rejectedLines->resizeColumnsToContents();
    m_ui->label_rejectedLines->setVisible(!rejected.isEmpty());
    m_ui->tableView_rejectedLines->setVisible(!rejected.isEmpty());
}

DialogCompare::~DialogCompare() = default;

void DialogCompare::on_pushButton_copy_clicked()
{
    QGuiApplication::clipboard()->setText(
        m_heading + QLatin1Char('\n') +
        differencesText(m_differences, tr("Current Value"), tr("File's Value")));
}
