#include "window/catalogue/clickqlabel.h"

#include <QMouseEvent>

clickQlabel::clickQlabel(QWidget *parent)
    : QLabel(parent)
{ }

void clickQlabel::mousePressEvent(QMouseEvent *event)
{
    // Only exactly Ctrl adds to a selection; Ctrl+Shift and the like count as
    // a plain click. The event is not passed on to QLabel.
    if (event->button() != Qt::LeftButton)
        return;
    if (event->modifiers() == Qt::ControlModifier)
        emit leftcontrolbuttonclick();
    else
        emit leftbuttonclick();
}

void clickQlabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleclick();
}
