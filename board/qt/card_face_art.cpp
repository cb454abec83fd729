#include "board/qt/card_face_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <vector>

#include "board/card_geometry.h"
#include "board/qt/suit_paths.h"
#include "board/qt/textures.h"

namespace {
struct Pip {
    double x, y;  // within the pip area, 0-1
};

const std::vector<Pip>& PipLayout(int rank) {
    static const std::array<std::vector<Pip>, 11> kLayouts = {{
        {},
        {{0.5, 0.5}},
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0, 1 / 3.},
         {1, 1 / 3.},
         {0.5, 0.5},
         {0, 2 / 3.},
         {1, 2 / 3.},
         {0, 1},
         {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1 / 6.},
         {0, 1 / 3.},
         {1, 1 / 3.},
         {0, 2 / 3.},
         {1, 2 / 3.},
         {0.5, 5 / 6.},
         {0, 1},
         {1, 1}},
    }};
    return kLayouts[rank];
}

QFont FaceFont(double pixelSize, bool bold = true, const char* family = "DejaVu Sans") {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    f.setBold(bold);
    return f;
}

void PaintCardBlank(QPainter& p, const QRectF& cell, const QColor& fill) {
    const QRectF r = cell.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 4, 4);
}

// Draws `what` upright in the top half, then again turned round, as cards read both ways up.
template <typename F>
void BothWaysUp(QPainter& p, const QRectF& cell, F what) {
    what();
    p.save();
    p.translate(cell.center());
    p.rotate(180);
    p.translate(-cell.center());
    what();
    p.restore();
}

void PaintIndex(QPainter& p, const QRectF& cell, int rank, Suit suit) {
    const QColor ink = SuitColour(suit);
    BothWaysUp(p, cell, [&] {
        p.setPen(ink);
        p.setFont(FaceFont(rank == 10 ? 10 : 12));
        const QRectF textBox(cell.left() + 1, cell.top() + 2, 13, 13);
        p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, RankText(rank));
        p.fillPath(SuitPath(suit, QRectF(cell.left() + 3, cell.top() + 16, 9, 9)), ink);
    });
}

void PaintPips(QPainter& p, const QRectF& cell, int rank, Suit suit) {
    const QColor ink = SuitColour(suit);
    if (rank == 1) {
        const double s = suit == Suit::Spades ? 34 : 26;
        p.fillPath(
            SuitPath(suit, QRectF(cell.center().x() - s / 2, cell.center().y() - s / 2, s, s)),
            ink);
        return;
    }
    const QRectF area(cell.left() + 21, cell.top() + 15, cell.width() - 42, cell.height() - 30);
    const double s = 13;
    for (const Pip& pip : PipLayout(rank)) {
        const QPointF c(area.left() + pip.x * area.width(), area.top() + pip.y * area.height());
        p.save();
        p.translate(c);
        if (pip.y > 0.55) p.rotate(180);  // the lower pips point the other way
        p.fillPath(SuitPath(suit, QRectF(-s / 2, -s / 2, s, s)), ink);
        p.restore();
    }
}

QPainterPath Emblem(int rank, const QRectF& b) {
    QPainterPath e;
    if (rank == 13) {  // a crown
        e.moveTo(b.left(), b.bottom());
        e.lineTo(b.left(), b.top() + b.height() * 0.3);
        e.lineTo(b.left() + b.width() * 0.25, b.top() + b.height() * 0.6);
        e.lineTo(b.center().x(), b.top());
        e.lineTo(b.right() - b.width() * 0.25, b.top() + b.height() * 0.6);
        e.lineTo(b.right(), b.top() + b.height() * 0.3);
        e.lineTo(b.right(), b.bottom());
        e.closeSubpath();
    } else if (rank == 12) {  // a tiara with three jewels
        e.moveTo(b.left(), b.bottom());
        e.quadTo(b.center().x(), b.top() - b.height() * 0.2, b.right(), b.bottom());
        e.closeSubpath();
        for (double f : {0.25, 0.5, 0.75})
            e.addEllipse(QPointF(b.left() + b.width() * f, b.top() + b.height() * 0.25),
                         b.width() * 0.08, b.width() * 0.08);
    } else {  // a cap with a feather
        e.moveTo(b.left(), b.bottom());
        e.quadTo(b.left(), b.top() + b.height() * 0.3, b.center().x(), b.top() + b.height() * 0.3);
        e.quadTo(b.right(), b.top() + b.height() * 0.3, b.right(), b.bottom());
        e.closeSubpath();
        e.moveTo(b.center().x(), b.top() + b.height() * 0.35);
        e.quadTo(b.right() + 2, b.top() - 2, b.right(), b.top());
        e.quadTo(b.right() - 4, b.top() + b.height() * 0.3, b.center().x() + 2,
                 b.top() + b.height() * 0.4);
        e.closeSubpath();
    }
    e.setFillRule(Qt::WindingFill);
    return e;
}

void PaintCourt(QPainter& p, const QRectF& cell, int rank, Suit suit) {
    const QColor ink = SuitColour(suit);
    const QRectF frame = cell.adjusted(15, 12, -15, -12);
    QLinearGradient g(frame.topLeft(), frame.bottomRight());
    g.setColorAt(0, QColor(0xFF, 0xF3, 0xC8));
    g.setColorAt(1, QColor(0xF3, 0xD9, 0x8A));
    p.setPen(QPen(ink, 1.2));
    p.setBrush(g);
    p.drawRect(frame);
    p.setPen(QPen(QColor(0xC9, 0x9A, 0x2E), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(2, 2, -2, -2));
    const QColor robe = suit == Suit::Hearts || suit == Suit::Diamonds ? QColor(0x2A, 0x4D, 0xA8)
                                                                       : QColor(0xB8, 0x22, 0x2A);
    BothWaysUp(p, cell, [&] {
        const double cx = frame.center().x();
        const QRectF head(cx - 8, frame.top() + 14, 16, 14);
        p.setPen(QPen(QColor(0x40, 0x30, 0x20), 0.8));
        p.setBrush(QColor(0xF6, 0xD2, 0xB0));
        p.drawEllipse(head);
        p.setBrush(QColor(0xE8, 0xB8, 0x20));
        p.drawPath(Emblem(rank, QRectF(cx - 9, frame.top() + 4, 18, 11)));
        QPainterPath shoulders;
        shoulders.moveTo(frame.left() + 4, frame.center().y() - 1);
        shoulders.quadTo(cx, head.bottom() - 4, frame.right() - 4, frame.center().y() - 1);
        shoulders.closeSubpath();
        p.setBrush(robe);
        p.drawPath(shoulders);
        p.setPen(ink);
        p.setFont(FaceFont(11));
        p.drawText(QRectF(frame.left() + 2, frame.top() + 1, 12, 13), Qt::AlignCenter,
                   RankText(rank));
        p.fillPath(SuitPath(suit, QRectF(frame.right() - 12, frame.top() + 3, 9, 9)), ink);
    });
    p.setPen(QPen(ink, 0.6));
    p.drawLine(QPointF(frame.left(), frame.center().y()),
               QPointF(frame.right(), frame.center().y()));
}
}  // namespace

QString RankText(int rank) {
    static const char* const kNames[] = {"",  "A", "2", "3",  "4", "5", "6",
                                         "7", "8", "9", "10", "J", "Q", "K"};
    return rank >= 1 && rank <= 13 ? kNames[rank] : "";
}

void PaintCardFace(QPainter& p, const QRectF& cell, int card) {
    const SheetCell c = CellOfCard(card);
    const Suit suit = static_cast<Suit>(c.row);
    const int rank = c.column + 1;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PaintCardBlank(p, cell, Qt::white);
    if (rank >= 11)
        PaintCourt(p, cell, rank, suit);
    else
        PaintPips(p, cell, rank, suit);
    PaintIndex(p, cell, rank, suit);
    p.restore();
}

QImage BuildStandardSheet(qreal dpr) {
    QImage sheet = BlankImage(kSheetWidth, kSheetHeight, dpr);
    QPainter p(&sheet);
    for (int n = 1; n <= 52; ++n) {
        const SheetCell c = CellOfCard(n);
        PaintCardFace(p, QRectF(c.x, c.y, kCardWidth, kCardHeight), n);
    }
    return sheet;
}

namespace {
struct NumberStyle {
    QColor paper, paper2, ink, outline;
    const char* family;
    bool bold, italic, wood;
};

NumberStyle StyleOf(int design, int rank) {
    switch (design) {
        case 1:  // Tessik: cream and navy, with a double rule
            return {QColor(0xFB, 0xF4, 0xE2),
                    QColor(0xF1, 0xE6, 0xC8),
                    QColor(0x1B, 0x2A, 0x5C),
                    QColor(0x1B, 0x2A, 0x5C),
                    "DejaVu Serif",
                    true,
                    false,
                    false};
        case 2: {  // Artsy: a pastel per rank
            const QColor c = QColor::fromHsv((rank * 27) % 360, 70, 250);
            return {c,
                    c.lighter(112),
                    QColor::fromHsv((rank * 27 + 180) % 360, 200, 120),
                    QColor(0x44, 0x44, 0x44),
                    "DejaVu Serif",
                    false,
                    true,
                    false};
        }
        case 3:  // Shout: yellow and red, outlined
            return {QColor(0xFF, 0xE0, 0x30),
                    QColor(0xFF, 0xB0, 0x20),
                    QColor(0xE0, 0x18, 0x18),
                    Qt::black,
                    "DejaVu Sans",
                    true,
                    false,
                    false};
        case 4:  // Brivo's: green baize and gold
            return {QColor(0x1F, 0x6B, 0x3A),
                    QColor(0x12, 0x4A, 0x26),
                    QColor(0xF2, 0xCC, 0x4A),
                    QColor(0xE0, 0xB8, 0x48),
                    "DejaVu Serif",
                    true,
                    false,
                    false};
        case 5:  // Viking: dark timber and bone
            return {QColor(0x5A, 0x36, 0x1C),
                    QColor(0x3E, 0x24, 0x12),
                    QColor(0xF0, 0xE6, 0xD0),
                    QColor(0x20, 0x10, 0x08),
                    "DejaVu Sans Condensed",
                    true,
                    false,
                    true};
        default:  // the plain design
            return {Qt::white,     QColor(0xF2, 0xF2, 0xF2),
                    Qt::black,     QColor(0x60, 0x60, 0x60),
                    "DejaVu Sans", true,
                    false,         false};
    }
}

QString NumberText(int rank) {
    return rank == 13 ? "K" : QString::number(rank);
}
}  // namespace

void PaintNumberCard(QPainter& p, const QRectF& cell, int rank, int design) {
    const NumberStyle s = StyleOf(design, rank);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(cell.topLeft(), cell.bottomLeft());
    g.setColorAt(0, s.paper);
    g.setColorAt(1, s.paper2);
    p.setPen(QPen(s.outline, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(cell.adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    if (s.wood) PaintWood(p, cell.adjusted(3, 3, -3, -3), true);
    if (design == 1 || design == 5) {
        p.setPen(QPen(s.ink, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(4, 4, -4, -4));
        p.drawRect(cell.adjusted(6, 6, -6, -6));
    }
    QFont f(s.family);
    f.setBold(s.bold);
    f.setItalic(s.italic);
    f.setPixelSize(rank >= 10 ? 34 : 44);
    QPainterPath text;
    text.addText(0, 0, f, NumberText(rank));
    const QRectF tb = text.boundingRect();
    text.translate(cell.center() - tb.center());
    if (design == 3)
        p.strokePath(text, QPen(s.outline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(text, s.ink);
    // Small ranks in two corners, so a fanned card still reads.
    QFont small(s.family);
    small.setBold(true);
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(s.ink);
    p.drawText(cell.adjusted(4, 3, -4, -3), Qt::AlignLeft | Qt::AlignTop, NumberText(rank));
    p.drawText(cell.adjusted(4, 3, -4, -3), Qt::AlignRight | Qt::AlignBottom, NumberText(rank));
    if (rank == 13) {
        small.setPixelSize(9);
        p.setFont(small);
        p.drawText(cell.adjusted(0, 0, 0, -16), Qt::AlignHCenter | Qt::AlignBottom, "wild");
    }
    p.restore();
}

QImage NumberCardImage(int rank, int design, qreal dpr) {
    QImage img = BlankImage(kCardWidth, kCardHeight, dpr);
    QPainter p(&img);
    PaintNumberCard(p, QRectF(0, 0, kCardWidth, kCardHeight), rank, design);
    return img;
}
