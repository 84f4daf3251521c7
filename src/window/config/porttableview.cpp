#include "window/config/porttableview.h"

#include <QKeyEvent>

void PortTableView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool opensEditor =
        plain && (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter);
    if (opensEditor && state() != EditingState && before.isValid()) {
        // The view would only report Enter as an activation.
        emit rowChosen(before.row());
        if (!edit(currentIndex(), EditKeyPressed, event))
            event->ignore();
        return;
    }
    QTableView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after.row() != before.row())
        emit rowChosen(after.row());
}
