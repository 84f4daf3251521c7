#include "window/file/errorlogmodel.h"

#include <QFont>

namespace {

constexpr int kColumnCount = 5;

} // namespace

ErrorLogModel::ErrorLogModel(const QVector<RejectedLine> &rejected, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rejected(rejected)
{ }

int ErrorLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rejected.size();
}

int ErrorLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ErrorLogModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rejected.size())
        return QVariant();
    const ErrorLogRow row = errorLogRow(m_rejected.at(index.row()));
    const QString cells[] = {row.lineNumber, row.key, row.index, row.value, row.reason};
    return cells[index.column()];
}

QVariant ErrorLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::FontRole) {
        QFont font;
        font.setPointSize(10);
        font.setBold(false);
        return font;
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    static const char *const labels[] = {QT_TR_NOOP("Line No."), QT_TR_NOOP("Parameter Name"),
                                         QT_TR_NOOP("Index"), QT_TR_NOOP("Value"),
                                         QT_TR_NOOP("Error Reason")};
    return tr(labels[section]);
}
