#include "window/batch/switchlistmodel.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

const QColor SwitchListModel::kProblemBackground(0xb7, 0x1c, 0x1c);
const QColor SwitchListModel::kProblemText(Qt::white);

namespace {

// The text of a row's cell in `column`, for reading and for typing.
template<typename Row> auto &cellOf(Row &row, int column)
{
    switch (column) {
    case BatchColumn::File:
        return row.fileName;
    case BatchColumn::Location:
        return row.location;
    case BatchColumn::Contact:
        return row.contact;
    case BatchColumn::Serial:
        return row.serial;
    default:
        return row.overrides[column - BatchColumn::FirstOverride];
    }
}

} // namespace

SwitchListModel::SwitchListModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void SwitchListModel::setList(const SwitchList &list)
{
    beginResetModel();
    m_list = list;
    // Every row has a cell for every override column.
    for (SwitchListRow &row : m_list.rows) {
        while (row.overrides.size() < m_list.overrideColumns.size())
            row.overrides << QString();
    }
    m_problems.clear();
    endResetModel();
}

void SwitchListModel::setProblems(const QVector<BatchCellProblem> &problems)
{
    QHash<quint64, QString> marked;
    for (const BatchCellProblem &problem : problems) {
        QString &reason = marked[key(problem.row, problem.column)];
        // One cell may fail for more than one reason (a name used twice
        // that also exists): each is told.
        if (!reason.contains(problem.reason))
            reason += (reason.isEmpty() ? QString() : QStringLiteral("\n")) + problem.reason;
    }
    if (marked == m_problems)
        return;
    m_problems = marked;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole});
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QString SwitchListModel::problemAt(int row, int column) const
{
    return m_problems.value(key(row, column));
}

void SwitchListModel::addRow(int row)
{
    const int at = row < 0 || row >= rowCount() ? rowCount() : row + 1;
    beginInsertRows(QModelIndex(), at, at);
    SwitchListRow added;
    for (int i = 0; i < m_list.overrideColumns.size(); ++i)
        added.overrides << QString();
    m_list.rows.insert(at, added);
    endInsertRows();
}

void SwitchListModel::addOverrideColumn(const QString &name)
{
    const int at = columnCount();
    beginInsertColumns(QModelIndex(), at, at);
    m_list.overrideColumns << name;
    for (SwitchListRow &row : m_list.rows)
        row.overrides << QString();
    endInsertColumns();
}

bool SwitchListModel::removeOverrideColumn(int column)
{
    const int overrideIndex = column - BatchColumn::FirstOverride;
    if (overrideIndex < 0 || overrideIndex >= m_list.overrideColumns.size())
        return false;
    beginRemoveColumns(QModelIndex(), column, column);
    m_list.overrideColumns.removeAt(overrideIndex);
    for (SwitchListRow &row : m_list.rows)
        row.overrides.removeAt(overrideIndex);
    m_problems.clear(); // the columns after it moved; the next plan marks again
    endRemoveColumns();
    return true;
}

int SwitchListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.rows.size();
}

int SwitchListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : BatchColumn::FirstOverride + m_list.overrideColumns.size();
}

QVariant SwitchListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    const QString problem = problemAt(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellOf(m_list.rows.at(index.row()), index.column());
    case Qt::ToolTipRole:
        return problem.isEmpty() ? QVariant() : QVariant(problem);
    case Qt::BackgroundRole:
        return problem.isEmpty() ? QVariant() : QVariant(kProblemBackground);
    case Qt::ForegroundRole:
        return problem.isEmpty() ? QVariant() : QVariant(kProblemText);
    default:
        return QVariant();
    }
}

bool SwitchListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() ||
        index.column() >= columnCount())
        return false;
    QString &text = cellOf(m_list.rows[index.row()], index.column());
    const QString typed = value.toString();
    if (text == typed)
        return true;
    text = typed;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags SwitchListModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) |
        (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QVariant SwitchListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString problem = problemAt(-1, section);
    switch (role) {
    case Qt::DisplayRole:
        return batchColumnName(m_list, section);
    case Qt::ToolTipRole:
        return problem.isEmpty() ? QVariant() : QVariant(problem);
    case Qt::ForegroundRole: {
        if (problem.isEmpty())
            return QVariant();
        // A head's text is drawn on the header's own colour: a dark red on
        // a light header, a light red on a dark one.
        const bool darkHeader =
            QGuiApplication::palette().color(QPalette::Button).lightness() < 128;
        return darkHeader ? QColor(0xff, 0x8a, 0x80) : kProblemBackground;
    }
    default:
        return QVariant();
    }
}

bool SwitchListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_list.rows.remove(row, count);
    m_problems.clear();
    endRemoveRows();
    return true;
}
