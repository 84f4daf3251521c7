#pragma once

#include "catalogue/productcatalogue.h"

#include <QString>
#include <QVariant>
#include <QVector>

namespace Ui {
class MainWindow;
}
class QWidget;
class PortGating;
class PortLabels;
class PortTable;

// The "Port Parameters" panel: one widget per port parameter. A change in a
// widget, by the user or by program code, is written into every target port
// (the selected ports, or a fixed range in select-all mode), mirrored into
// the table and, for parameters others depend on, re-gated. A disabled
// widget never writes the record.
class PortPanel
{
public:
    PortPanel(Ui::MainWindow *ui, SwitchConfig &config, PortLabels &labels, PortGating &gating,
              PortTable &table);

    // The handler of every combo box and spin box of the panel except the
    // trust mode: `column` names the parameter (PortColumn), `value` is the
    // new index or spin value.
    void valueChanged(int column, int value);
    void trustModeChanged(int index);
    void classesChanged(const QString &text);

    // showPortInPanel: fills the widgets from one port without writing any
    // port, then shows that port's recorded values in its table row.
    void showPort(int portIndex);

    // A table edit: sets the column's panel widget to `text`, which writes
    // the selected ports by the panel's rules, and stores the value for the
    // edited row. Nothing happens where the panel widget is disabled.
    void applyTableEdit(int row, int column, const QString &text);

    bool selectAllMode() const;
    QWidget *widgetForColumn(int column) const;

private:
    enum class Targets { Standard, PoE, PortPriority };
    enum class Regate { Never, Always, InSelectAllMode };
    struct Row
    {
        int column;
        QWidget *widget;
        int storedOffset; // stored value = index + offset
        Targets targets;
        Regate regate;
    };

    const Row *rowFor(int column) const;
    QVector<int> targetPorts(Targets targets) const;
    PortKind kindOf(int portIndex) const;
    void applyAutoNegotiationRule(int portIndex, bool selectAll);
    bool writesCellOnlyWhenStored(int column, bool selectAll) const;
    QVariant cellValue(const Row &row) const;

    Ui::MainWindow *ui;
    SwitchConfig &m_config;
    PortLabels &m_labels;
    PortGating &m_gating;
    PortTable &m_table;
    QVector<Row> m_rows;
    QString m_lastAcceptedClasses;
};
