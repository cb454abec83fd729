#include "board/qt/shipped_pictures.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "board/flash_sequence.h"
#include "board/qt/textures.h"

namespace {
constexpr double kTau = 6.283185307179586;

// A tile whose pattern repeats at its edges, so tiling shows no seams: waves that complete
// whole periods across the tile, over a base colour.
QImage SeamlessTile(int size, QColor base, QColor vein, int waves, double strength) {
    QImage img(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = kTau * x / size, v = kTau * y / size;
            double n = std::sin(u * waves + std::sin(v * 2) * 1.5) * 0.5 +
                       std::sin(v * (waves + 1) + std::cos(u * 3)) * 0.3 +
                       std::sin((u + v) * 7) * 0.2;
            // A fine grain from a hash of the position, tiled with the picture.
            const unsigned h = (x * 73856093u) ^ (y * 19349663u);
            n += ((h % 1000) / 1000.0 - 0.5) * 0.35;
            const double t = std::clamp(0.5 + n * strength, 0.0, 1.0);
            img.setPixelColor(x, y,
                              QColor::fromRgbF(base.redF() + (vein.redF() - base.redF()) * t,
                                               base.greenF() + (vein.greenF() - base.greenF()) * t,
                                               base.blueF() + (vein.blueF() - base.blueF()) * t));
        }
    return img;
}

QColor PersonalityColour(const QString& name) {
    if (name == "Tessik") return QColor(0x7A, 0x3C, 0xB8);
    if (name == "Ruun") return QColor(0xB0, 0x3A, 0x22);
    if (name == "Pellor") return QColor(0x1F, 0x7A, 0x8C);
    return QColor(0x2E, 0x8B, 0x3E);  // Brivo
}

void PaintFace(QPainter& p, const QString& name, const QRectF& r) {
    const QColor own = PersonalityColour(name);
    const QPointF c = r.center() + QPointF(0, r.height() * 0.08);
    const double s = r.width();
    // Shoulders in the personality's colour.
    QPainterPath body;
    body.moveTo(r.left() + s * 0.1, r.bottom());
    body.quadTo(c.x(), r.top() + s * 0.55, r.right() - s * 0.1, r.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(own.darker(120));
    p.drawPath(body);
    // Head.
    const QRectF head(c.x() - s * 0.22, c.y() - s * 0.3, s * 0.44, s * 0.5);
    p.setBrush(QColor(0xF1, 0xC2, 0x9A));
    p.setPen(QPen(QColor(0x6A, 0x40, 0x20), s * 0.01));
    p.drawEllipse(head);
    // Eyes and smile.
    p.setBrush(Qt::black);
    const double ey = head.top() + head.height() * 0.42;
    for (double dx : {-0.09, 0.09}) p.drawEllipse(QPointF(c.x() + s * dx, ey), s * 0.025, s * 0.03);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x70, 0x20, 0x20), s * 0.02, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - s * 0.09, ey + s * 0.04, s * 0.18, s * 0.12), 200 * 16, 140 * 16);
    // What sets each one apart.
    p.setPen(QPen(Qt::black, s * 0.01));
    if (name == "Tessik") {  // round spectacles and a tall collar
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), s * 0.015));
        for (double dx : {-0.09, 0.09})
            p.drawEllipse(QPointF(c.x() + s * dx, ey), s * 0.06, s * 0.06);
        p.drawLine(QPointF(c.x() - s * 0.03, ey), QPointF(c.x() + s * 0.03, ey));
        p.setBrush(own);
        p.drawRect(QRectF(c.x() - s * 0.25, head.top() - s * 0.06, s * 0.5, s * 0.1));
    } else if (name == "Ruun") {  // a beard and a horned helmet
        p.setBrush(QColor(0xC0, 0x6A, 0x20));
        QPainterPath beard;
        beard.moveTo(head.left() + s * 0.03, ey + s * 0.05);
        beard.quadTo(c.x(), head.bottom() + s * 0.2, head.right() - s * 0.03, ey + s * 0.05);
        beard.quadTo(c.x(), ey + s * 0.22, head.left() + s * 0.03, ey + s * 0.05);
        p.drawPath(beard);
        p.setBrush(QColor(0x9A, 0xA0, 0xA8));
        p.drawChord(QRectF(head.left() - s * 0.02, head.top() - s * 0.06, head.width() + s * 0.04,
                           head.height() * 0.7),
                    0, 180 * 16);
        p.setBrush(QColor(0xF0, 0xE8, 0xD0));
        for (int side : {-1, 1}) {
            QPainterPath horn;
            const double hx = c.x() + side * s * 0.22;
            horn.moveTo(hx, head.top() + s * 0.06);
            horn.quadTo(hx + side * s * 0.15, head.top(), hx + side * s * 0.12,
                        head.top() - s * 0.15);
            horn.quadTo(hx + side * s * 0.06, head.top() - s * 0.02, hx, head.top() + s * 0.12);
            p.drawPath(horn);
        }
    } else if (name == "Pellor") {  // a pointed hat with a star
        QPainterPath hat;
        hat.moveTo(head.left() - s * 0.06, head.top() + s * 0.12);
        hat.lineTo(c.x() + s * 0.08, r.top() + s * 0.02);
        hat.lineTo(head.right() + s * 0.06, head.top() + s * 0.12);
        hat.closeSubpath();
        p.setBrush(own);
        p.drawPath(hat);
        p.setBrush(QColor(0xFF, 0xD8, 0x40));
        p.drawEllipse(QPointF(c.x() + s * 0.02, head.top() - s * 0.05), s * 0.035, s * 0.035);
    } else {  // Brivo: a flat cap
        p.setBrush(own);
        p.drawChord(QRectF(head.left() - s * 0.03, head.top() - s * 0.04, head.width() + s * 0.14,
                           head.height() * 0.55),
                    0, 180 * 16);
    }
}
}  // namespace

std::vector<ShippedBackground> ShippedBackgrounds() {
    return {
        {"GameBoard.gif",
         SeamlessTile(192, QColor(0x1C, 0x5E, 0x30), QColor(0x2A, 0x78, 0x42), 3, 0.55)},
        {"Walnut.jpg",
         SeamlessTile(256, QColor(0x4A, 0x2A, 0x14), QColor(0x8A, 0x55, 0x2C), 9, 0.9)},
        {"Slate.jpg",
         SeamlessTile(224, QColor(0x2C, 0x33, 0x3C), QColor(0x4E, 0x58, 0x66), 2, 0.8)},
        {"Burgundy.jpg",
         SeamlessTile(192, QColor(0x5A, 0x12, 0x1E), QColor(0x7E, 0x22, 0x30), 4, 0.5)},
    };
}

const std::vector<QString>& ShippedPersonalities() {
    static const std::vector<QString> kNames = {"Brivo", "Tessik", "Ruun", "Pellor"};
    return kNames;
}

QImage PersonalityAvatar(const QString& name) {
    QImage img(240, 240, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(120, 90), 200);
    g.setColorAt(0, PersonalityColour(name).lighter(190));
    g.setColorAt(1, PersonalityColour(name).lighter(110));
    p.fillRect(img.rect(), g);
    PaintFace(p, name, QRectF(20, 20, 200, 220));
    return img;
}

QImage FlashFrame(const QString& name, int n) {
    const int w = 220, h = 150;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor own = PersonalityColour(name);
    p.fillRect(img.rect(), own.darker(160));
    // A burst of rays that grows and turns from frame to frame.
    const QPointF c(w / 2.0, h / 2.0);
    const double grow = n / 7.0;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const double a = kTau * i / 16 + n * 0.12;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(std::cos(a - 0.1), std::sin(a - 0.1)) * 160 * grow);
        ray.lineTo(c + QPointF(std::cos(a + 0.1), std::sin(a + 0.1)) * 160 * grow);
        ray.closeSubpath();
        p.setBrush(i % 2 ? QColor(0xFF, 0xE0, 0x60, 170) : own.lighter(150));
        p.drawPath(ray);
    }
    const double face = 50 + 40 * grow;
    PaintFace(p, name, QRectF(c.x() - face / 2, c.y() - face / 2 - 8, face, face));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(10 + 2 * n);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 180));
    p.drawText(QRectF(1, h - 34 + 1, w, 30), Qt::AlignCenter, "I WIN!");
    p.setPen(QColor(0xFF, 0xF0, 0xA0));
    p.drawText(QRectF(0, h - 34, w, 30), Qt::AlignCenter, "I WIN!");
    PaintBevel(p, QRectF(0, 0, w, h), 3, true);
    return img;
}

bool WriteShippedPictures(const QString& programFolder, QStringList* failed) {
    const QDir root(programFolder);
    for (const char* sub : {"backgrounds", "Avatars", "Data/PMS"}) root.mkpath(sub);
    bool ok = true;
    auto save = [&](const QImage& img, const QString& rel, const char* format) {
        if (img.save(root.filePath(rel), format, 90)) return;
        ok = false;
        if (failed) failed->append(rel);
    };
    // The default background keeps its historic name; the program reads pictures by content.
    for (const auto& b : ShippedBackgrounds())
        save(b.picture, "backgrounds/" + b.fileName, b.fileName.endsWith(".gif") ? "PNG" : "JPG");
    for (const QString& name : ShippedPersonalities()) {
        save(PersonalityAvatar(name), "Avatars/" + name + ".jpg", "JPG");
        const std::string owner = name.toStdString();
        if (FlashFramesOwner(owner) != owner) continue;  // shares another's frames
        for (int n = 1; n <= kFlashFrames; ++n)
            save(FlashFrame(name, n),
                 "Data/PMS/" + QString::fromStdString(FlashFrameFile(owner, n)), "PNG");
    }
    return ok;
}
