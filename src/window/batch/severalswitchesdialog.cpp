#include "window/batch/severalswitchesdialog.h"

#include "core/file/configkeytable.h"
#include "core/file/configwriter.h"
#include "core/file/filenaming.h"
#include "core/file/outputfile.h"
#include "ui_severalswitchesdialog.h"
#include "window/batch/batchprogress.h"
#include "window/batch/switchlistmodel.h"
#include "window/ground/busycursor.h"
#include "window/ground/prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QUrl>

#include <string>

namespace {

const QString kListFilter = QStringLiteral("Switch List (*.csv)");

// Hands every key typed in a cell to the model at once, so the list is
// checked as the user types, not only when the cell is left.
class TypedAtOnceDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            connect(line, &QLineEdit::textEdited, this, [this, line] {
                emit const_cast<TypedAtOnceDelegate *>(this)->commitData(line);
            });
        }
        return editor;
    }
};

QString counted(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

int rowsHoldingSomething(const SwitchList &list)
{
    return int(std::count_if(list.rows.cbegin(), list.rows.cend(),
                             [](const SwitchListRow &row) { return !isBlankRow(row); }));
}

} // namespace

SeveralSwitchesDialog::SeveralSwitchesDialog(const EditorState &state,
                                             const SeveralSwitchesInput &input, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SeveralSwitchesDialog)
    , m_template(state)
    , m_model(new SwitchListModel(this))
{
    m_ui->setupUi(this);
    m_ui->label_template->setText(
        tr("The configuration being edited (%1) is the template: each row makes one file "
           "from it. Empty cells keep the template's value.")
            .arg(state.row().modelName));
    m_ui->tableView_switches->setModel(m_model);
    m_ui->tableView_switches->setItemDelegate(new TypedAtOnceDelegate(m_ui->tableView_switches));
    m_ui->tableView_switches->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_ui->tableView_switches->horizontalHeader()->setDefaultSectionSize(150);
    // Ctrl+V in the table pastes a block, as in a spreadsheet.
    auto *paste = new QShortcut(QKeySequence::Paste, m_ui->tableView_switches);
    paste->setContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this,
            &SeveralSwitchesDialog::on_pushButton_paste_clicked);
    fillOverrideKeys();
    m_model->setList(input.list);
    m_ui->lineEdit_outputFolder->setText(QDir::toNativeSeparators(input.folder));
    m_ui->checkBox_reports->setChecked(input.withReports);
    m_ui->checkBox_replace->setChecked(input.replaceExisting);

    connect(m_model, &QAbstractItemModel::modelReset, this, &SeveralSwitchesDialog::replan);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QVector<int> &roles) {
                // The marks the plan sets are no change of the list.
                if (roles.isEmpty() || roles.contains(Qt::EditRole))
                    replan();
            });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &SeveralSwitchesDialog::replan);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &SeveralSwitchesDialog::replan);
    connect(m_model, &QAbstractItemModel::columnsInserted, this, &SeveralSwitchesDialog::replan);
    connect(m_model, &QAbstractItemModel::columnsRemoved, this, &SeveralSwitchesDialog::replan);
    connect(m_ui->lineEdit_outputFolder, &QLineEdit::textChanged, this,
            &SeveralSwitchesDialog::replan);
    connect(m_ui->checkBox_reports, &QCheckBox::toggled, this, &SeveralSwitchesDialog::replan);
    connect(m_ui->checkBox_replace, &QCheckBox::toggled, this, &SeveralSwitchesDialog::replan);
    replan();
}

SeveralSwitchesDialog::~SeveralSwitchesDialog() = default;

SeveralSwitchesInput SeveralSwitchesDialog::input() const
{
    return {m_model->list(), folder(), m_ui->checkBox_reports->isChecked(),
            m_ui->checkBox_replace->isChecked()};
}

QString SeveralSwitchesDialog::folder() const
{
    return QDir::fromNativeSeparators(m_ui->lineEdit_outputFolder->text().trimmed());
}

void SeveralSwitchesDialog::fillOverrideKeys()
{
    // The settings a file of the template's model holds, but for the texts,
    // which have columns of their own.
    const SwitchConfig &config = m_template.config;
    QSet<QByteArray> written;
    for (const QByteArray &line : configFileBytes(config, {}, QDate()).split('\n'))
        written.insert(line.left(line.indexOf(',')));
    const auto &rows = ConfigKeyTable::rows();
    for (int i = 0; i < int(rows.size()); ++i) {
        const ConfigKey &row = rows[i];
        const QByteArray key(row.key.data(), int(row.key.size()));
        if (!row.isTextKey() && written.contains(key))
            m_ui->comboBox_overrideKey->addItem(QString::fromLatin1(key), i);
    }
}

void SeveralSwitchesDialog::on_comboBox_overrideKey_currentIndexChanged(int item)
{
    const QVariant keyRow = m_ui->comboBox_overrideKey->itemData(item);
    if (!keyRow.isValid())
        return;
    const ConfigKey &row = ConfigKeyTable::rows()[keyRow.toInt()];
    m_ui->spinBox_overrideIndex->setRange(row.minIndex, row.maxIndexFor(m_template.config));
}

void SeveralSwitchesDialog::on_pushButton_addColumn_clicked()
{
    const QString name = m_ui->comboBox_overrideKey->currentText() + QLatin1Char(':') +
        QString::number(m_ui->spinBox_overrideIndex->value());
    if (!m_model->list().overrideColumns.contains(name))
        m_model->addOverrideColumn(name);
}

void SeveralSwitchesDialog::on_pushButton_removeColumn_clicked()
{
    m_model->removeOverrideColumn(m_ui->tableView_switches->currentIndex().column());
}

void SeveralSwitchesDialog::on_pushButton_addRow_clicked()
{
    m_model->addRow(m_ui->tableView_switches->currentIndex().row());
}

void SeveralSwitchesDialog::on_pushButton_removeRows_clicked()
{
    // The rows of the selected cells, from the last, so the others keep
    // their places.
    QList<int> rows;
    for (const QModelIndex &index : m_ui->tableView_switches->selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        m_model->removeRow(row);
}

void SeveralSwitchesDialog::on_pushButton_paste_clicked()
{
    pasteBlock(QApplication::clipboard()->text());
}

void SeveralSwitchesDialog::pasteBlock(const QString &block)
{
    bool hadHeader = false;
    const QVector<QStringList> cells = parseTabSeparated(block, &hadHeader);
    if (cells.isEmpty())
        return;
    if (hadHeader)
        pasteWithHeader(cells);
    else
        pasteCells(cells);
}

void SeveralSwitchesDialog::pasteWithHeader(const QVector<QStringList> &cells)
{
    QString error;
    const std::optional<SwitchList> pasted = switchListFromCells(cells, &error);
    if (!pasted) {
        Prompts::information(this, tr("Paste"),
                             tr("The pasted rows cannot be read: %1").arg(error));
        return;
    }
    // Rows of a table holding nothing yet are replaced; otherwise the pasted
    // rows are added, their columns matched by name.
    m_model->setList(withRowsAdded(m_model->list(), *pasted));
}

void SeveralSwitchesDialog::pasteCells(const QVector<QStringList> &cells)
{
    const QModelIndex current = m_ui->tableView_switches->currentIndex();
    const int firstRow = current.isValid() ? current.row() : 0;
    const int firstColumn = current.isValid() ? current.column() : 0;
    int leftOut = 0;
    {
        m_pasting = true;
        while (m_model->rowCount() < firstRow + cells.size())
            m_model->addRow(-1);
        for (int r = 0; r < cells.size(); ++r) {
            for (int c = 0; c < cells[r].size(); ++c) {
                const int column = firstColumn + c;
                if (column >= m_model->columnCount()) {
                    leftOut += cells[r][c].isEmpty() ? 0 : 1;
                    continue;
                }
                m_model->setData(m_model->index(firstRow + r, column), cells[r][c], Qt::EditRole);
            }
        }
        m_pasting = false;
    }
    replan();
    if (leftOut > 0)
        Prompts::information(this, tr("Paste"),
                             counted(leftOut, tr("1 cell"), tr("%1 cells")) +
                                 tr(" beyond the last column left out. Add the override "
                                    "columns first, or paste the rows with a header row."));
}

void SeveralSwitchesDialog::on_pushButton_import_clicked()
{
    const QString title = tr("Import Switch List");
    const QString path = Prompts::openFileName(this, title, folder(), kListFilter);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::information(this, tr("Unable to open file"), file.errorString());
        return;
    }
    QString error;
    const std::optional<SwitchList> list = parseSwitchList(file.readAll(), &error);
    if (!list) {
        Prompts::information(
            this, title, tr("%1 is no switch list: %2").arg(QDir::toNativeSeparators(path), error));
        return;
    }
    importList(*list);
}

void SeveralSwitchesDialog::importList(const SwitchList &list)
{
    const int held = rowsHoldingSomething(m_model->list());
    if (held == 0) {
        m_model->setList(list);
        return;
    }
    // Rows typed or pasted are not thrown away unasked.
    const QMessageBox::StandardButton answer = Prompts::question(
        this, tr("Import Switch List"),
        counted(held, tr("The table holds 1 switch."), tr("The table holds %1 switches.")) +
            tr(" Add the imported rows to it, or replace its rows with them?"),
        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Yes,
        {{QMessageBox::Yes, tr("&Add Rows")},
         {QMessageBox::Discard, tr("&Replace Rows")},
         {QMessageBox::Cancel, tr("&Cancel")}});
    if (answer == QMessageBox::Yes)
        m_model->setList(withRowsAdded(m_model->list(), list));
    else if (answer == QMessageBox::Discard)
        m_model->setList(list);
}

void SeveralSwitchesDialog::on_pushButton_export_clicked()
{
    const QString path = Prompts::saveFileName(
        this, tr("Export Switch List"), QDir(folder()).filePath(QStringLiteral("switches.csv")),
        kListFilter, [](const QString &chosen) { return configFilePath(chosen); });
    if (path.isEmpty())
        return;
    QString error;
    if (!writeOutputFile(path, switchListBytes(m_model->list()), &error))
        Prompts::information(this, tr("Unable to open file"), error);
}

void SeveralSwitchesDialog::on_pushButton_chooseFolder_clicked()
{
    const QString chosen = Prompts::existingDirectory(this, tr("Output Folder"), folder());
    if (!chosen.isEmpty())
        m_ui->lineEdit_outputFolder->setText(QDir::toNativeSeparators(chosen));
}

void SeveralSwitchesDialog::replan()
{
    if (m_pasting)
        return;
    const SwitchConfig &config = m_template.config;
    const ConfigFileTexts texts = ConfigFileTexts::fromRecord(config);
    const QString outputFolder = folder();
    m_plan = planBatch(config, texts, m_model->list(), outputFolder,
                       m_ui->checkBox_replace->isChecked(), m_ui->checkBox_reports->isChecked());
    m_model->setProblems(m_plan.problems);

    QStringList lines;
    QStringList headProblems;
    QStringList cellProblems;
    const auto columnName = [this](int column) {
        return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    };
    for (const BatchCellProblem &problem : m_plan.problems) {
        if (problem.row < 0)
            headProblems << tr("Column \"%1\": %2").arg(columnName(problem.column), problem.reason);
        else
            cellProblems << tr("Row %1, %2: %3")
                                .arg(QString::number(problem.row + 1), columnName(problem.column),
                                     problem.reason);
    }
    const bool folderThere = !outputFolder.isEmpty() && QFileInfo(outputFolder).isDir();
    if (m_model->rowCount() == 0)
        lines << tr("Add a switch, paste rows from a spreadsheet or import a list.");
    if (!cellProblems.isEmpty()) {
        // The first few, so the reasons show without pointing at cells.
        constexpr int kListed = 3;
        lines << counted(cellProblems.size(), tr("1 cell"), tr("%1 cells")) +
                tr(" in error, marked red: point at a cell for the reason.");
        lines << cellProblems.mid(0, kListed);
        if (cellProblems.size() > kListed)
            lines << tr("…");
    }
    lines << headProblems;
    if (outputFolder.isEmpty())
        lines << tr("Choose the output folder.");
    else if (!folderThere)
        lines << tr("The output folder does not exist.");
    if (lines.isEmpty())
        lines << counted(m_plan.switches.size(), tr("1 switch"), tr("%1 switches")) +
                (m_plan.withReports ? tr(" ready: a file and a report for each.")
                                    : tr(" ready: a file for each."));
    m_ui->label_problems->setText(lines.join(QLatin1Char('\n')));
    m_ui->pushButton_makeFiles->setEnabled(m_plan.isValid() && folderThere);
}

void SeveralSwitchesDialog::on_pushButton_makeFiles_clicked()
{
    replan(); // the folder may have changed since the last look
    if (!m_ui->pushButton_makeFiles->isEnabled())
        return;
    const QString outputFolder = folder();
    const BatchOutcome outcome = writeBatchWithProgress(m_plan, outputFolder, this);
    showOutcome(outcome, outputFolder);
    replan(); // the files written are there now
}

void SeveralSwitchesDialog::showOutcome(const BatchOutcome &outcome, const QString &outputFolder)
{
    // A long batch names a few files in the message and all of them in its details, so the
    // message fits on the screen.
    const int namesListed = 10;
    QMessageBox box(outcome.succeeded() ? QMessageBox::Information : QMessageBox::Warning,
                    tr("Several Switches"), batchSummaryText(outcome, outputFolder, namesListed),
                    QMessageBox::Close, this);
    const QString allNames = batchSummaryText(outcome, outputFolder);
    if (allNames != box.text())
        box.setDetailedText(allNames);
    QPushButton *openFolder = nullptr;
    if (!outcome.written.isEmpty())
        openFolder = box.addButton(tr("Open Folder"), QMessageBox::ActionRole);
    Prompts::exec(box);
    if (openFolder && box.clickedButton() == openFolder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(outputFolder));
}
