#include "config/porttable.h"

#include "config/portcolumns.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int kColumnWidth = 80;
constexpr int kRowHeaderWidth = 60;

} // namespace

PortTable::PortTable(QTableView *view, const SwitchConfig &config, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_config(config)
{ }

void PortTable::build(int portCount)
{
    if (portCount >= kMaxPorts)
        return;

    m_view->setDragEnabled(false);
    m_view->setTabKeyNavigation(false);
    m_view->clearFocus();
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);

    QStandardItemModel *previous = m_model;
    const QList<QObject *> previousDelegates = m_delegates;
    m_delegates.clear();

    m_model = new QStandardItemModel(portCount, PortColumn::Count - 1, this);
    m_view->setModel(m_model);
    for (int column = 0; column < PortColumn::Count - 1; ++column)
        m_view->setColumnWidth(column, kColumnWidth);

    QStringList rowLabels;
    for (int port = 1; port <= portCount; ++port)
        rowLabels << QStringLiteral("Port ") + QString::number(port);
    m_model->setVerticalHeaderLabels(rowLabels);
    QStringList headers;
    for (int column = 0; column < PortColumn::Count; ++column)
        headers << portColumnHeader(column);
    m_model->setHorizontalHeaderLabels(headers);
    m_view->verticalHeader()->setFixedWidth(kRowHeaderWidth);

    auto *combo = new ComboBoxDelegate(m_editState, this);
    auto *spin = new SpinBoxDelegate(m_editState, this);
    auto *line = new LineEditDelegate(m_editState, this);
    connect(combo, &ComboBoxDelegate::currentValueofCombo, this, &PortTable::cellValueEdited,
            Qt::UniqueConnection);
    connect(spin, &SpinBoxDelegate::currentValueChanged, this, &PortTable::cellValueEdited,
            Qt::UniqueConnection);
    connect(line, &LineEditDelegate::currentValueChanged, this, &PortTable::cellValueEdited,
            Qt::UniqueConnection);
    m_delegates = {combo, spin, line};

    for (int column = 0; column < PortColumn::Count; ++column) {
        QAbstractItemDelegate *delegate = combo;
        if (column == PortColumn::BroadcastStormThreshold ||
            column == PortColumn::MulticastStormThreshold ||
            column == PortColumn::AllowedPoEOverride)
            delegate = spin;
        else if (column == PortColumn::AllowedPoEClasses)
            delegate = line;
        m_view->setItemDelegateForColumn(column, delegate);
    }

    // The view no longer refers to the old model and delegates.
    delete previous;
    qDeleteAll(previousDelegates);
}

void PortTable::refresh()
{
    if (!m_model)
        return;
    const int rows = qMin<int>(m_config.portCount, m_model->rowCount());
    for (int port = 0; port < rows; ++port)
        refreshRow(port);
}

void PortTable::refreshRow(int portIndex)
{
    UpdateGuard guard(*this);
    for (int column = 0; column < PortColumn::Count; ++column) {
        if (const auto value = portCellValue(m_config, portIndex, column))
            setCell(portIndex, column, *value);
    }
}

void PortTable::setCell(int row, int column, const QVariant &value)
{
    if (!m_model)
        return;
    const QModelIndex index = m_model->index(row, column);
    if (!index.isValid())
        return;
    // Handlers rewrite the same cells over and over; unchanged ones are
    // skipped so a Select All on a large model stays quick.
    const QVariant current = index.data(Qt::EditRole);
    if (current.userType() == value.userType() && current == value)
        return;
    m_model->setData(index, value, Qt::EditRole);
}

void PortTable::cellSelected(const QModelIndex &index)
{
    m_editState.cellClicked = true;
    refresh();
    m_editState.clickedCellValue = index.data(Qt::DisplayRole).toString();
}
