#include "window/ground/desktopcolours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace DesktopColours {

namespace {

// Lives as the widget's child. Not PaletteChange: the widget's own
// setPalette sends that, and the widget would recolour without end.
class Follower : public QObject
{
public:
    Follower(QWidget *widget, std::function<void()> recolour)
        : QObject(widget)
        , m_recolour(std::move(recolour))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool desktopChanged = event->type() == QEvent::ApplicationPaletteChange ||
            event->type() == QEvent::StyleChange;
        if (watched == parent() && desktopChanged && !m_pending) {
            // A desktop's change comes as a burst of events, during which a
            // platform theme may set its palette on every widget; the look
            // is applied once, after them.
            m_pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_recolour();
                    QEvent changed(QEvent::ApplicationPaletteChange);
                    retakePalettes(static_cast<QWidget *>(parent()), &changed);
                    m_pending = false;
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Qt may tell only the windows of a new application palette; widgets
    // then take it from their parents, but not past a widget with a style
    // sheet, under which every widget would keep the colours it had. And a
    // platform theme may have set the desktop's palette on each widget,
    // hiding the look of the window around it. So each widget is told
    // itself, and one that holds the desktop's palette inherits again.
    static void retakePalettes(QWidget *parent, QEvent *changed)
    {
        for (QObject *child : parent->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (!widget || widget->isWindow()) // windows follow on their own
                continue;
            if (widget->testAttribute(Qt::WA_SetPalette) &&
                widget->palette() == QApplication::palette(widget))
                widget->setPalette(QPalette());
            else
                QCoreApplication::sendEvent(widget, changed);
            retakePalettes(widget, changed);
        }
    }

    const std::function<void()> m_recolour;
    bool m_pending = false;
};

} // namespace

void follow(QWidget *widget, std::function<void()> recolour)
{
    recolour();
    new Follower(widget, std::move(recolour));
}

} // namespace DesktopColours
