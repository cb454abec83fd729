#include "board/qt/table_painter.h"

#include <QFont>
#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "board/qt/board_art.h"
#include "board/qt/card_pictures.h"
#include "board/qt/slap_art.h"
#include "board/qt/textures.h"
#include "board/table_design.h"

namespace {
using Control = std::pair<const std::string, ControlGeom>;

QRectF RectOf(const ControlGeom& c) {
    return QRectF(c.Left, c.Top, c.Width, c.Height);
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

bool IsCardBox(const std::string& key) {
    for (const char* row : {"Picture7_", "Picture1_", "Picture2_", "Picture3_", "PicCenter_"})
        if (StartsWith(key, row)) return true;
    return false;
}

QImage NamedPicture(const std::string& name, const TableScene& s, const ControlGeom& c) {
    using namespace table_design;
    const qreal dpr = s.pictures.dpr();
    if (name == kNormalBack) return s.pictures.LargeBack();
    if (name == kSmallBack) return s.pictures.SmallBack();
    if (name == kEmptyPile) return c.Width < 65 ? s.pictures.EmptyPicSm() : s.pictures.EmptyPic();
    if (StartsWith(name, "imgCenter")) {
        const bool metal = name.back() == 'M';
        const QSize size(qRound(c.Width), qRound(c.Height));
        return s.pictures.Memo(QString("%1 %2x%3")
                                   .arg(QString::fromStdString(name))
                                   .arg(size.width())
                                   .arg(size.height()),
                               [&] { return CenterAreaImage(!metal, size, dpr); });
    }
    return {};
}

void PaintBoxBorder(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void PaintCardBox(QPainter& p, const TableScene& s, const Control& ctl) {
    const ControlGeom& c = ctl.second;
    const QRectF r = RectOf(c);
    const BoxFace* face = s.boxes.FaceOf(ctl.first);
    QImage img;
    if (face && face->painted && c.Picture.empty()) {
        if (face->colour != BoxColour::Keep)
            p.fillRect(r, face->colour == BoxColour::White ? QColor(Qt::white)
                                                           : ToQColor(s.looks.DeckColor));
        img = s.pictures.PictureFor(face->look);
    } else {
        img = NamedPicture(c.Picture, s, c);
    }
    p.save();
    p.setClipRect(r);
    // A picture shows at its own size from the box's corner, as a picture box shows it.
    if (!img.isNull()) p.drawImage(r.topLeft(), img);
    p.restore();
    if (face && face->border) PaintBoxBorder(p, r);
}

void PaintLabel(QPainter& p, const ControlGeom& c, bool frame, Qt::Alignment align = {}) {
    const QRectF r = RectOf(c);
    if (frame) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
    // A small opponent frame has no strip below its cards for the caption.
    if (c.Caption.empty() || (frame && c.Height < 100)) return;
    QFont f("DejaVu Sans");
    if (frame)
        f.setPixelSize(9);
    else
        f.setPointSizeF(c.FontSize > 0 ? c.FontSize : 8);
    f.setBold(!frame);
    p.setFont(f);
    const int flags = (frame ? Qt::AlignHCenter | Qt::AlignBottom : align) | Qt::TextWordWrap;
    const QString text = QString::fromStdString(c.Caption);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(QColor(0xFF, 0xF4, 0xC8));
    p.drawText(r, flags, text);
}

void PaintButton(QPainter& p, const ControlGeom& c) {
    const QRectF r = RectOf(c);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(QColor(0xE6, 0xE6, 0xE6));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, QString::fromStdString(c.Caption.empty() ? "Deal" : c.Caption));
}

void PaintBackground(QPainter& p, const TableScene& s) {
    const QRectF area(0, 0, s.form.Width, s.form.Height);
    p.fillRect(area, ToQColor(s.boxes.tableColourSet ? s.boxes.tableColour : s.looks.MatColor));
    if (s.background.isNull()) return;
    if (s.stretch)
        s.pictures.Scaled().Draw(p, "background", s.background, area);
    else
        TilePicture(p, s.background, area);
}

void PaintImage(QPainter& p, const TableScene& s, const std::string& key, const ControlGeom& c) {
    const QRectF r = RectOf(c);
    const QString slot = QString::fromStdString(key);
    ScaledPictures& scaled = s.pictures.Scaled();
    if (key == "ImgTurn1" || key == "ImgTurn2") {
        scaled.Draw(p, slot, s.pictures.Memo("turn", [&] { return TurnMarker(s.pictures.dpr()); }),
                    r);
    } else if (key == "ImgAvatar") {
        scaled.Draw(p, slot, s.avatar, r);
    } else if (key == "imgSlap") {
        scaled.Draw(
            p, slot,
            s.pictures.Memo(QString("slap %1x%2").arg(r.width()).arg(r.height()),
                            [&] { return SlapPicture(r.size().toSize(), s.pictures.dpr()); }),
            r);
    } else if (key == "ImgHold") {
        p.drawImage(r.topLeft(), c.Width < 65 ? s.pictures.SmallBack() : s.pictures.LargeBack());
        if (s.boxes.holdImageFrame) PaintBoxBorder(p, r);
    } else if (key == "picPanel") {
        scaled.Draw(
            p, slot,
            s.pictures.Memo(
                QString("menu %1 %2x%3").arg(s.looks.MenuStyle).arg(r.width()).arg(r.height()),
                [&] {
                    return MenuBarImage(s.looks.MenuStyle != VbFalse, r.size().toSize(),
                                        s.pictures.dpr());
                }),
            r);
    } else if (key == "imgCenter") {
        p.drawImage(r.topLeft(), NamedPicture(c.Picture, s, c));
    } else if (key == "imgIcon") {
        // The emoticon the player's letter key chose, from the Icons folder.
        const QString file = QString::fromStdString(c.Picture);
        if (!file.isEmpty())
            scaled.Draw(p, slot, s.pictures.Memo("icon " + file, [&] { return QImage(file); }), r);
    } else if (key == "imgTip" || key == "imgTipUp") {
        const bool up = key == "imgTipUp";
        scaled.Draw(p, slot,
                    s.pictures.Memo(up ? "tip up" : "tip",
                                    [&] { return TipPointer(up, s.pictures.dpr()); }),
                    r);
    }
}

void PaintShape(QPainter& p, const TableScene& s, const ControlGeom& c) {
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(ToQColor(s.boxes.depthColour));
    p.drawRect(RectOf(c).adjusted(0.5, 0.5, -0.5, -0.5));
}

// The element number of a control array's key ("Stack_12" is 12); 0 without one.
int IndexOfKey(const std::string& key) {
    const size_t at = key.rfind('_');
    int index = 0;
    if (at != std::string::npos)
        std::from_chars(key.data() + at + 1, key.data() + key.size(), index);
    return index;
}

// The depth shapes by their numbers, each drawn in front of the one before (to its left). The
// form keeps its controls by key, where "Stack_9" follows "Stack_25": drawn in that order, shape
// 9 covered the human's band from its place to the top card.
void PaintDepthShapes(QPainter& p, const TableScene& s) {
    std::vector<std::pair<int, const ControlGeom*>> shapes;
    for (const Control& ctl : s.form.Controls)
        if (ctl.second.Visible && ctl.second.Kind == ControlKind::Shape)
            shapes.emplace_back(IndexOfKey(ctl.first), &ctl.second);
    std::sort(shapes.begin(), shapes.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& shape : shapes) PaintShape(p, s, *shape.second);
}
}  // namespace

Qt::Alignment LabelTextAlignment(const std::string& key) {
    if (StartsWith(key, "LblWild_")) return Qt::AlignHCenter | Qt::AlignTop;
    if (key == "StatusMsg") return Qt::AlignLeft | Qt::AlignBottom;
    return Qt::AlignLeft | Qt::AlignTop;
}

void TilePicture(QPainter& p, const QImage& picture, const QRectF& area) {
    const QSizeF cell = picture.deviceIndependentSize();
    if (cell.width() <= 0 || cell.height() <= 0) return;
    const int cols = static_cast<int>(area.width() / cell.width()) + 1;
    const int rows = static_cast<int>(area.height() / cell.height()) + 1;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i)
            p.drawImage(QPointF(area.left() + i * cell.width(), area.top() + j * cell.height()),
                        picture);
}

// Pictures, labels and shapes are drawn on the window's own surface, beneath every card box,
// button and menu bar, which stand above them as child windows do; the travelling card is last.
void PaintTable(QPainter& p, const TableScene& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintBackground(p, s);
    std::vector<const Control*> cards, front, labels;
    const Control* mover = nullptr;
    for (const Control& ctl : s.form.Controls) {
        const ControlGeom& c = ctl.second;
        if (!c.Visible) continue;
        if (ctl.first == "imgCenter") PaintImage(p, s, ctl.first, c);
        // The frames and their captions are the table's own drawing, beneath the cards, even
        // where widgets show the other texts.
        if (StartsWith(ctl.first, "Label3_")) PaintLabel(p, c, true);
    }
    bool shapesDrawn = false;
    for (const Control& ctl : s.form.Controls) {
        const ControlGeom& c = ctl.second;
        if (!c.Visible) continue;
        if (c.Kind == ControlKind::Shape && !shapesDrawn) {
            PaintDepthShapes(p, s);
            shapesDrawn = true;
        }
        if (ctl.first == "ImgHold" || ctl.first == "ImgTurn1" || ctl.first == "ImgTurn2" ||
            ctl.first == "ImgAvatar" || ctl.first == "imgIcon" || ctl.first == "imgSlap")
            PaintImage(p, s, ctl.first, c);
        if (ctl.first == "Picture1_0")
            mover = &ctl;
        else if (IsCardBox(ctl.first))
            (c.Front ? front : cards).push_back(&ctl);
        else if (c.Kind == ControlKind::Label && !StartsWith(ctl.first, "Label3_"))
            labels.push_back(&ctl);
    }
    if (s.drawTexts)
        for (const Control* ctl : labels)
            PaintLabel(p, ctl->second, false, LabelTextAlignment(ctl->first));
    for (const Control* ctl : cards) PaintCardBox(p, s, *ctl);
    for (const Control* ctl : front) PaintCardBox(p, s, *ctl);
    for (const Control& ctl : s.form.Controls) {
        if (!ctl.second.Visible) continue;
        // The panel and the tutorial's pointers stand above the cards.
        if (ctl.first == "picPanel" || ctl.first == "imgTip" || ctl.first == "imgTipUp")
            PaintImage(p, s, ctl.first, ctl.second);
        if (s.drawTexts && ctl.second.Kind == ControlKind::CommandButton)
            PaintButton(p, ctl.second);
    }
    if (mover) PaintCardBox(p, s, *mover);
    p.restore();
}
