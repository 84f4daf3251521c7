#include "window/config/porttablemodel.h"

#include "core/config/configeditor.h"
#include "core/config/portparameters.h"

PortTableModel::PortTableModel(ConfigEditor *editor, QObject *parent)
    : QAbstractTableModel(parent)
    , m_editor(editor)
    , m_rows(editor->state().config.portCount())
{ }

bool PortTableModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < m_rows &&
        index.column() < PortColumn::Count;
}

int PortTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int PortTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : PortColumn::Count;
}

QVariant PortTableModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return portCellValue(m_editor->state().config, index.row(), index.column())
        .value_or(QVariant());
}

QVariant PortTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return portColumnHeader(section);
    return QStringLiteral("Port ") + QString::number(section + 1);
}

Qt::ItemFlags PortTableModel::flags(const QModelIndex &index) const
{
    if (!isCell(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int column = index.column();
    if (!portParameter(column)->switchWide &&
        gatingForPort(m_editor->state(), index.row()).isEditable(column))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool PortTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!isCell(index) || role != Qt::EditRole)
        return false;
    return m_editor->editTableCell(index.row(), index.column(), value.toString());
}

void PortTableModel::reload()
{
    // Rows come and go rather than the model being reset: a reset would
    // make the view rebuild and repaint its column header as well.
    const int rows = m_editor->state().config.portCount();
    if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    } else if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, PortColumn::Count - 1));
}

void PortTableModel::portsChanged(PortSet ports)
{
    // One signal for the rows from the first changed port to the last: a
    // view repaints once for an edit of many ports, not once per port.
    int first = -1;
    int last = -1;
    for (int row = 0; row < m_rows; ++row) {
        if ((ports >> row) & 1u) {
            if (first < 0)
                first = row;
            last = row;
        }
    }
    if (first >= 0)
        emit dataChanged(index(first, 0), index(last, PortColumn::Count - 1));
}
