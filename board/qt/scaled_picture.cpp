#include "board/qt/scaled_picture.h"

QImage ScaleInto(const QImage& picture, const QRectF& target, qreal dpr) {
    const QRect area = target.toAlignedRect();
    QImage out(area.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(dpr);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target.translated(-area.topLeft()), picture);
    return out;
}

void ScaledPictures::Draw(QPainter& p, const QString& slot, const QImage& picture,
                          const QRectF& target) {
    if (picture.isNull() || target.isEmpty()) return;
    const QPoint corner = target.toAlignedRect().topLeft();
    const QPointF phase = target.topLeft() - corner;
    const qreal dpr = p.device()->devicePixelRatioF();
    Scaled& s = slots_[slot];
    if (s.picture != picture.cacheKey() || s.size != target.size() || s.phase != phase ||
        s.dpr != dpr || s.image.isNull()) {
        s = Scaled{picture.cacheKey(), target.size(), phase, dpr, ScaleInto(picture, target, dpr)};
        ++scalings_;
    }
    p.drawImage(QPointF(corner), s.image);
}
