#include "board/qt/slap_art.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "board/qt/textures.h"

namespace {

// An open hand in a 32 x 32 box: the palm, four fingers and the thumb.
QPainterPath HandPath() {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 14, 16, 14), 5, 5);
    const double fingerLeft[] = {8, 12, 16, 20};
    const double fingerTop[] = {6, 3, 4, 7};
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(fingerLeft[i], fingerTop[i], 4, 14), 2, 2);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2, -2, 4, 11), 2, 2);
    hand.addPath(QTransform().translate(6, 18).rotate(-40).map(thumb));
    return hand.simplified();
}

QPainterPath Burst(QPointF centre, double inner, double outer, int points) {
    QPainterPath burst;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = M_PI * i / points - M_PI / 2;
        const double r = i % 2 ? inner : outer;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            burst.moveTo(pt);
        else
            burst.lineTo(pt);
    }
    burst.closeSubpath();
    return burst;
}

}  // namespace

QImage SlapPicture(QSize size, qreal dpr) {
    QImage img = BlankImage(size.width(), size.height(), dpr);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    const double s = std::min(r.width(), r.height());
    p.setPen(QPen(QColor(0x80, 0x40, 0x00), 2));
    p.setBrush(QColor(0xFF, 0xD8, 0x30, 0xE0));
    p.drawPath(Burst(r.center(), s * 0.28, s * 0.48, 12));
    // The hand print, tilted, over the burst.
    p.translate(r.center());
    p.rotate(-15);
    p.scale(s / 40.0, s / 40.0);
    p.translate(-16, -16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x10, 0x10, 0xD0));
    p.drawPath(HandPath());
    return img;
}

QImage HandPointer(int which) {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (which == 1) {
        // The swing: motion strokes behind a tilted hand.
        p.setPen(QPen(Qt::black, 1.5));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(26, 8 + 6 * i), QPointF(31, 6 + 6 * i));
        p.translate(16, 16);
        p.rotate(25);
        p.translate(-16, -16);
    }
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(0xFF, 0xE0, 0xC0));
    p.drawPath(HandPath());
    return img;
}
