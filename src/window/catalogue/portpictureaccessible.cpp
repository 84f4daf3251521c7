#include "window/catalogue/portpictureaccessible.h"

#include "window/catalogue/portpicture.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// One port of the picture. It has no object of its own: what it reports is
// read from the picture each time, so it is never out of date.
class PortAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PortAccessible(PortPicture *picture, int port)
        : m_picture(picture)
        , m_port(port)
    { }

    bool isValid() const override { return m_picture && m_port < m_picture->portCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_picture ? m_picture->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_picture.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_picture->portName(m_port) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
            ? static_cast<QAccessibleActionInterface *>(this)
            : nullptr;
    }

    // Press chooses just this port, as a click does; toggle adds or removes
    // it, as a Ctrl-click does.
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString &name) override
    {
        if (isValid() && (name == pressAction() || name == toggleAction()))
            m_picture->activatePort(m_port, name == toggleAction());
    }
    QStringList keyBindingsForAction(const QString &name) const override;

private:
    QPointer<PortPicture> m_picture;
    int m_port;
};

QRect PortAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect local = m_picture->portRect(m_port);
    return QRect(m_picture->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State PortAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.multiSelectable = true;
    state.focusable = true;
    state.selected = m_picture->isChosen(m_port);
    state.focused = m_picture->hasFocus() && m_picture->currentPort() == m_port;
    state.invisible = !m_picture->isVisible();
    return state;
}

QStringList PortAccessible::keyBindingsForAction(const QString &name) const
{
    if (name == pressAction())
        return {QStringLiteral("Space")};
    if (name == toggleAction())
        return {QStringLiteral("Ctrl+Space")};
    return {};
}

} // namespace

PortPictureAccessible::PortPictureAccessible(PortPicture *picture)
    : QAccessibleWidget(picture, QAccessible::List)
{ }

PortPictureAccessible::~PortPictureAccessible()
{
    for (QAccessible::Id id : qAsConst(m_ports))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *PortPictureAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("PortPicture") && object && object->isWidgetType())
        return new PortPictureAccessible(static_cast<PortPicture *>(object));
    return nullptr;
}

PortPicture *PortPictureAccessible::picture() const
{
    return static_cast<PortPicture *>(widget());
}

int PortPictureAccessible::childCount() const
{
    return picture()->portCount();
}

QAccessibleInterface *PortPictureAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (m_ports.size() <= index)
        m_ports << QAccessible::registerAccessibleInterface(
            new PortAccessible(picture(), m_ports.size()));
    return QAccessible::accessibleInterface(m_ports[index]);
}

int PortPictureAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < childCount() && i < m_ports.size(); ++i) {
        if (QAccessible::accessibleInterface(m_ports[i]) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *PortPictureAccessible::childAt(int x, int y) const
{
    const QPoint local = picture()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i) {
        if (picture()->portRect(i).contains(local))
            return child(i);
    }
    return nullptr;
}

QAccessibleInterface *PortPictureAccessible::focusChild() const
{
    return picture()->hasFocus() ? child(picture()->currentPort()) : nullptr;
}
