#include "window/app/screenfitarea.h"

#include "window/app/desksetup.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWindow>

ScreenFitArea::ScreenFitArea(QWidget *contents, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("scrollArea_screenFit"));
    setFrameShape(QFrame::NoFrame);
    // Tab moves through the contents, and the area scrolls to the field
    // that takes the focus; the area itself takes none.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(contents);
    contents->installEventFilter(this);
    // Tab scrolls to the field it reaches by itself; a shortcut or a click
    // that gives a field the focus scrolls to it too.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && widget() && widget()->isAncestorOf(now))
            ensureWidgetVisible(now);
    });
}

QSize ScreenFitArea::minimumSizeHint() const
{
    const QSize contents = widget() ? widget()->minimumSizeHint() : QSize(0, 0);
    return m_room.isValid() ? contents.boundedTo(m_room) : contents;
}

QSize ScreenFitArea::sizeHint() const
{
    return widget() ? widget()->sizeHint().expandedTo(minimumSizeHint()) : QSize();
}

void ScreenFitArea::fitWindowInto(const QRect &available)
{
    // What the window needs around the area, measured without a bound.
    m_room = QSize();
    updateGeometry();
    QWidget *shown = window();
    const QSize around = (shown->minimumSizeHint() - minimumSizeHint()).expandedTo(QSize(0, 0));
    const QSize windowRoom = available.size().shrunkBy(DeskSetup::windowFrame(shown));
    m_room = (windowRoom - around).expandedTo(QSize(0, 0));
    updateGeometry();
    // The window's minimum follows now, not once the events are handled, so
    // that the window can be resized into the room at once.
    if (QLayout *windowLayout = shown->layout())
        windowLayout->activate();
}

void ScreenFitArea::fitWindowOnto(QScreen *screen)
{
    if (screen)
        fitWindowInto(screen->availableGeometry());
}

bool ScreenFitArea::eventFilter(QObject *watched, QEvent *event)
{
    // The contents' minimum changes with what they show; the window's
    // minimum follows.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

void ScreenFitArea::showEvent(QShowEvent *event)
{
    // A window moved onto another screen gets the room of that one.
    if (QWindow *handle = window()->windowHandle())
        connect(handle, &QWindow::screenChanged, this, &ScreenFitArea::fitWindowOnto,
                Qt::UniqueConnection);
    QScrollArea::showEvent(event);
}
