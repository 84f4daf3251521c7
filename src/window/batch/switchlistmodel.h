#pragma once

#include "core/batch/switchbatch.h"
#include "core/batch/switchlist.h"

#include <QAbstractTableModel>
#include <QHash>

// The switch list of "Several Switches" as a table: one row per switch,
// the columns "file", "location", "contact", "serial" and one per override
// ("KEY:INDEX"), as the list's CSV names them. Every cell can be typed in.
// The problems the batch's plan finds are shown on their cells: a red
// background and the reason as tool tip. The model holds the list; it
// knows no rule of its own.
class SwitchListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SwitchListModel(QObject *parent = nullptr);

    const SwitchList &list() const { return m_list; }
    void setList(const SwitchList &list);

    // Marks the cells the problems name; problems of the header (row -1)
    // mark the column's head.
    void setProblems(const QVector<BatchCellProblem> &problems);
    // The reason shown on a cell, empty when it has none.
    QString problemAt(int row, int column) const;

    // An empty row after `row` (at the end for -1).
    void addRow(int row);
    void addOverrideColumn(const QString &name);
    // Only override columns can go; false for the fixed ones.
    bool removeOverrideColumn(int column);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // The background of a cell in error: a red both light and dark palettes
    // show, with a text colour that keeps its contrast on it.
    static const QColor kProblemBackground;
    static const QColor kProblemText;

private:
    static quint64 key(int row, int column)
    {
        return (quint64(quint32(row)) << 32) | quint32(column);
    }

    SwitchList m_list;
    QHash<quint64, QString> m_problems; // by row and column; row -1 for a head
};
