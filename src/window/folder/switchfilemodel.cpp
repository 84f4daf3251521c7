#include "window/folder/switchfilemodel.h"

#include <QDate>

namespace {

// "07/03/2024", or as a spreadsheet rewrote it, "07/03/24".
QDate dateOf(const QString &text)
{
    QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("dd/MM/yy")).addYears(100);
    return date;
}

} // namespace

SwitchFileModel::SwitchFileModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void SwitchFileModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void SwitchFileModel::appendRows(const QVector<SwitchFileRow> &rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + rows.size() - 1);
    m_rows += rows;
    endInsertRows();
}

int SwitchFileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int SwitchFileModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString SwitchFileModel::text(const SwitchFileRow &row, int column) const
{
    switch (column) {
    case File:
        return row.name;
    case Model:
        return switchFileModel(row);
    case Serial:
        return switchFileSerial(row);
    case Location:
        return row.texts.location;
    case Contact:
        return row.texts.contactName;
    case CreationDate:
        return row.creationDate;
    case Result:
        return switchFileResult(row);
    }
    return QString();
}

QVariant SwitchFileModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const SwitchFileRow &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole: // the whole text of a cell cut short
        return text(row, index.column());
    case SortRole:
        if (index.column() == CreationDate) {
            const QDate date = dateOf(row.creationDate);
            return date.isValid() ? QVariant(date.toJulianDay()) : QVariant(qint64(0));
        }
        if (index.column() == Result)
            return QStringLiteral("%1 %2")
                .arg(switchFileStatus(row))
                .arg(row.rejected.size(), 9, 10, QLatin1Char('0'));
        return text(row, index.column()).toCaseFolded();
    default:
        return QVariant();
    }
}

QVariant SwitchFileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const heads[] = {QT_TR_NOOP("File"),          QT_TR_NOOP("Model"),
                                        QT_TR_NOOP("Serial Number"), QT_TR_NOOP("Location"),
                                        QT_TR_NOOP("Contact"),       QT_TR_NOOP("Creation Date"),
                                        QT_TR_NOOP("Result")};
    return tr(heads[section]);
}
