#pragma once

#include "core/config/portediting.h"

#include <QAbstractTableModel>

class ConfigEditor;

// The port settings table as a view of the record: one row per port of the
// model, one column per port parameter. A cell shows the record's value;
// editing a cell goes through the editor with the panel's rules for that
// port, and only the cells the panel would allow for the port are editable.
class PortTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit PortTableModel(ConfigEditor *editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // After the model or the whole configuration changed.
    void reload();
    // After the record of these ports changed.
    void portsChanged(PortSet ports);

private:
    bool isCell(const QModelIndex &index) const;

    ConfigEditor *m_editor;
    int m_rows = 0;
};
