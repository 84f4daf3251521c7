#pragma once

#include "core/catalogue/productcatalogue.h"

#include <QObject>
#include <QString>

#include <array>

class PortPicture;
class clickQlabel;
struct EditorState;
struct PortSelection;

// The 32 clickable port labels over the product picture. They are children
// of the picture and draw the selection with their style sheets: a selected
// label has a red 2px border, an unselected one a black 1px border. A click
// on a label and Space on the picture's focus mark are the same choice.
class PortLabels : public QObject
{
    Q_OBJECT

public:
    static const QString selectedLabelStyle;
    static const QString unselectedLabelStyle;

    // Creates the labels on the picture label.
    PortLabels(PortPicture *productImage, QObject *parent);

    clickQlabel *label(int index) const;

    // Shows the picture of the state's model, scaled to fit 600 x 300 logical
    // pixels, with one unselected label per port at its rectangle on the
    // picture; the other labels are hidden.
    void showModel(const EditorState &state);

    // Gives each label the style of its port's selection.
    void showSelection(const PortSelection &selection);

signals:
    // A plain left click, and one with exactly Ctrl held, on port `index`;
    // also Space and Ctrl+Space on the picture.
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

    PortPicture *m_productImage;
    std::array<clickQlabel *, kMaxPorts> m_labels {};
    std::array<QRect, kMaxPorts> m_rects {};
    int m_shownCount = 0;
};
