#pragma once

#include "config/portdelegates.h"
#include "config/switchconfig.h"

#include <QObject>
#include <QVariant>

class QStandardItemModel;
class QTableView;

// The port settings table: one row per port, one column per parameter, a
// second view of the record's ports. Edits in it are passed on as text
// (cellValueEdited) and reach the record through the port panel.
class PortTable : public QObject
{
    Q_OBJECT

public:
    PortTable(QTableView *view, const SwitchConfig &config, QObject *parent = nullptr);

    // buildPortTable: a fresh model and delegates for `portCount` rows.
    void build(int portCount);
    // refreshPortTable: every cell from the record.
    void refresh();
    // One port's cells from the record.
    void refreshRow(int portIndex);
    // Writes one cell unless it already shows `value`.
    void setCell(int row, int column, const QVariant &value);

    QStandardItemModel *model() const { return m_model; }
    TableEditState &editState() { return m_editState; }

    // While the panel writes cells the table must not feed them back to it.
    bool isUpdating() const { return m_updating > 0; }
    class UpdateGuard
    {
    public:
        explicit UpdateGuard(PortTable &table)
            : m_table(table)
        {
            ++m_table.m_updating;
        }
        ~UpdateGuard() { --m_table.m_updating; }
        UpdateGuard(const UpdateGuard &) = delete;
        UpdateGuard &operator=(const UpdateGuard &) = delete;

    private:
        PortTable &m_table;
    };

    // currentCellSelected, the part that belongs to the table: arm the next
    // editor with the clicked cell's value.
    void cellSelected(const QModelIndex &index);

signals:
    // A table editor changed its value to `text`.
    void cellValueEdited(const QString &text);

private:
    QTableView *m_view;
    const SwitchConfig &m_config;
    QStandardItemModel *m_model = nullptr;
    QList<QObject *> m_delegates;
    TableEditState m_editState;
    int m_updating = 0;
};
