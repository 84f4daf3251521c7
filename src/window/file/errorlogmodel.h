#pragma once

#include "core/file/errorlog.h"

#include <QAbstractTableModel>

// The refused lines of a file as table rows: line number, key, index, value
// and the reason. A file may have a hundred thousand of them: the cells are
// made only when a view shows them, not held as items.
class ErrorLogModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kValueColumn = 3;

    ErrorLogModel(const QVector<RejectedLine> &rejected, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QVector<RejectedLine> m_rejected;
};
