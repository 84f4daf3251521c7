#include "window/ground/desktopcolours.h"

#include <QCoreApplication>
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
        if (watched == parent() && desktopChanged && !m_recolouring) {
            // Recolouring may restyle the widget, which sends StyleChange.
            m_recolouring = true;
            m_recolour();
            if (event->type() == QEvent::ApplicationPaletteChange)
                tellEveryWidget(static_cast<QWidget *>(watched), event);
            m_recolouring = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Qt may tell only the windows of a new application palette; widgets
    // then take it from their parents, but not past a widget with a style
    // sheet, under which every widget would keep the colours it had. Told
    // one by one, each takes its palette anew.
    static void tellEveryWidget(QWidget *window, QEvent *event)
    {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isWindow())
                QCoreApplication::sendEvent(widget, event);
        }
    }

    const std::function<void()> m_recolour;
    bool m_recolouring = false;
};

} // namespace

void follow(QWidget *widget, std::function<void()> recolour)
{
    recolour();
    new Follower(widget, std::move(recolour));
}

} // namespace DesktopColours
