#include "board/qt/suit_paths.h"

#include <QTransform>

namespace {
// Drawn in a 100 x 100 square, then mapped onto the box.
QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(50, 96);
    p.cubicTo(20, 70, 0, 52, 2, 30);
    p.cubicTo(4, 10, 20, 2, 32, 2);
    p.cubicTo(42, 2, 48, 8, 50, 18);
    p.cubicTo(52, 8, 58, 2, 68, 2);
    p.cubicTo(80, 2, 96, 10, 98, 30);
    p.cubicTo(100, 52, 80, 70, 50, 96);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.quadTo(66, 30, 90, 50);
    p.quadTo(66, 70, 50, 100);
    p.quadTo(34, 70, 10, 50);
    p.quadTo(34, 30, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath Stem() {
    QPainterPath p;
    p.moveTo(46, 62);
    p.quadTo(44, 88, 28, 98);
    p.lineTo(72, 98);
    p.quadTo(56, 88, 54, 62);
    p.closeSubpath();
    return p;
}

QPainterPath Spade() {
    QPainterPath p;
    p.moveTo(50, 2);
    p.cubicTo(80, 30, 100, 44, 98, 62);
    p.cubicTo(96, 80, 74, 86, 56, 70);
    p.lineTo(44, 70);
    p.cubicTo(26, 86, 4, 80, 2, 62);
    p.cubicTo(0, 44, 20, 30, 50, 2);
    p.closeSubpath();
    return p.united(Stem());
}

QPainterPath Club() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 25), 23, 23);
    p.addEllipse(QPointF(25, 58), 23, 23);
    p.addEllipse(QPointF(75, 58), 23, 23);
    p.addRect(40, 30, 20, 36);
    p.setFillRule(Qt::WindingFill);
    return p.simplified().united(Stem());
}
}  // namespace

QPainterPath SuitPath(Suit suit, const QRectF& box) {
    static const QPainterPath kShapes[] = {Club(), Diamond(), Heart(), Spade()};
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(kShapes[static_cast<int>(suit)]);
}

QColor SuitColour(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds ? QColor(0xC8, 0x10, 0x1E)
                                                          : QColor(0x10, 0x10, 0x18);
}
