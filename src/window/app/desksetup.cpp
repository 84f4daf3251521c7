#include "window/app/desksetup.h"

#include <QGuiApplication>
#include <QStyle>
#include <QWidget>

#include <cmath>

namespace DeskSetup {

const QColor kWindowColour(218, 224, 234, 255);
const QSize kPreferredWindowSize(1200, 800);

void enableHighDpi()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales and always draws pixmaps at the screen's resolution.
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
        0.0722 * channel(colour.blueF());
}

constexpr double kReadableContrast = 4.5;

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableTextOn(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QPalette windowPalette(const QPalette &desktop)
{
    QPalette colours = desktop;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        if (contrastRatio(desktop.color(group, QPalette::WindowText), kWindowColour) <
            kReadableContrast)
            return desktop;
    }
    colours.setBrush(QPalette::All, QPalette::Window, QBrush(kWindowColour, Qt::SolidPattern));
    return colours;
}

QSize firstWindowSize(const QSize &preferred, const QSize &minimum, const QRect &available,
                      const QMargins &frame)
{
    if (!available.isValid())
        return preferred.expandedTo(minimum);
    const QSize room = available.size().shrunkBy(frame);
    return preferred.boundedTo(room).expandedTo(minimum);
}

QMargins windowFrame(const QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    if (window->isVisible() && outer != inner) {
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    return QMargins(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
}

} // namespace DeskSetup
