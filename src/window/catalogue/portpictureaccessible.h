#pragma once

#include <QAccessibleWidget>
#include <QVector>

class PortPicture;

// The product picture as assistive technologies see it: the list "Ports"
// with one item per port shown, named as the picture names it ("Port 2,
// copper PoE"), selected when the port is chosen, focused where the
// keyboard's mark is, and with the actions of a click and a Ctrl-click.
class PortPictureAccessible : public QAccessibleWidget
{
public:
    explicit PortPictureAccessible(PortPicture *picture);
    ~PortPictureAccessible() override;

    // The factory Qt asks for the interface of a PortPicture.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    PortPicture *picture() const;

    // The ports' interfaces, made when first asked for and kept, so that
    // each port has one identity for as long as the picture lives.
    mutable QVector<QAccessible::Id> m_ports;
};
