#pragma once

#include <QObject>

class ConfigEditor;
class PortTableModel;
class QTableView;

// The "Active/Configured Port Settings" table: sets up the view with the
// model over the record and the three cell editors, and turns a click on a
// row into the selection of that port.
class PortTable : public QObject
{
    Q_OBJECT

public:
    PortTable(QTableView *view, ConfigEditor *editor, QObject *parent = nullptr);

    PortTableModel *model() const { return m_model; }
    // After the model or the whole configuration changed.
    void reload();

private:
    QTableView *m_view;
    PortTableModel *m_model;
};
