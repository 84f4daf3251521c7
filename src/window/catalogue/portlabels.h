#pragma once

#include "core/catalogue/productcatalogue.h"

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class clickQlabel;
struct PortSelection;

// The 32 clickable port labels over the product picture. They are children
// of the picture label and draw the selection with their style sheets: a
// selected label has a red 2px border, an unselected one a black 1px border.
class PortLabels : public QObject
{
    Q_OBJECT

public:
    static const QString selectedLabelStyle;
    static const QString unselectedLabelStyle;

    // Creates the labels on the picture label.
    PortLabels(QLabel *productImage, QObject *parent);

    clickQlabel *label(int index) const;

    // Shows the picture of `row`, scaled to fit 600 x 300 logical pixels, with one
    // unselected label per port at its rectangle on the picture; the other
    // labels are hidden.
    void showModel(const ProductRecord &row);

    // Gives each label the style of its port's selection.
    void showSelection(const PortSelection &selection);

signals:
    // A plain left click, and one with exactly Ctrl held, on port `index`.
    void portClicked(int index);
    void portControlClicked(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The rectangles are picture pixels; the picture sits centred in its
    // label, so the labels follow it when the window is resized.
    QPoint pictureOrigin() const;
    void reposition();
    void showProductPicture(const ProductRecord &row);

    QLabel *m_productImage;
    std::array<clickQlabel *, kMaxPorts> m_labels {};
    std::array<QRect, kMaxPorts> m_rects {};
    int m_shownCount = 0;
};
