// drawartwork OUTPUT_ROOT: draws OUTPUT_ROOT/product/ModelNN.png (212 x 300
// in the pixels of the catalogue's port label rectangles, stored at
// kPicturePixelRatio times that for scaled screens) for every picture the
// catalogue names, OUTPUT_ROOT/image/{icon,logo,report_logo,Help_logo}.png,
// and the desktop icon as OUTPUT_ROOT/icons/hicolor/scalable/apps/mestrel.svg
// and a PNG for each usual hicolor size, all from the same drawing.

#include "core/catalogue/productcatalogue.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>
#include <QSvgGenerator>

#include <cstdio>

namespace {

const QSize kPictureSize(212, 300);

// Colours of one housing.
struct Housing
{
    QColor light, mid, dark; // body, left to right
    QColor cap; // top and bottom plastic caps
    QColor plate; // the recessed port panel
    QColor accent; // speed class: the band behind the model name
    QColor legend; // printing on the body
};

// Where the parts of one front panel go, in picture pixels.
struct PanelLayout
{
    QRect body;
    QRect plate;
    QRect terminal;
    QRect vents; // in the cap without the terminal block
    QRect leds; // left of the ports
    QRect name; // right of the ports, text runs bottom to top
    QRect sticker; // rating label below the ports, empty where there is no room
    int topCapEnd = 0;
    int bottomCapStart = 0;
};

QFont font(int pixelSize, bool bold = false, bool condensed = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    if (condensed)
        f.setStretch(QFont::Condensed);
    return f;
}

QLinearGradient ramp(const QPointF &from, const QPointF &to, const QColor &a, const QColor &b)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient across(const QRectF &r, const QColor &a, const QColor &b)
{
    return ramp(r.topLeft(), r.topRight(), a, b);
}

// A filled rounded box with a one pixel edge on the pixel grid of `r`.
void box(QPainter &p, const QRectF &r, const QBrush &fill, const QColor &edge, qreal radius)
{
    p.setPen(edge.isValid() ? QPen(edge, 1) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

bool hitsPort(const ProductRecord &row, const QRect &area)
{
    for (int i = 0; i < row.portCount; ++i)
        if (row.portRect[i].adjusted(-1, -1, 1, 1).intersects(area))
            return true;
    return false;
}

// The compact family comes in a dark housing.
bool compactFamily(const ProductRecord &row)
{
    return row.housing == ::Housing::Compact;
}

// The body grows round the ports; the supply terminal block goes on top
// unless the ports leave no room there.
PanelLayout layoutFor(const ProductRecord &row)
{
    QRect ports;
    for (int i = 0; i < row.portCount; ++i)
        ports |= row.portRect[i];
    PanelLayout l;
    const int left = qMin(ports.left() - 26, 66);
    const int right = qMax(ports.right() + 26, 146);
    l.body = QRect(QPoint(left, 6), QPoint(right, 287));
    l.plate = ports.adjusted(-5, -5, 5, row.hasPoEPorts() ? 15 : 5); // PoE legends
    const QRect topCap(left + 8, l.body.top() + 4, l.body.width() - 16, 22);
    const QRect bottomCap(left + 8, l.body.bottom() - 21, l.body.width() - 16, 18);
    const bool terminalOnTop = ports.top() - topCap.bottom() >= 8;
    l.terminal = terminalOnTop ? topCap : bottomCap.adjusted(0, -6, 0, 0);
    l.vents = terminalOnTop ? bottomCap.adjusted(4, 6, -4, -4) : topCap.adjusted(4, 0, -4, -14);
    l.topCapEnd = (terminalOnTop ? l.terminal.bottom() : l.vents.bottom()) + 4;
    l.bottomCapStart = (terminalOnTop ? l.vents.top() : l.terminal.top()) - 4;
    const int freeTop = l.topCapEnd + 4;
    const int freeBottom = l.bottomCapStart - 4;
    l.leds = QRect(QPoint(left + 4, ports.top()), QPoint(ports.left() - 7, ports.top() + 60));
    l.name = QRect(QPoint(ports.right() + 7, freeTop), QPoint(right - 5, freeBottom));
    const QRect below(QPoint(l.leds.right() + 3, l.plate.bottom() + 8),
                      QPoint(l.name.left() - 4, freeBottom));
    if (below.height() >= 44)
        l.sticker = QRect(below.left(), below.top(), below.width(), qMin(below.height(), 72));
    return l;
}

void drawHousing(QPainter &p, const PanelLayout &l, const Housing &h)
{
    const QRectF body(l.body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(body.translated(3, 3), 8, 8);
    // The DIN rail latch sticks out at the bottom.
    const QRectF latch(body.center().x() - 9, body.bottom() - 4, 18, 11);
    box(p, latch, across(latch, QColor(90, 96, 104), QColor(45, 48, 54)), QColor(), 2);
    box(p, QRectF(latch.center().x() - 3, latch.bottom() - 5, 6, 3), QColor(20, 22, 26), {}, 0);

    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, h.light);
    g.setColorAt(0.35, h.mid);
    g.setColorAt(1, h.dark);
    box(p, body, g, h.dark.darker(160), 8);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(body.left() + 2.5, body.top() + 9),
               QPointF(body.left() + 2.5, body.bottom() - 9));

    // Plastic caps top and bottom, one holding the terminal block, the other
    // the ventilation slots.
    QPainterPath outline;
    outline.addRoundedRect(body.adjusted(1, 1, -1, -1), 7, 7);
    p.save();
    p.setClipPath(outline);
    const qreal topEnd = l.topCapEnd + 0.5;
    const qreal bottomStart = l.bottomCapStart + 0.5;
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(h.cap);
    p.drawRect(QRectF(body.left() - 1, body.top() - 1, body.width() + 2, topEnd - body.top() + 1));
    p.drawRect(
        QRectF(body.left() - 1, bottomStart, body.width() + 2, body.bottom() - bottomStart + 2));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 17, 20, 200));
    for (int x = l.vents.left(); x + 3 <= l.vents.right(); x += 6)
        p.drawRoundedRect(QRectF(x, l.vents.top(), 3, l.vents.height()), 1.5, 1.5);

    // The recessed port panel, lit along its lower edge.
    box(p, l.plate, h.plate, QColor(0, 0, 0, 120), 3);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(l.plate.left() + 3, l.plate.bottom() + 1.5),
               QPointF(l.plate.right() - 3, l.plate.bottom() + 1.5));
}

// The pluggable supply terminal block: a screw above each wire entry.
void drawTerminalBlock(QPainter &p, const QRect &r, int terminals)
{
    box(p, r, ramp(r.topLeft(), r.bottomLeft(), QColor(72, 150, 78), QColor(28, 88, 36)),
        QColor(16, 50, 20), 2);
    const qreal pitch = qreal(r.width()) / terminals;
    const qreal radius = qMin(pitch * 0.36, r.height() * 0.22);
    for (int i = 0; i < terminals; ++i) {
        const QPointF c(r.left() + pitch * (i + 0.5), r.top() + r.height() * 0.32);
        QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
        g.setColorAt(0, QColor(240, 242, 245));
        g.setColorAt(1, QColor(120, 126, 134));
        p.setPen(QPen(QColor(60, 64, 70), 0.8));
        p.setBrush(g);
        p.drawEllipse(c, radius, radius);
        p.setPen(QPen(QColor(50, 54, 60), 1.2));
        p.drawLine(c + QPointF(-radius * 0.6, radius * 0.25),
                   c + QPointF(radius * 0.6, -radius * 0.25));
        box(p, QRectF(c.x() - radius * 0.8, r.bottom() - radius * 1.9, radius * 1.6, radius * 1.6),
            QColor(14, 30, 16), {}, 0);
    }
}

// Status LEDs in a column, each with its legend below.
void drawStatusLeds(QPainter &p, const ProductRecord &row, const QRect &area, const QColor &text)
{
    const QColor green(60, 200, 70);
    QVector<std::pair<QString, QColor>> leds; // an invalid colour: unlit red
    if (compactFamily(row)) {
        leds = {{QStringLiteral("PWR"), green}};
        if (row.hasPoEPorts())
            leds.append({QStringLiteral("PoE"), QColor(255, 170, 30)});
    } else {
        leds = {{QStringLiteral("P1"), green},
                {QStringLiteral("P2"), green},
                {QStringLiteral("F"), QColor()}};
    }
    p.setFont(font(6, true, true));
    for (int i = 0; i < leds.size(); ++i) {
        const QPointF c(area.left() + area.width() / 2.0, area.top() + 4 + i * 17);
        const bool lit = leds[i].second.isValid();
        const QColor base = lit ? leds[i].second : QColor(120, 40, 36);
        QRadialGradient g(c - QPointF(0.8, 0.8), 3.2);
        g.setColorAt(0, lit ? QColor(Qt::white) : base.lighter(150));
        g.setColorAt(0.5, base);
        g.setColorAt(1, base.darker(170));
        p.setPen(QPen(QColor(20, 20, 20, 160), 0.6));
        p.setBrush(g);
        p.drawEllipse(c, 2.6, 2.6);
        p.setPen(text);
        p.drawText(QRectF(c.x() - 12, c.y() + 3, 24, 8), Qt::AlignHCenter | Qt::AlignTop,
                   leds[i].first);
    }
}

// An RJ45 socket in portrait: metal shell, dark opening with the latch notch
// on the left, contacts on the right and link/activity LEDs in the corners.
void drawRj45(QPainter &p, const QRect &r)
{
    box(p, r, across(r, QColor(222, 226, 231), QColor(150, 158, 168)), QColor(55, 60, 68), 1.5);
    const QRectF open = QRectF(r).adjusted(2.5, 5, -2.5, -2.5);
    const qreal notchWidth = qMax(2.5, open.width() * 0.16);
    const qreal notchHeight = open.height() * 0.42;
    QPainterPath hole;
    hole.addRect(open.adjusted(notchWidth, 0, 0, 0));
    hole.addRect(
        QRectF(open.left(), open.center().y() - notchHeight / 2, notchWidth + 1, notchHeight));
    p.setPen(QPen(QColor(15, 16, 18), 0.8));
    p.setBrush(ramp(open.topLeft(), open.bottomRight(), QColor(8, 9, 11), QColor(36, 39, 44)));
    p.drawPath(hole.simplified());

    const int pins = qMin(8, int(open.height() / 2.2));
    p.setPen(QPen(QColor(150, 125, 50), 0.8));
    for (int i = 0; i < pins; ++i) {
        const qreal y = open.top() + 2 + (open.height() - 4) * (i + 0.5) / pins;
        p.drawLine(QPointF(open.right() - 2.5, y), QPointF(open.right() - 0.5, y));
    }
    box(p, QRectF(r.left() + 1.5, r.top() + 1, 5, 3), QColor(70, 205, 80), {}, 0);
    box(p, QRectF(r.right() - 5.5, r.top() + 1, 5, 3), QColor(250, 180, 40), {}, 0);
}

// A fibre port in portrait, TX above RX: a duplex SC receptacle in blue
// plastic, or, in a narrow rectangle, an SFP cage holding an LC module.
void drawFibrePort(QPainter &p, const QRect &r)
{
    const bool sfp = r.width() < 20;
    if (sfp)
        box(p, r, across(r, QColor(215, 220, 226), QColor(140, 148, 158)), QColor(50, 56, 64), 0);
    else
        box(p, r, across(r, QColor(160, 195, 232), QColor(80, 125, 180)), QColor(30, 60, 100), 2.5);
    const qreal inset = sfp ? 2.5 : 3;
    const QRectF recess = QRectF(r).adjusted(inset, inset, -inset, -inset);
    box(p, recess.adjusted(-0.5, -0.5, 0.5, 0.5), QColor(16, 26, 42), {}, 1.5);
    const qreal side = qMin(recess.width() - 4, recess.height() * (sfp ? 0.3 : 0.36));
    for (const qreal y : {recess.top() + 1.5, recess.bottom() - 1.5 - side}) {
        const QRectF socket(recess.center().x() - side / 2, y, side, side);
        p.setPen(QPen(QColor(70, 115, 170), sfp ? 1 : 1.2));
        p.setBrush(QColor(20, 30, 46));
        p.drawRoundedRect(socket, 1, 1);
        const qreal radius = side * (sfp ? 0.16 : 0.2);
        p.setPen(QPen(QColor(150, 145, 130), 0.6));
        p.setBrush(QColor(235, 230, 215)); // ceramic ferrule
        p.drawEllipse(socket.center(), radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 110, 110));
        p.drawEllipse(socket.center(), radius * 0.35, radius * 0.35);
    }
}

// TX and RX beside a fibre port, on whichever side is free of ports.
void drawFibreLegend(QPainter &p, const ProductRecord &row, const QRect &r, const PanelLayout &l,
                     const Housing &h)
{
    const QRect left(r.left() - 16, r.top(), 10, r.height());
    const QRect right(r.right() + 7, r.top(), 10, r.height());
    const QRect at = hitsPort(row, left) ? right : left;
    if (hitsPort(row, at) || !l.body.contains(at))
        return;
    p.setPen(l.plate.contains(at) ? QColor(200, 206, 214) : h.legend);
    p.setFont(font(7, false, true));
    const int half = r.height() / 2;
    p.drawText(QRect(at.left(), r.top(), at.width(), half), Qt::AlignCenter, QStringLiteral("TX"));
    p.drawText(QRect(at.left(), r.top() + half, at.width(), half), Qt::AlignCenter,
               QStringLiteral("RX"));
}

// An orange frame round a PoE port, the legend below it where it fits.
void drawPoEMark(QPainter &p, const ProductRecord &row, const QRect &r)
{
    const QColor orange(255, 160, 20);
    p.setPen(QPen(orange, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r).adjusted(-2, -2, 2, 2), 2, 2);
    const QRect legend(r.left() - 2, r.bottom() + 4, r.width() + 4, 8);
    if (hitsPort(row, legend))
        return;
    p.setPen(orange);
    p.setFont(font(7, true, true));
    p.drawText(legend, Qt::AlignCenter, QStringLiteral("PoE"));
}

// The model name on a band in the speed class colour, reading bottom to top.
void drawModelName(QPainter &p, const QRect &strip, const QString &name, const QColor &accent)
{
    const QFont f = font(8, true, true);
    const int length = qMin(QFontMetrics(f).horizontalAdvance(name) + 12, strip.height());
    const QRect band(strip.left(), strip.center().y() - length / 2, strip.width(), length);
    box(p, band, accent, accent.darker(150), 2);
    // Set horizontally, then turned: glyphs drawn turned come out unevenly spaced.
    QImage text(band.height(), band.width(), QImage::Format_ARGB32_Premultiplied);
    text.fill(Qt::transparent);
    QPainter tp(&text);
    tp.setPen(Qt::white);
    tp.setFont(f);
    tp.drawText(text.rect(), Qt::AlignCenter, name);
    tp.end();
    p.drawImage(band.topLeft(), text.transformed(QTransform().rotate(-90)));
}

// The rating label: name, ports, speed and a serial number bar code.
void drawSticker(QPainter &p, const ProductRecord &row, const QString &name, const QRect &r)
{
    box(p, r, QColor(236, 238, 240), QColor(150, 155, 160), 2);
    int size = 7;
    while (size > 5 && QFontMetrics(font(size, true, true)).horizontalAdvance(name) > r.width() - 6)
        --size;
    p.setPen(QColor(30, 32, 36));
    p.setFont(font(size, true, true));
    p.drawText(r.adjusted(3, 3, -3, 0), Qt::AlignHCenter | Qt::AlignTop, name);
    QString ports = QStringLiteral("%1 x RJ45").arg(row.twistedPairCount());
    if (row.nonTpPortCount > 0)
        ports += QStringLiteral("  %1 x FO").arg(row.nonTpPortCount);
    p.setFont(font(6, false, true));
    p.drawText(r.adjusted(3, 13, -3, 0), Qt::AlignHCenter | Qt::AlignTop, ports);
    p.drawText(r.adjusted(3, 21, -3, 0), Qt::AlignHCenter | Qt::AlignTop,
               row.portSpeedMask & PortSpeedBit::Gigabit ? QStringLiteral("10/100/1000 Mbit/s")
                                                         : QStringLiteral("10/100 Mbit/s"));
    const qreal top = r.top() + 31;
    const qreal height = qMin(r.bottom() - 4 - top, 22.0);
    quint32 bits = qHash(name); // the same bars on every run
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    for (qreal x = r.left() + 6; x < r.right() - 6;) {
        bits = bits * 1664525u + 1013904223u;
        const qreal w = 0.8 + ((bits >> 28) & 1) * 0.9;
        p.drawRect(QRectF(x, top, w, height));
        x += w + 0.8 + ((bits >> 24) & 3) * 0.6;
    }
}

QImage drawProduct(const ProductRecord &row, const QString &name)
{
    QImage image(kPictureSize * kPicturePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPicturePixelRatio, kPicturePixelRatio);

    const bool compact = compactFamily(row);
    Housing h = compact
        ? Housing {QColor(112, 118, 128), QColor(84, 90, 100), QColor(52, 56, 64),
                   QColor(44, 47, 53),    QColor(30, 33, 38),  QColor(196, 60, 50),
                   QColor(225, 228, 232)}
        : Housing {QColor(196, 206, 218), QColor(160, 172, 188), QColor(110, 122, 140),
                   QColor(70, 76, 86),    QColor(48, 54, 64),    QColor(40, 140, 128),
                   QColor(30, 34, 40)};
    if (row.portSpeedMask & PortSpeedBit::Gigabit)
        h.accent = QColor(36, 92, 186);

    const PanelLayout l = layoutFor(row);
    drawHousing(p, l, h);
    drawTerminalBlock(p, l.terminal, compact ? 3 : 6);
    drawStatusLeds(p, row, l.leds, h.legend);
    drawModelName(p, l.name, name, h.accent);
    if (!l.sticker.isEmpty())
        drawSticker(p, row, name, l.sticker);

    for (int i = 0; i < row.portCount; ++i) {
        const QRect &r = row.portRect[i];
        switch (portKindOf(row, i)) {
        case FibreFast:
        case FibreGigabit:
            drawFibrePort(p, r);
            drawFibreLegend(p, row, r, l, h);
            break;
        case CopperFastPoE:
        case CopperGigabitPoE:
            drawPoEMark(p, row, r);
            drawRj45(p, r);
            break;
        case CopperFast:
        case CopperGigabit:
            drawRj45(p, r);
            break;
        case NoPort:
            break;
        }
    }
    return image;
}

// The name printed on a picture: where variants share it, an x stands for
// each character in which their names differ.
QString pictureName(const QString &imagePath)
{
    QString name;
    for (const ProductRecord &row : ProductCatalogue) {
        if (row.imagePath != imagePath)
            continue;
        if (name.isEmpty()) {
            name = row.modelName;
        } else if (name.size() == row.modelName.size()) {
            for (int i = 0; i < name.size(); ++i) {
                if (name[i] != row.modelName[i])
                    name[i] = QLatin1Char('x');
            }
        }
    }
    return name;
}

// The program's glyph: a switch module clipped on a DIN rail, on a blue tile.
void drawGlyph(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.setPen(Qt::NoPen);
    p.setBrush(ramp(r.topLeft(), r.bottomRight(), QColor(64, 128, 214), QColor(24, 60, 120)));
    p.drawRoundedRect(r, w * 0.2, w * 0.2);
    const QRectF rail(r.left(), r.center().y() - w * 0.08, w, w * 0.16);
    p.setBrush(
        ramp(rail.topLeft(), rail.bottomLeft(), QColor(225, 230, 236), QColor(140, 150, 162)));
    p.drawRect(rail);

    const QRectF body(r.center().x() - w * 0.22, r.top() + w * 0.12, w * 0.44, w * 0.76);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(body.translated(w * 0.025, w * 0.025), w * 0.05, w * 0.05);
    p.setBrush(across(body, QColor(244, 247, 250), QColor(176, 188, 202)));
    p.drawRoundedRect(body, w * 0.05, w * 0.05);
    const QRectF terminal = body.adjusted(w * 0.04, w * 0.04, -w * 0.04, w * 0.15 - body.height());
    p.setBrush(QColor(52, 140, 62));
    p.drawRoundedRect(terminal, w * 0.015, w * 0.015);
    p.setBrush(QColor(220, 224, 228));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(
            QPointF(terminal.left() + terminal.width() * (i + 0.5) / 3, terminal.center().y()),
            w * 0.025, w * 0.025);
    p.setBrush(QColor(70, 220, 90));
    p.drawEllipse(QPointF(body.left() + w * 0.07, terminal.bottom() + w * 0.07), w * 0.025,
                  w * 0.025);
    const qreal jack = w * 0.13;
    p.setBrush(QColor(28, 32, 38));
    for (int i = 0; i < 6; ++i) {
        const QRectF j(body.center().x() + (i % 2 ? w * 0.02 : -w * 0.02 - jack),
                       terminal.bottom() + w * 0.13 + (i / 2) * (jack + w * 0.04), jack, jack);
        QPainterPath hole;
        hole.addRect(j.adjusted(0, 0, 0, -jack * 0.2));
        hole.addRect(
            QRectF(j.center().x() - jack * 0.25, j.bottom() - jack * 0.3, jack * 0.5, jack * 0.3));
        p.drawPath(hole.simplified());
    }
}

// The glyph and the program name, with a subtitle below the name if given.
QImage drawWordmark(const QSize &size, const QColor &background,
                    const QString &subtitle = QString(), const QColor &subtitleColour = QColor())
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    const QRectF glyph(h * 0.1, h * 0.1, h * 0.8, h * 0.8);
    drawGlyph(p, glyph);
    const QRectF text(glyph.right() + h * 0.14, glyph.top(),
                      size.width() - glyph.right() - h * 0.24, glyph.height());
    const QString name = QStringLiteral("Mestrel");
    int pixels = int(h * (subtitle.isEmpty() ? 0.62 : 0.5));
    while (QFontMetrics(font(pixels, true)).horizontalAdvance(name) > text.width())
        --pixels;
    const qreal nameHeight = subtitle.isEmpty() ? text.height() : text.height() * 0.68;
    p.setPen(QColor(22, 48, 92));
    p.setFont(font(pixels, true));
    p.drawText(QRectF(text.left(), text.top(), text.width(), nameHeight),
               Qt::AlignLeft | (subtitle.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom), name);
    p.setPen(subtitleColour);
    p.setFont(font(int(h * 0.19)));
    p.drawText(QRectF(text.left() + h * 0.02, text.top() + nameHeight + h * 0.02, text.width(),
                      text.height() - nameHeight),
               Qt::AlignLeft | Qt::AlignTop, subtitle);
    return image;
}

// The glyph leaves a margin of 1/64 of the icon on every side.
QRectF iconGlyph(int size)
{
    return QRectF(size / 64.0, size / 64.0, size * 62 / 64.0, size * 62 / 64.0);
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, iconGlyph(size));
    return image;
}

bool saveIconSvg(const QDir &root, const QString &path)
{
    constexpr int size = 64;
    QSvgGenerator svg;
    svg.setFileName(root.filePath(path));
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Mestrel"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "drawartwork: cannot write %s\n", qPrintable(root.filePath(path)));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, iconGlyph(size));
    return p.end();
}

bool save(const QImage &image, const QDir &root, const QString &path)
{
    if (image.save(root.filePath(path), "PNG"))
        return true;
    std::fprintf(stderr, "drawartwork: cannot write %s\n", qPrintable(root.filePath(path)));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: drawartwork OUTPUT_ROOT\n");
        return 2;
    }
    const QDir root(args[1]);
    const QString hicolor = QStringLiteral("icons/hicolor/");
    const int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    bool folders = root.mkpath(QStringLiteral("product")) && root.mkpath(QStringLiteral("image")) &&
        root.mkpath(hicolor + QStringLiteral("scalable/apps"));
    for (int size : iconSizes)
        folders = folders && root.mkpath(hicolor + QStringLiteral("%1x%1/apps").arg(size));
    if (!folders) {
        std::fprintf(stderr, "drawartwork: cannot create the folders in %s\n", qPrintable(args[1]));
        return 1;
    }

    bool ok = true;
    QSet<QString> drawn;
    for (const ProductRecord &row : ProductCatalogue) {
        if (drawn.contains(row.imagePath))
            continue;
        drawn.insert(row.imagePath);
        ok &= save(drawProduct(row, pictureName(row.imagePath)), root,
                   QStringLiteral("product/") + row.imagePath.section(QLatin1Char('/'), -1));
    }
    ok &= save(drawIcon(64), root, QStringLiteral("image/icon.png"));
    for (int size : iconSizes)
        ok &= save(drawIcon(size), root,
                   hicolor + QStringLiteral("%1x%1/apps/mestrel.png").arg(size));
    ok &= saveIconSvg(root, hicolor + QStringLiteral("scalable/apps/mestrel.svg"));
    ok &= save(drawWordmark({300, 100}, Qt::transparent), root, QStringLiteral("image/logo.png"));
    ok &= save(drawWordmark({600, 150}, Qt::white, QStringLiteral("Switch configuration"),
                            QColor(86, 101, 122)),
               root, QStringLiteral("image/report_logo.png"));
    ok &= save(
        drawWordmark({300, 100}, Qt::transparent, QStringLiteral("Help"), QColor(40, 140, 128)),
        root, QStringLiteral("image/Help_logo.png"));
    return ok ? 0 : 1;
}
