#include "catalogue/portlabels.h"

#include "catalogue/clickqlabel.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QSignalMapper>
#include <QStyle>

const QString PortLabels::selectedLabelStyle =
    QStringLiteral("background-color : transparent;border: 2px solid red");
const QString PortLabels::unselectedLabelStyle =
    QStringLiteral("background-color : transparent;border: 1px solid black");

namespace {

void setStyleIfChanged(QWidget *widget, const QString &style)
{
    // Restyling is costly and Select All touches every label many times.
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

} // namespace

PortLabels::PortLabels(QLabel *productImage, QObject *owner)
    : QObject(owner)
    , m_productImage(productImage)
    , m_singleClickMapper(new QSignalMapper(owner))
    , m_controlClickMapper(new QSignalMapper(owner))
{
    const QFont font(QStringLiteral("Arial Narrow"), 8, 75, false);
    for (int i = 0; i < kMaxPorts; ++i) {
        auto *label = new clickQlabel(productImage);
        label->hide();
        label->setText(QStringLiteral("<font color='White'>") + QString::number(i + 1) +
                       QStringLiteral("</font>"));
        label->setFont(font);
        label->setStyleSheet(unselectedLabelStyle);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        label->setGeometry(0, 0, 20, 20);
        m_labels[i] = label;

        connect(label, &clickQlabel::leftbuttonclick, m_singleClickMapper,
                qOverload<>(&QSignalMapper::map));
        m_singleClickMapper->setMapping(label, i);
        connect(label, &clickQlabel::leftcontrolbuttonclick, m_controlClickMapper,
                qOverload<>(&QSignalMapper::map));
        m_controlClickMapper->setMapping(label, i);
    }
    productImage->installEventFilter(this);
}

clickQlabel *PortLabels::label(int index) const
{
    if (index < 0 || index >= kMaxPorts)
        return nullptr;
    return m_labels[index];
}

void PortLabels::placeForModel(const ProductRecord &row)
{
    for (clickQlabel *label : m_labels)
        label->hide();
    m_rects = row.portRect;
    m_shownCount = qMin<int>(row.portCount, kMaxPorts);
    const QPoint origin = pictureOrigin();
    for (int i = 0; i < m_shownCount; ++i) {
        m_labels[i]->setGeometry(m_rects[i].translated(origin));
        setStyleIfChanged(m_labels[i], unselectedLabelStyle);
        m_labels[i]->show();
    }
}

void PortLabels::showProductPicture(const ProductRecord &row)
{
    const QPixmap picture(row.imagePath);
    m_productImage->setPixmap(
        picture.scaled(600, 300, Qt::KeepAspectRatio, Qt::FastTransformation));
    // Restyling the picture restyles all 32 labels on it; only the first
    // model needs it.
    setStyleIfChanged(m_productImage,
                      QStringLiteral("background-color : transparent; "
                                     "border: transparent;font-size: 12px;"));
    m_productImage->show();
    reposition();
}

bool PortLabels::isSelected(int index) const
{
    return index >= 0 && index < kMaxPorts &&
        m_labels[index]->styleSheet().contains(QLatin1String("2px"));
}

void PortLabels::setSelected(int index, bool selected)
{
    if (index < 0 || index >= kMaxPorts)
        return;
    setStyleIfChanged(m_labels[index], selected ? selectedLabelStyle : unselectedLabelStyle);
}

void PortLabels::toggle(int index)
{
    setSelected(index, !isSelected(index));
}

void PortLabels::clearSelection()
{
    for (int i = 0; i < kMaxPorts; ++i)
        setSelected(i, false);
}

int PortLabels::highestSelected() const
{
    for (int i = kMaxPorts - 1; i >= 0; --i) {
        if (isSelected(i))
            return i;
    }
    return -1;
}

bool PortLabels::anySelected(int first, int last) const
{
    for (int i = qMax(first, 0); i <= last && i < kMaxPorts; ++i) {
        if (isSelected(i))
            return true;
    }
    return false;
}

bool PortLabels::allSelected(int first, int last) const
{
    for (int i = qMax(first, 0); i <= last && i < kMaxPorts; ++i) {
        if (!isSelected(i))
            return false;
    }
    return true;
}

bool PortLabels::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_productImage && event->type() == QEvent::Resize)
        reposition();
    return QObject::eventFilter(watched, event);
}

QPoint PortLabels::pictureOrigin() const
{
    const QPixmap picture = m_productImage->pixmap(Qt::ReturnByValue);
    if (picture.isNull())
        return QPoint(0, 0);
    const QRect drawn =
        QStyle::alignedRect(m_productImage->layoutDirection(), m_productImage->alignment(),
                            picture.size(), m_productImage->contentsRect());
    return drawn.topLeft();
}

void PortLabels::reposition()
{
    const QPoint origin = pictureOrigin();
    for (int i = 0; i < m_shownCount; ++i)
        m_labels[i]->setGeometry(m_rects[i].translated(origin));
}
