#include "window/catalogue/portpicture.h"

#include "core/catalogue/portnavigation.h"
#include "window/catalogue/portpictureaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

// Drawn over the marked port's label: a two-coloured dashed frame inside
// the label's border, so it shows on the dark ports of the picture and on
// any palette, and never looks like the solid red border of a chosen port.
class PortPicture::FocusMark : public QWidget
{
public:
    explicit FocusMark(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The colours are the palette's at the time of painting, so the mark
        // follows a change of palette.
        constexpr qreal kInset = 4; // inside the 2px border of a chosen port
        constexpr qreal kLine = 2;
        QPainter painter(this);
        const QRectF frame = QRectF(rect()).adjusted(kInset, kInset, -kInset, -kInset);
        painter.setPen(QPen(palette().color(QPalette::HighlightedText), kLine));
        painter.drawRect(frame);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kLine, Qt::DashLine));
        painter.drawRect(frame);
    }
};

PortPicture::PortPicture(QWidget *parent)
    : QLabel(parent)
    , m_mark(new FocusMark(this))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&PortPictureAccessible::create);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    // Tab reaches it; a click on a port leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Ports"));
}

PortPicture::~PortPicture() = default;

void PortPicture::setPorts(const QVector<QWidget *> &labels, const QStringList &names)
{
    m_labels = labels;
    m_names = names;
    m_current = 0;
    m_mark->raise();
    showMark();
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

void PortPicture::setChosen(quint32 ports)
{
    const quint32 changed = ports ^ m_chosen;
    m_chosen = ports;
    if (!QAccessible::isActive())
        return;
    for (int port = 0; port < portCount(); ++port) {
        if (!(changed >> port & 1u))
            continue;
        QAccessible::State selected;
        selected.selected = true;
        QAccessibleStateChangeEvent event(this, selected);
        event.setChild(port);
        QAccessible::updateAccessibility(&event);
    }
}

QString PortPicture::portName(int port) const
{
    return m_names.value(port);
}

bool PortPicture::isChosen(int port) const
{
    return port >= 0 && port < portCount() && (m_chosen >> port & 1u);
}

QRect PortPicture::portRect(int port) const
{
    return port >= 0 && port < portCount() ? m_labels[port]->geometry() : QRect();
}

void PortPicture::setCurrentPort(int port)
{
    if (port < 0 || port >= portCount() || port == m_current)
        return;
    m_current = port;
    showMark();
    tellFocus();
}

void PortPicture::activatePort(int port, bool control)
{
    if (port < 0 || port >= portCount())
        return;
    setCurrentPort(port);
    if (control)
        emit portControlActivated(port);
    else
        emit portActivated(port);
}

void PortPicture::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Space &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        activatePort(m_current, modifiers == Qt::ControlModifier);
        return;
    }
    static const QHash<int, PortStep> steps = {
        {Qt::Key_Left, PortStep::Previous}, {Qt::Key_Right, PortStep::Next},
        {Qt::Key_Up, PortStep::Up},         {Qt::Key_Down, PortStep::Down},
        {Qt::Key_Home, PortStep::First},    {Qt::Key_End, PortStep::Last},
    };
    const auto step = steps.find(event->key());
    if (step == steps.end() || modifiers != Qt::NoModifier || portCount() == 0) {
        QLabel::keyPressEvent(event);
        return;
    }
    QVector<QRect> rects;
    for (int port = 0; port < portCount(); ++port)
        rects << portRect(port);
    setCurrentPort(portAfterStep(rects, m_current, *step));
}

void PortPicture::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    showMark();
    tellFocus();
}

void PortPicture::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    showMark();
}

void PortPicture::resizeEvent(QResizeEvent *event)
{
    // The labels have followed the picture by now (they watch its resizes).
    QLabel::resizeEvent(event);
    showMark();
}

void PortPicture::showMark()
{
    const bool shown = hasFocus() && m_current < portCount();
    if (shown)
        m_mark->setGeometry(portRect(m_current));
    m_mark->setVisible(shown);
}

void PortPicture::tellFocus()
{
    if (!hasFocus() || m_current >= portCount() || !QAccessible::isActive())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(m_current);
    QAccessible::updateAccessibility(&focus);
}
