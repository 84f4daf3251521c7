#include "window/catalogue/portlabels.h"

#include "core/config/editorstate.h"
#include "window/catalogue/clickqlabel.h"
#include "window/catalogue/portpicture.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
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

// What assistive technologies call a port: "Port 2, copper PoE".
QString portName(int port, PortKind kind)
{
    static const char *const kKinds[] = {
        "",      "copper",       "copper PoE", "copper gigabit", "copper gigabit PoE",
        "fibre", "fibre gigabit"};
    const QString number = PortLabels::tr("Port %1").arg(port + 1);
    const bool known = kind > NoPort && kind <= FibreGigabit;
    return known ? number + QStringLiteral(", ") + PortLabels::tr(kKinds[kind]) : number;
}

} // namespace

PortLabels::PortLabels(PortPicture *productImage, QObject *parent)
    : QObject(parent)
    , m_productImage(productImage)
{
    const QFont font(QStringLiteral("Arial Narrow"), 8, QFont::Bold, false);
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

        // The keyboard goes on from the port last clicked.
        connect(label, &clickQlabel::leftbuttonclick, this, [this, i] {
            m_productImage->setCurrentPort(i);
            emit portClicked(i);
        });
        connect(label, &clickQlabel::leftcontrolbuttonclick, this, [this, i] {
            m_productImage->setCurrentPort(i);
            emit portControlClicked(i);
        });
    }
    connect(productImage, &PortPicture::portActivated, this, &PortLabels::portClicked);
    connect(productImage, &PortPicture::portControlActivated, this,
            &PortLabels::portControlClicked);
    productImage->installEventFilter(this);
    // A picture at twice its size is about 1 MB decoded; all of them stay
    // in the cache, so going through the model list never decodes twice.
    constexpr int kPictureCacheKb = 24 * 1024;
    QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), kPictureCacheKb));
}

clickQlabel *PortLabels::label(int index) const
{
    if (index < 0 || index >= kMaxPorts)
        return nullptr;
    return m_labels[index];
}

void PortLabels::showModel(const EditorState &state)
{
    const ProductRecord &row = state.row();
    for (clickQlabel *label : m_labels)
        label->hide();
    m_rects = row.portRect;
    m_shownCount = qMin<int>(row.portCount, kMaxPorts);
    showProductPicture(row); // places the labels on the new picture
    QVector<QWidget *> shown;
    QStringList names;
    for (int i = 0; i < m_shownCount; ++i) {
        setStyleIfChanged(m_labels[i], unselectedLabelStyle);
        m_labels[i]->show();
        shown << m_labels[i];
        names << portName(i, state.kindOf(i));
    }
    m_productImage->setPorts(shown, names);
}

void PortLabels::showProductPicture(const ProductRecord &row)
{
    // Decoding a picture costs more than the rest of a model change; each
    // is decoded and scaled once.
    const QString key = QStringLiteral("product:") + row.imagePath;
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        // Fits 600 x 300 logical pixels; the port rectangles are logical
        // pixels of the picture at every screen scale.
        picture = QPixmap(row.imagePath)
                      .scaled(QSize(600, 300) * kPicturePixelRatio, Qt::KeepAspectRatio,
                              Qt::FastTransformation);
        picture.setDevicePixelRatio(kPicturePixelRatio);
        QPixmapCache::insert(key, picture);
    }
    m_productImage->setPixmap(picture);
    // Restyling the picture restyles all 32 labels on it; only the first
    // model needs it.
    setStyleIfChanged(m_productImage,
                      QStringLiteral("background-color : transparent; "
                                     "border: transparent;font-size: 12px;"));
    m_productImage->show();
    reposition();
}

void PortLabels::showSelection(const PortSelection &selection)
{
    for (int i = 0; i < kMaxPorts; ++i)
        setStyleIfChanged(m_labels[i],
                          selection.contains(i) ? selectedLabelStyle : unselectedLabelStyle);
    m_productImage->setChosen(selection.ports & firstPorts(m_shownCount));
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
    const QRect drawn = QStyle::alignedRect(
        m_productImage->layoutDirection(), m_productImage->alignment(),
        picture.size() / picture.devicePixelRatioF(), m_productImage->contentsRect());
    return drawn.topLeft();
}

void PortLabels::reposition()
{
    const QPoint origin = pictureOrigin();
    for (int i = 0; i < m_shownCount; ++i)
        m_labels[i]->setGeometry(m_rects[i].translated(origin));
}
