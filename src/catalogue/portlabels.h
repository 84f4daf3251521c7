#pragma once

#include "catalogue/productcatalogue.h"

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QSignalMapper;
class clickQlabel;

// The 32 clickable port labels over the product picture. They are children
// of the picture label and carry the selection in their style sheets: a
// selected label has a red 2px border, an unselected one a black 1px border.
class PortLabels : public QObject
{
    Q_OBJECT

public:
    static const QString selectedLabelStyle;
    static const QString unselectedLabelStyle;

    // Creates the labels and the two mappers that turn their clicks into
    // port indexes; `owner` is the parent of the mappers.
    PortLabels(QLabel *productImage, QObject *owner);

    QSignalMapper *singleClickMapper() const { return m_singleClickMapper; }
    QSignalMapper *controlClickMapper() const { return m_controlClickMapper; }
    clickQlabel *label(int index) const;

    // Hides every label, then shows one unselected label per port of `row`
    // at its rectangle on the picture.
    void placeForModel(const ProductRecord &row);
    // Shows the picture of `row`, scaled to fit 600 x 300.
    void showProductPicture(const ProductRecord &row);

    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    void toggle(int index);
    void clearSelection();
    // The selected label with the highest index, -1 when none is.
    int highestSelected() const;
    bool anySelected(int first, int last) const;
    bool allSelected(int first, int last) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The rectangles are picture pixels; the picture sits centred in its
    // label, so the labels follow it when the window is resized.
    QPoint pictureOrigin() const;
    void reposition();

    QLabel *m_productImage;
    std::array<clickQlabel *, kMaxPorts> m_labels {};
    std::array<QRect, kMaxPorts> m_rects {};
    int m_shownCount = 0;
    QSignalMapper *m_singleClickMapper;
    QSignalMapper *m_controlClickMapper;
};
