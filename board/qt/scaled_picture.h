#pragma once
// A picture drawn into a box of another size (the avatar, the turn markers, a stretched
// background) costs a smooth scaling at every paint that touches it. Scaled once into a picture
// of the box's whole pixels, at the box's place within a pixel, it is then only copied.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// `picture` as a smooth drawImage(target, picture) draws it, on a transparent picture covering
// the whole pixels of `target`, at density `dpr`.
QImage ScaleInto(const QImage& picture, const QRectF& target, qreal dpr);

class ScaledPictures {
  public:
    // Draws `picture` into `target` as a smooth drawImage would, from the picture scaled for
    // `slot` (a place on the table), scaling again only when the picture, the target's size,
    // its place within a pixel or the density changed.
    void Draw(QPainter& p, const QString& slot, const QImage& picture, const QRectF& target);
    void Clear() { slots_.clear(); }
    // How often a picture was scaled, for tests.
    int scalings() const { return scalings_; }

  private:
    struct Scaled {
        qint64 picture = 0;
        QSizeF size;
        QPointF phase;  // the target's offset from its first whole pixel
        qreal dpr = 0;
        QImage image;
    };
    QHash<QString, Scaled> slots_;
    int scalings_ = 0;
};
