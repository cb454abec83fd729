#include "mainwindow/qt/menu_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include "board/qt/textures.h"
#include "mainwindow/menu_bar.h"

namespace {

constexpr const char* kTitles[4] = {"Game", "Options", "Internet", "Help"};

void PaintMaterial(QPainter& p, const QRectF& r, bool wood, bool dark = false) {
    if (wood)
        PaintWood(p, r, dark);
    else
        PaintMetal(p, r);
}

// A title plate over its click band, the caption engraved (a light line under a dark one).
void PaintTitle(QPainter& p, const QRectF& plate, const char* caption, bool wood, bool hot) {
    PaintMaterial(p, plate, wood, !hot && wood);
    if (hot) p.fillRect(plate, QColor(255, 240, 200, wood ? 60 : 90));
    PaintBevel(p, plate, 2, true);
    QFont f("Sans Serif");
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255, 110));
    p.drawText(plate.translated(0, 1), Qt::AlignCenter, caption);
    p.setPen(wood ? QColor(0x3A, 0x1E, 0x08) : QColor(0x20, 0x26, 0x30));
    p.drawText(plate, Qt::AlignCenter, caption);
}

}  // namespace

QImage MenuBarArt(bool wood, int hotMenu, qreal dpr) {
    const int w = menu_bar::kWidth, h = menu_bar::kHeight;
    QImage img = BlankImage(w, h, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, w, h);
    PaintMaterial(p, all, wood);
    // The strip above the titles: a darker groove that closes an open list when touched.
    const QRectF strip(0, 0, w, menu_bar::kStripBottom - 4);
    p.fillRect(strip, QColor(0, 0, 0, 50));
    PaintBevel(p, strip, 1, false);
    for (int i = 0; i < 4; ++i) {
        const menu_bar::Band b = menu_bar::kTitles[i];
        const QRectF plate(b.left, menu_bar::kBandTop, b.right - b.left,
                           menu_bar::kBandBottom - menu_bar::kBandTop);
        PaintTitle(p, plate, kTitles[i], wood, hotMenu == i + 1);
    }
    PaintBevel(p, all, 1.5, true);
    return img;
}

QImage MenuTitleStrip(bool wood, int width, qreal dpr) {
    const int h = 14;
    QImage img = BlankImage(width, h, dpr);
    QPainter p(&img);
    const QRectF r(0, 0, width, h);
    PaintMaterial(p, r, wood);
    PaintBevel(p, r, 1, true);
    return img;
}

QImage MenuRevealArt(bool wood, QSize size, qreal dpr) {
    QImage img = BlankImage(size.width(), size.height(), dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    PaintMaterial(p, r, wood);
    PaintBevel(p, r, 1.5, true);
    // Three lines: the usual sign of a menu.
    p.setPen(QPen(wood ? QColor(0x3A, 0x1E, 0x08) : QColor(0x20, 0x26, 0x30), 2));
    const qreal left = r.width() * 0.25, right = r.width() * 0.75;
    for (int i = 1; i <= 3; ++i) {
        const qreal y = r.height() * i / 4.0;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
    return img;
}
