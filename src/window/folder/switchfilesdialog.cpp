#include "window/folder/switchfilesdialog.h"

#include "core/file/filenaming.h"
#include "core/file/outputfile.h"
#include "core/file/spreadsheettraces.h"
#include "core/folder/folderswitchlist.h"
#include "ui_switchfilesdialog.h"
#include "window/file/dialogerrorlog.h"
#include "window/folder/folderscan.h"
#include "window/folder/switchfilemodel.h"
#include "window/ground/prompts.h"

#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>

#include <algorithm>

namespace {

// A message lists this many files left out and counts the rest.
constexpr int kLeftOutListed = 12;

QString leftOutText(const QVector<LeftOutFile> &leftOut)
{
    QStringList lines;
    for (int i = 0; i < leftOut.size() && i < kLeftOutListed; ++i)
        lines << leftOut.at(i).name + QStringLiteral(": ") + leftOut.at(i).reason;
    if (leftOut.size() > kLeftOutListed)
        lines << QObject::tr("and %1 more").arg(leftOut.size() - kLeftOutListed);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

SwitchFilesDialog::SwitchFilesDialog(const QString &folder,
                                     std::function<bool(const QString &)> openFile, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SwitchFilesDialog)
    , m_folder(folder)
    , m_openFile(std::move(openFile))
    , m_model(new SwitchFileModel(this))
    , m_shown(new QSortFilterProxyModel(this))
{
    m_ui->setupUi(this);
    m_ui->label_folder->setText(tr("Folder: %1").arg(QDir::toNativeSeparators(folder)));
    m_shown->setSourceModel(m_model);
    m_shown->setSortRole(SwitchFileModel::SortRole);
    m_shown->setFilterKeyColumn(-1);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    QTableView *table = m_ui->tableView_files;
    table->setModel(m_shown);
    table->setAccessibleName(tr("Switch files"));
    table->sortByColumn(SwitchFileModel::File, Qt::AscendingOrder);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    fitColumns();

    connect(m_ui->lineEdit_filter, &QLineEdit::textChanged, m_shown,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(table, &QAbstractItemView::activated, this, &SwitchFilesDialog::openRow);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SwitchFilesDialog::showCurrentRow);
    // A filter may take the current row away without a new one.
    connect(m_shown, &QAbstractItemModel::layoutChanged, this, &SwitchFilesDialog::showCurrentRow);
    connect(m_shown, &QAbstractItemModel::rowsRemoved, this, &SwitchFilesDialog::showCurrentRow);
    startScan();
}

SwitchFilesDialog::~SwitchFilesDialog() = default;

bool SwitchFilesDialog::isScanning() const
{
    return m_scan && m_scan->isRunning();
}

void SwitchFilesDialog::startScan()
{
    delete m_scan; // cancels and waits; its rows still queued go with it
    m_model->clear();
    m_scan = new FolderScan(m_folder, m_ui->checkBox_subfolders->isChecked(), this);
    // The scan is the context: rows of a scan that was replaced never arrive.
    connect(m_scan, &FolderScan::listed, m_scan,
            [this](int total) { m_ui->progressBar_scan->setRange(0, total); });
    connect(m_scan, &FolderScan::rowsChecked, m_scan, [this](const QVector<SwitchFileRow> &rows) {
        const bool first = m_model->rowCount() == 0;
        m_model->appendRows(rows);
        if (first)
            fitColumns();
        m_ui->progressBar_scan->setValue(m_model->rowCount());
        m_ui->label_summary->setText(tr("Reading… %1").arg(switchFolderSummary(m_model->rows())));
    });
    connect(m_scan, &FolderScan::finished, m_scan, [this](bool cancelled) { scanDone(cancelled); });
    m_ui->progressBar_scan->setRange(0, 0);
    m_ui->progressBar_scan->setValue(0);
    m_ui->progressBar_scan->show();
    m_ui->pushButton_cancel->show();
    m_ui->pushButton_saveList->setEnabled(false);
    m_ui->label_summary->setText(tr("Reading…"));
    showCurrentRow();
    m_scan->start();
}

void SwitchFilesDialog::scanDone(bool cancelled)
{
    m_ui->progressBar_scan->hide();
    m_ui->pushButton_cancel->hide();
    m_ui->pushButton_saveList->setEnabled(true);
    const QString summary = switchFolderSummary(m_model->rows());
    m_ui->label_summary->setText(cancelled ? tr("Cancelled: %1").arg(summary) : summary);
    fitColumns();
    emit scanFinished();
}

void SwitchFilesDialog::fitColumns()
{
    // As wide as the heads and a sample of the cells, in the font the desk
    // uses; a long name or result is cut, its tool tip shows it whole.
    QTableView *table = m_ui->tableView_files;
    constexpr int kRowsMeasured = 200;
    constexpr int kWidestInCharacters = 36;
    table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    table->resizeColumnsToContents();
    const int widest = table->fontMetrics().averageCharWidth() * kWidestInCharacters;
    for (int column = 0; column < SwitchFileModel::Result; ++column)
        table->setColumnWidth(column, qMin(table->columnWidth(column), widest));
}

void SwitchFilesDialog::on_checkBox_subfolders_toggled(bool)
{
    startScan();
}

void SwitchFilesDialog::on_pushButton_cancel_clicked()
{
    if (m_scan)
        m_scan->cancel();
}

const SwitchFileRow *SwitchFilesDialog::currentFile() const
{
    const QModelIndex current = m_shown->mapToSource(m_ui->tableView_files->currentIndex());
    return current.isValid() ? &m_model->fileAt(current.row()) : nullptr;
}

void SwitchFilesDialog::showCurrentRow()
{
    const SwitchFileRow *file = currentFile();
    m_ui->pushButton_open->setEnabled(file && file->namesModel());
    m_ui->pushButton_rejectedLines->setEnabled(file && !file->rejected.isEmpty());
}

void SwitchFilesDialog::openRow(const QModelIndex &index)
{
    const QModelIndex source = m_shown->mapToSource(index);
    if (!source.isValid())
        return;
    const SwitchFileRow &file = m_model->fileAt(source.row());
    if (!file.namesModel())
        return; // nothing Open could load: the result says why
    if (m_openFile && m_openFile(file.path))
        accept();
}

void SwitchFilesDialog::on_pushButton_open_clicked()
{
    openRow(m_ui->tableView_files->currentIndex());
}

void SwitchFilesDialog::on_pushButton_rejectedLines_clicked()
{
    const SwitchFileRow *file = currentFile();
    if (!file)
        return;
    DialogErrorLog log(file->rejected, file->path, file->catalogueRow, this);
    if (file->byteOrderMark)
        log.setRemark(byteOrderMarkMessage());
    log.setModal(true);
    Prompts::exec(log);
}

QVector<SwitchFileRow> SwitchFilesDialog::chosenRows() const
{
    QModelIndexList chosen = m_ui->tableView_files->selectionModel()->selectedRows();
    if (chosen.isEmpty())
        return m_model->rows();
    std::vector<int> sourceRows;
    for (const QModelIndex &index : chosen)
        sourceRows.push_back(m_shown->mapToSource(index).row());
    std::sort(sourceRows.begin(), sourceRows.end());
    QVector<SwitchFileRow> rows;
    for (int row : sourceRows)
        rows << m_model->fileAt(row);
    return rows;
}

void SwitchFilesDialog::on_pushButton_saveList_clicked()
{
    const QString title = tr("Save as Switch List");
    const FolderSwitchList made = folderSwitchList(chosenRows());
    if (made.list.rows.isEmpty()) {
        Prompts::information(this, title,
                             tr("None of these files can go into a switch list.") +
                                 (made.leftOut.isEmpty()
                                      ? QString()
                                      : QStringLiteral("\n\n") + leftOutText(made.leftOut)));
        return;
    }
    const QString path = Prompts::saveFileName(
        this, title, QDir(m_folder).filePath(QStringLiteral("switches.csv")),
        tr("Switch List (*.csv)"), [](const QString &chosen) { return configFilePath(chosen); });
    if (path.isEmpty())
        return;
    QString error;
    if (!writeOutputFile(path, switchListBytes(made.list), &error)) {
        Prompts::information(this, tr("Unable to open file"), error);
        return;
    }
    const int count = made.list.rows.size();
    const QString shownPath = QDir::toNativeSeparators(path);
    QString text = count == 1
        ? tr("A switch list of 1 file was written to %1.").arg(shownPath)
        : tr("A switch list of %1 files was written to %2.").arg(QString::number(count), shownPath);
    text += QLatin1Char(' ') +
        tr("With any of these files as template, \"Make Files for Several Switches\" makes them "
           "again.");
    if (!made.leftOut.isEmpty())
        text += QStringLiteral("\n\n") + tr("Left out:") + QLatin1Char('\n') +
            leftOutText(made.leftOut);
    Prompts::information(this, title, text);
}

void SwitchFilesDialog::on_pushButton_close_clicked()
{
    reject();
}
