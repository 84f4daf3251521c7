#pragma once

#include <QScrollArea>
#include <QSize>

class QScreen;

// Holds a window's contents, so that the window fits screens smaller than
// the contents need. It asks for the contents' own minimum size where the
// screen has room for it, so the window looks and resizes as without it;
// where the screen has not, it asks for no more than the room, and the
// contents keep their size and scroll.
class ScreenFitArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit ScreenFitArea(QWidget *contents, QWidget *parent = nullptr);

    // Bounds the area to the room its window has in `available`, a free
    // area of a screen: that less the title bar and what the window puts
    // around the area (its menu bar).
    void fitWindowInto(const QRect &available);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitWindowOnto(QScreen *screen);

    QSize m_room; // not valid: no bound
};
