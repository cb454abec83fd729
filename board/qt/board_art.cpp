#include "board/qt/board_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "board/card_geometry.h"
#include "board/qt/textures.h"

QColor ToQColor(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QImage PlainBack(Rgb deckColour, QSize size, qreal dpr) {
    QImage img = BlankImage(size.width(), size.height(), dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    const QColor base = ToQColor(deckColour);
    p.fillRect(r, base);
    const QRectF inner = r.adjusted(5, 5, -5, -5);
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(base.lighter(150), 1.2));
    for (double d = -inner.height(); d < inner.width() + inner.height(); d += 6) {
        p.drawLine(QPointF(inner.left() + d, inner.top()),
                   QPointF(inner.left() + d + inner.height(), inner.bottom()));
        p.drawLine(QPointF(inner.left() + d, inner.bottom()),
                   QPointF(inner.left() + d + inner.height(), inner.top()));
    }
    p.restore();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, 3, 3);
    p.setPen(QPen(base.darker(160), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return img;
}

QImage Placeholder(bool wood, bool small, qreal dpr) {
    const int w = small ? kSmallCardWidth : kCardWidth;
    const int h = small ? kSmallCardHeight : kCardHeight;
    QImage img = BlankImage(w, h, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, w, h);
    if (wood)
        PaintWood(p, r, true);
    else
        PaintMetal(p, r);
    PaintBevel(p, r, 2, false);
    // An outline of where a card goes.
    const QRectF slot = r.adjusted(7, 7, -7, -7);
    p.setPen(QPen(wood ? QColor(0xE8, 0xC8, 0x90, 170) : QColor(0x50, 0x56, 0x60, 170), 1.2,
                  Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(slot, 4, 4);
    return img;
}

QImage SkinImage(bool wood, QSize size, qreal dpr) {
    QImage img = BlankImage(size.width(), size.height(), dpr);
    QPainter p(&img);
    const QRectF r(0, 0, size.width(), size.height());
    if (wood)
        PaintWood(p, r);
    else
        PaintMetal(p, r);
    return img;
}

QImage CenterAreaImage(bool wood, QSize size, qreal dpr) {
    QImage img = BlankImage(size.width(), size.height(), dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    QPainterPath frame;
    frame.addRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
    p.setClipPath(frame);
    if (wood)
        PaintWood(p, r);
    else
        PaintMetal(p, r);
    const QRectF felt = r.adjusted(8, 8, -8, -8);
    QLinearGradient g(felt.topLeft(), felt.bottomLeft());
    g.setColorAt(0, QColor(0x23, 0x5E, 0x36));
    g.setColorAt(1, QColor(0x17, 0x45, 0x26));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(felt, 6, 6);
    p.setClipping(false);
    PaintBevel(p, felt, 1.5, false);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    return img;
}

namespace {

// A block arrow pointing right within `w` x `h`: a shaft of half the height from `tail`, a head
// from `neck` to the right edge.
struct ArrowLook {
    double w, h, tail, neck;
    QColor light, dark, edge;
    double edgeWidth;
};

void PaintArrow(QPainter& p, const ArrowLook& a, const QLinearGradient& shade) {
    const double mid = a.h / 2, shaft = a.h / 4;
    QPainterPath arrow;
    arrow.moveTo(a.tail, mid - shaft);
    arrow.lineTo(a.neck, mid - shaft);
    arrow.lineTo(a.neck, 1);
    arrow.lineTo(a.w - 1, mid);
    arrow.lineTo(a.neck, a.h - 1);
    arrow.lineTo(a.neck, mid + shaft);
    arrow.lineTo(a.tail, mid + shaft);
    arrow.closeSubpath();
    QLinearGradient g = shade;
    g.setColorAt(0, a.light);
    g.setColorAt(1, a.dark);
    p.setPen(QPen(a.edge, a.edgeWidth));
    p.setBrush(g);
    p.drawPath(arrow);
}

}  // namespace

QImage TurnMarker(qreal dpr) {
    QImage img = BlankImage(32, 22, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const ArrowLook look{
        32, 22, 2, 18, QColor(0xFF, 0xE0, 0x60), QColor(0xE0, 0x90, 0x10), QColor(0x60, 0x30, 0x00),
        1.2};
    PaintArrow(p, look, QLinearGradient(0, 0, 0, 22));
    return img;
}

QImage TipPointer(bool up, qreal dpr) {
    QImage img = BlankImage(32, 32, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn pointing right; the upward one is the same arrow turned.
    if (up) {
        p.translate(0, 32);
        p.rotate(-90);
    }
    const ArrowLook look{
        32, 32, 1, 16, QColor(0xFF, 0x70, 0x50), QColor(0xD0, 0x10, 0x10), QColor(0x50, 0x00, 0x00),
        1.5};
    PaintArrow(p, look, QLinearGradient(0, 0, 32, 0));
    return img;
}

QImage MenuBarImage(bool wood, QSize size, qreal dpr) {
    QImage img = SkinImage(wood, size, dpr);
    QPainter p(&img);
    PaintBevel(p, QRectF(0, 0, size.width(), size.height()), 1.5, true);
    return img;
}
