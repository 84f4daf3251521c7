#pragma once

#include "catalogue/productcatalogue.h"

namespace Ui {
class MainWindow;
}
class QModelIndex;
class QWidget;
class PortGating;
class PortLabels;
class PortPanel;
class PortTable;

// Which ports the panel edits: chosen by clicks on the port labels, by a
// row of the table, or with "Select All" / "Deselect All". Ctrl-click only
// adds ports of the kind already selected, so one gating fits them all.
class PortSelection
{
public:
    PortSelection(Ui::MainWindow *ui, SwitchConfig &config, PortLabels &labels, PortPanel &panel,
                  PortGating &gating, PortTable &table, QWidget *window);

    void singleClick(int port); // label_singleclick
    void controlClick(int port); // label_controlclick
    void selectAllClicked(bool checked);
    void deselectAllClicked(bool checked);
    void tableClicked(const QModelIndex &index);
    // Before a table edit: the edited row becomes the selected port.
    void followTableEdit(int row);

    void clearPortSelection();
    void selectSinglePort(int port);
    // Set a radio button without its group unchecking the other one and
    // without a click signal.
    void setSelectAllChecked(bool checked);
    void setDeselectAllChecked(bool checked);

private:
    PortKind kindOf(int port) const;

    Ui::MainWindow *ui;
    SwitchConfig &m_config;
    PortLabels &m_labels;
    PortPanel &m_panel;
    PortGating &m_gating;
    PortTable &m_table;
    QWidget *m_window;
};
