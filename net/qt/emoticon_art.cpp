#include "net/qt/emoticon_art.h"

#include <QDir>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>

#include "platform/file_util.h"

namespace {

// Every face is drawn on a 32-unit square and scaled to the picture's size.
constexpr qreal kUnit = 32.0;
const QColor kInk(0x3A, 0x26, 0x10);

void Face(QPainter& p, QColor light, QColor dark) {
    QRadialGradient g(QPointF(12, 11), 18);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(kInk, 1.4));
    p.drawEllipse(QRectF(2, 2, 28, 28));
}

void YellowFace(QPainter& p) {
    Face(p, QColor(0xFF, 0xEE, 0x70), QColor(0xF0, 0xB0, 0x10));
}

void Eyes(QPainter& p, qreal y = 12, qreal h = 5) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(10, y, 3.4, h));
    p.drawEllipse(QRectF(18.6, y, 3.4, h));
}

void Arc(QPainter& p, QRectF box, int startDeg, int spanDeg, qreal width = 1.8) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(box, startDeg * 16, spanDeg * 16);
}

void Smile(QPainter& p) {
    Arc(p, QRectF(9, 11, 14, 12), 200, 140);
}

void Frown(QPainter& p) {
    Arc(p, QRectF(10, 20, 12, 9), 20, 140);
}

void Drop(QPainter& p, QPointF at, qreal size) {
    QPainterPath d;
    d.moveTo(at);
    d.cubicTo(at + QPointF(-size, size * 1.3), at + QPointF(size, size * 1.3), at);
    p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 0.8));
    p.setBrush(QColor(0x70, 0xB8, 0xFF));
    p.drawPath(d);
}

void Brows(QPainter& p, qreal innerY, qreal outerY) {
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, outerY), QPointF(14, innerY));
    p.drawLine(QPointF(24, outerY), QPointF(18, innerY));
}

void Angry(QPainter& p) {
    Face(p, QColor(0xFF, 0x90, 0x70), QColor(0xD0, 0x30, 0x20));
    Brows(p, 12, 9);
    Eyes(p, 13, 4);
    Frown(p);
}

void Begging(QPainter& p) {
    YellowFace(p);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(8.5, 10, 6.5, 7.5));
    p.drawEllipse(QRectF(17, 10, 6.5, 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(10, 12, 4, 5));
    p.drawEllipse(QRectF(18.5, 12, 4, 5));
    Smile(p);
    p.setPen(QPen(QColor(0xA0, 0x20, 0x40), 0.8));
    p.setBrush(QColor(0xFF, 0x70, 0x90));
    p.drawRoundedRect(QRectF(14, 21.5, 5, 6), 2.5, 2.5);
}

void Crying(QPainter& p) {
    YellowFace(p);
    Arc(p, QRectF(9, 12, 5, 4), 0, 180);
    Arc(p, QRectF(18, 12, 5, 4), 0, 180);
    Frown(p);
    Drop(p, QPointF(10, 16), 3);
    Drop(p, QPointF(22, 17), 3);
}

void DumbMove(QPainter& p) {
    YellowFace(p);
    Eyes(p, 12, 4);
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath wave;
    wave.moveTo(10, 22);
    wave.cubicTo(13, 19, 15, 25, 17, 22);
    wave.cubicTo(19, 19, 21, 25, 23, 22);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
    QFont f;
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(21, 0, 11, 12), Qt::AlignCenter, "?");
}

void Embarrassed(QPainter& p) {
    YellowFace(p);
    Eyes(p, 13, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x80, 0x90, 200));
    p.drawEllipse(QRectF(5.5, 17, 6, 4));
    p.drawEllipse(QRectF(20.5, 17, 6, 4));
    Arc(p, QRectF(12, 18, 8, 5), 200, 140, 1.5);
}

void Hotflash(QPainter& p) {
    Face(p, QColor(0xFF, 0xB0, 0x60), QColor(0xF0, 0x50, 0x10));
    Eyes(p);
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 22), QPointF(21, 22));
    Drop(p, QPointF(26, 6), 3.5);
    Drop(p, QPointF(5, 9), 2.5);
}

void Grinning(QPainter& p) {
    YellowFace(p);
    Eyes(p, 10, 5);
    QPainterPath mouth;
    mouth.moveTo(8, 17);
    mouth.lineTo(24, 17);
    mouth.cubicTo(24, 25, 8, 25, 8, 17);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::white);
    p.drawPath(mouth);
    p.drawLine(QPointF(8.5, 19.5), QPointF(23.5, 19.5));
}

void Skull(QPainter& p) {
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(0xF4, 0xF0, 0xE4));
    QPainterPath head;
    head.addEllipse(QRectF(4, 2, 24, 22));
    head.addRoundedRect(QRectF(9, 18, 14, 11), 3, 3);
    p.drawPath(head.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(8, 10, 6.5, 6.5));
    p.drawEllipse(QRectF(17.5, 10, 6.5, 6.5));
    QPainterPath nose;
    nose.moveTo(16, 17);
    nose.lineTo(14.5, 20);
    nose.lineTo(17.5, 20);
    p.drawPath(nose);
    p.setPen(QPen(kInk, 1.2));
    for (qreal x : {13.0, 16.0, 19.0}) p.drawLine(QPointF(x, 23), QPointF(x, 28.5));
}

void Mischievous(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath horn;
        horn.moveTo(16 + side * 6, 6);
        horn.lineTo(16 + side * 12, 0.5);
        horn.lineTo(16 + side * 10.5, 8.5);
        horn.closeSubpath();
        p.drawPath(horn);
    }
    YellowFace(p);
    Arc(p, QRectF(9, 12, 5, 3), 180, 180, 2);
    Arc(p, QRectF(18, 12, 5, 3), 180, 180, 2);
    Arc(p, QRectF(10, 14, 14, 9), 220, 110, 2);
}

void Noose(QPainter& p) {
    const QPen rope(QColor(0x9A, 0x6A, 0x2A), 3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(rope);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(16, 0), QPointF(16, 12));
    p.drawEllipse(QRectF(9, 14, 14, 15));
    p.setPen(QPen(QColor(0x6A, 0x44, 0x14), 1));
    p.setBrush(QColor(0xB8, 0x86, 0x3C));
    p.drawRoundedRect(QRectF(12.5, 9, 7, 7), 2, 2);
    for (qreal y : {11.0, 13.5}) p.drawLine(QPointF(12.5, y), QPointF(19.5, y));
}

void Sad(QPainter& p) {
    YellowFace(p);
    Eyes(p, 12, 4.5);
    Frown(p);
}

void Wink(QPainter& p) {
    YellowFace(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(10, 11, 3.4, 5));
    Arc(p, QRectF(18, 12, 5, 3), 180, 180, 2);
    Smile(p);
}

void Shoot(QPainter& p) {
    p.setPen(QPen(QColor(0xC0, 0x60, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xD0, 0x30));
    QPainterPath bang;
    const QPointF c(5.5, 10);
    for (int i = 0; i < 16; ++i) {
        const qreal r = i % 2 ? 2.2 : 5.5;
        const qreal a = i * 3.14159265 / 8;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? bang.moveTo(pt) : bang.lineTo(pt);
    }
    bang.closeSubpath();
    p.drawPath(bang);
    p.setPen(QPen(QColor(0x10, 0x10, 0x18), 1));
    p.setBrush(QColor(0x50, 0x54, 0x60));
    QPainterPath gun;
    gun.addRoundedRect(QRectF(10, 6.5, 20, 7), 1.5, 1.5);
    gun.addRoundedRect(QRectF(21, 11, 8, 16), 2, 2);
    p.drawPath(gun.simplified());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(15, 11, 7, 8), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(0x90, 0x94, 0xA0), 1));
    p.drawLine(QPointF(11, 8.5), QPointF(28, 8.5));
}

using Painter = std::function<void(QPainter&)>;
const std::map<QString, Painter>& Painters() {
    static const std::map<QString, Painter> all = {
        {"Angry", Angry},
        {"Begging", Begging},
        {"Crying", Crying},
        {"Dumb_Move", DumbMove},
        {"Embarrassed", Embarrassed},
        {"Hotflash", Hotflash},
        {"Grinning", Grinning},
        {"Skull", Skull},
        {"Mischievous", Mischievous},
        {"Noose", Noose},
        {"Sad", Sad},
        {"Wink", Wink},
        {"Shoot", Shoot},
    };
    return all;
}

}  // namespace

QStringList EmoticonNames() {
    QStringList names;
    for (const auto& [name, draw] : Painters()) names << name;
    return names;
}

QImage DrawEmoticon(const QString& name, int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    auto it = Painters().find(name);
    if (it == Painters().end()) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / kUnit, size / kUnit);
    it->second(p);
    return img;
}

IndexedPicture ToIndexedPicture(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture out;
    out.width = img.width();
    out.height = img.height();
    out.pixels.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
    // Fewer levels per channel until the colours fit beside the transparent entry.
    for (unsigned mask : {0xFFFFFFu, 0xFCFCFCu, 0xF8F8F8u, 0xF0F0F0u, 0xE0E0E0u, 0xC0C0C0u}) {
        QHash<quint32, std::uint8_t> index;
        out.palette = {0xFF00FF};
        out.transparent = 0;
        bool fits = true;
        for (int y = 0; y < out.height && fits; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < out.width; ++x) {
                std::uint8_t at = 0;
                if (qAlpha(row[x]) >= 128) {
                    const quint32 rgb = row[x] & mask;
                    auto found = index.find(rgb);
                    if (found == index.end()) {
                        if (out.palette.size() == 256) {
                            fits = false;
                            break;
                        }
                        found = index.insert(rgb, static_cast<std::uint8_t>(out.palette.size()));
                        out.palette.push_back(rgb);
                    }
                    at = found.value();
                }
                out.pixels[static_cast<size_t>(y) * static_cast<size_t>(out.width) +
                           static_cast<size_t>(x)] = at;
            }
        }
        if (fits) break;
    }
    return out;
}

bool WriteEmoticons(const QString& iconsFolder, QStringList* failed) {
    QDir().mkpath(iconsFolder);
    bool ok = true;
    for (const QString& name : EmoticonNames()) {
        const std::string path = (iconsFolder + "/" + name + ".gif").toStdString();
        const std::string bytes = EncodeGif(ToIndexedPicture(DrawEmoticon(name)));
        if (bytes.empty() || !WriteFileAtomically(path, bytes, nullptr)) {
            ok = false;
            if (failed) *failed << QString::fromStdString(path);
        }
    }
    return ok;
}
