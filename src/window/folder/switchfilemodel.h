#pragma once

#include "core/folder/switchfolder.h"

#include <QAbstractTableModel>

// The files of a checked folder as table rows: file name, model, serial
// number, location, contact, creation date and result, as the core's
// folder check words them. Rows come in batches while the folder is read.
// The sort role gives each column an order of its own: dates by date,
// results by how badly the file fared.
class SwitchFileModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { File, Model, Serial, Location, Contact, CreationDate, Result, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    explicit SwitchFileModel(QObject *parent = nullptr);

    void clear();
    void appendRows(const QVector<SwitchFileRow> &rows);
    const QVector<SwitchFileRow> &rows() const { return m_rows; }
    const SwitchFileRow &fileAt(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const SwitchFileRow &row, int column) const;

    QVector<SwitchFileRow> m_rows;
};
