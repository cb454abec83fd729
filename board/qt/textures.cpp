#include "board/qt/textures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace {
// A small fixed sequence, so the grain is the same on every run and machine.
struct Lcg {
    unsigned state;
    double Next() {
        state = state * 1103515245u + 12345u;
        return ((state >> 8) & 0xFFFF) / 65535.0;
    }
};
}  // namespace

void PaintWood(QPainter& p, const QRectF& r, bool dark) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    const QColor base = dark ? QColor(0x6B, 0x3F, 0x1F) : QColor(0xB0, 0x74, 0x3C);
    p.fillRect(r, base);
    Lcg rng{1234u};
    const int lines = std::max(8, static_cast<int>(r.height() / 2.5));
    for (int i = 0; i < lines; ++i) {
        const double y0 = r.top() + r.height() * i / lines;
        const double wave = 1.5 + rng.Next() * 3;
        const double phase = rng.Next() * 6.28;
        QPainterPath path;
        path.moveTo(r.left(), y0);
        for (double x = r.left(); x <= r.right() + 4; x += 4)
            path.lineTo(x, y0 + wave * std::sin(phase + (x - r.left()) / (18 + 20 * rng.Next())));
        QColor c = base.darker(110 + static_cast<int>(rng.Next() * 35));
        c.setAlpha(150);
        p.setPen(QPen(c, 0.6 + rng.Next() * 1.2));
        p.drawPath(path);
    }
    QLinearGradient sheen(r.topLeft(), r.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(r, sheen);
    p.restore();
}

void PaintMetal(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xE4, 0xE6, 0xE9));
    g.setColorAt(0.45, QColor(0xB4, 0xB8, 0xBE));
    g.setColorAt(0.55, QColor(0xC8, 0xCB, 0xD0));
    g.setColorAt(1, QColor(0x9A, 0x9E, 0xA5));
    p.fillRect(r, g);
    Lcg rng{99u};
    for (double y = r.top(); y < r.bottom(); y += 1.0) {
        QColor c = rng.Next() > 0.5 ? QColor(255, 255, 255, 30) : QColor(0, 0, 0, 22);
        p.setPen(QPen(c, 0.5));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    p.restore();
}

void PaintBevel(QPainter& p, const QRectF& r, qreal width, bool raised) {
    p.save();
    const QColor light(255, 255, 255, 150), dark(0, 0, 0, 120);
    const qreal h = width / 2;
    p.setPen(QPen(raised ? light : dark, width));
    p.drawLine(QPointF(r.left() + h, r.bottom() - h), QPointF(r.left() + h, r.top() + h));
    p.drawLine(QPointF(r.left() + h, r.top() + h), QPointF(r.right() - h, r.top() + h));
    p.setPen(QPen(raised ? dark : light, width));
    p.drawLine(QPointF(r.right() - h, r.top() + h), QPointF(r.right() - h, r.bottom() - h));
    p.drawLine(QPointF(r.right() - h, r.bottom() - h), QPointF(r.left() + h, r.bottom() - h));
    p.restore();
}

QImage BlankImage(int w, int h, qreal dpr) {
    QImage img(static_cast<int>(std::ceil(w * dpr)), static_cast<int>(std::ceil(h * dpr)),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}
