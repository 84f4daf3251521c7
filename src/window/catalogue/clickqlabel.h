#pragma once

#include <QLabel>

// A label that reports left clicks: plain, with exactly Ctrl held, and double
// clicks. Used for the port labels over the product picture and the logo.
// The class and signal names are names other parts rely on (the form
// promotes its labels to this class): keep their spelling.
class clickQlabel : public QLabel
{
    Q_OBJECT

public:
    explicit clickQlabel(QWidget *parent = nullptr);

signals:
    void doubleclick();
    void leftbuttonclick();
    void rightbuttonclick(); // declared for completeness; never emitted
    void leftcontrolbuttonclick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
