#pragma once

#include <QObject>

class ConfigEditor;
class PortTableModel;
class PortTableView;

// The "Active/Configured Port Settings" table: sets up the view with the
// model over the record and the three cell editors, and turns a click on a
// row, or a step of the keyboard to it, into the selection of that port.
class PortTable : public QObject
{
    Q_OBJECT

public:
    PortTable(PortTableView *view, ConfigEditor *editor, QObject *parent = nullptr);

    PortTableModel *model() const { return m_model; }
    // After the model or the whole configuration changed.
    void reload();
    // Gives the table the keyboard focus, its current cell on the row of
    // port `row` (where the keyboard goes on from), without choosing it.
    void takeFocus(int row);

private:
    PortTableView *m_view;
    PortTableModel *m_model;
};
