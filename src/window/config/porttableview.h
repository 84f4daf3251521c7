#pragma once

#include <QTableView>

// The port settings table's view, worked by the keyboard as by the mouse:
// moving the current row with the arrow keys, Page Up/Down or Ctrl+Home/End
// chooses that row's port as a click on the row does, and F2 or Enter
// chooses it and opens the current cell's editor as a double click does.
// Program changes of the current cell choose nothing.
class PortTableView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

signals:
    // The user moved to `row`, or opens one of its cells, by the keyboard.
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
