#pragma once

// Desks of other colours for the window tests, and the contrast of what the
// window's texts are drawn on.

#include "window/app/desksetup.h"
#include "window/catalogue/clickqlabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

// The numbers over the product picture: white on the picture's dark ports.
inline bool isPortNumber(const QWidget *widget)
{
    return qobject_cast<const clickQlabel *>(widget) &&
        widget->parentWidget()->objectName() == QLatin1String("label_productImage");
}

// A dark desktop for the lifetime of the object, and the light one back at
// its end. A desktop that changes its theme sets a new palette and may set
// a new style; some platform themes also set the palette on every widget.
class DarkDesk
{
public:
    enum Change { Palette, StyleAndPalette, PaletteOnEveryWidget };

    static QColor window() { return QColor(53, 53, 53); }

    explicit DarkDesk(Change change = StyleAndPalette)
        : m_style(QApplication::style()->objectName())
        , m_palette(QApplication::palette())
        , m_change(change)
    {
        if (change == StyleAndPalette)
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        // Text, button, light, dark, mid, text, bright text, base, window.
        const QColor grey = window();
        QPalette dark(Qt::white, grey, grey.lighter(), grey.darker(), grey, Qt::white, Qt::white,
                      QColor(35, 35, 35), grey);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(QPalette::Disabled, role, QColor(140, 140, 140));
        setPalette(dark);
    }
    ~DarkDesk()
    {
        if (m_change == StyleAndPalette)
            QApplication::setStyle(m_style);
        setPalette(m_palette);
    }

private:
    void setPalette(const QPalette &palette) const
    {
        QApplication::setPalette(palette);
        if (m_change != PaletteOnEveryWidget)
            return;
        // Every role set, so each widget holds the whole palette as its own.
        QPalette own;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                if (role != QPalette::NoRole)
                    own.setBrush(group, QPalette::ColorRole(role),
                                 QApplication::palette().brush(group, QPalette::ColorRole(role)));
            }
        }
        for (QWidget *widget : QApplication::allWidgets())
            widget->setPalette(own);
    }

    const QString m_style;
    const QPalette m_palette;
    const Change m_change;
};

// The contrast of the text a widget draws with what is behind it: the
// colour of its first pixel against the pixel that differs most from it.
inline double drawnContrast(const QImage &drawn)
{
    const QColor behind = drawn.pixelColor(0, 0);
    double most = 1;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            most = qMax(most, DeskSetup::contrastRatio(drawn.pixelColor(x, y), behind));
    }
    return most;
}

inline double drawnContrast(QWidget *widget)
{
    return drawnContrast(widget->grab().toImage());
}

// The colour a widget is drawn on: that of the nearest widget that fills its
// background.
inline QColor backdropColour(const QWidget *widget, QPalette::ColorGroup group = QPalette::Active)
{
    const QWidget *backdrop = widget;
    while (!backdrop->isWindow() && !backdrop->autoFillBackground())
        backdrop = backdrop->parentWidget();
    return backdrop->palette().color(group, backdrop->backgroundRole());
}

// "objectName ratio" for every text under `root` shown with less contrast
// to what it is drawn on than is readable: 4.5:1 for enabled texts and
// `disabledRatio` for disabled ones, which are told apart rather than read at
// length (Fusion's own light palette draws them at 1.4:1). The port numbers
// over the picture are left out.
inline QStringList unreadableTexts(QWidget *root, double disabledRatio = 3.0)
{
    const auto showsText = [](const QWidget *widget) {
        if (auto *label = qobject_cast<const QLabel *>(widget))
            return !label->text().isEmpty() && !isPortNumber(widget);
        if (auto *group = qobject_cast<const QGroupBox *>(widget))
            return !group->title().isEmpty();
        if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            return !button->text().isEmpty() || qobject_cast<const QPushButton *>(widget);
        return qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget);
    };
    QStringList unreadable;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!showsText(widget) || !widget->isVisibleTo(root))
            continue;
        const auto group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        QPalette::ColorRole text = widget->foregroundRole();
        QColor behind = backdropColour(widget, group);
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget) ||
            qobject_cast<QPushButton *>(widget)) {
            // Drawn on their own field or button face.
            const bool field = qobject_cast<QLineEdit *>(widget);
            text = field ? QPalette::Text : QPalette::ButtonText;
            behind = widget->palette().color(group, field ? QPalette::Base : QPalette::Button);
        }
        const double ratio = DeskSetup::contrastRatio(widget->palette().color(group, text), behind);
        if (ratio < (widget->isEnabled() ? 4.5 : disabledRatio))
            unreadable << widget->objectName() + ' ' + QString::number(ratio, 'f', 1);
    }
    return unreadable;
}
