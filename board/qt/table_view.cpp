#include "board/qt/table_view.h"

#include <QPainter>
#include <QScreen>

#include "board/qt/card_pictures.h"
#include "board/qt/table_painter.h"
#include "board/qt/textures.h"

TableView::TableView(const FormModel& form, const ModelCanvas& boxes, CardPictures& pictures,
                     const BoardLooks& looks, QWidget* parent)
    : QWidget(parent), form_(form), boxes_(boxes), pictures_(pictures), looks_(looks) {
    setObjectName("TableView");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableView::SetBackground(const QImage& picture, bool stretch) {
    background_ = picture;
    stretch_ = stretch;
    update();
}

void TableView::SetAvatar(const QImage& picture) {
    avatar_ = picture;
    update();
}

void TableView::SetOverlay(const QImage& picture, QPointF at, bool opaque) {
    overlay_ = picture;
    overlayAt_ = at;
    overlayOpaque_ = opaque;
    update();
}

void TableView::UpdateArea(const QRectF& area) {
    if (area.isEmpty()) return;
    update(area.toAlignedRect());
}

double TableView::FrameSeconds() const {
    // A screen that does not say its rate is taken for the common 60 frames a second.
    const QScreen* s = screen();
    const double hz = s ? s->refreshRate() : 0;
    return hz >= 1 ? 1.0 / hz : 1.0 / 60;
}

void TableView::paintEvent(QPaintEvent*) {
    // A window moved to a screen of another density gets its cards drawn again for it.
    pictures_.SetDevicePixelRatio(devicePixelRatioF());
    QPainter p(this);
    PaintAll(p);
}

void TableView::PaintAll(QPainter& p) const {
    const bool covered = overlayOpaque_ && overlayAt_.isNull() &&
                         overlay_.deviceIndependentSize().width() >= width() &&
                         overlay_.deviceIndependentSize().height() >= height();
    if (!covered)
        PaintTable(p, TableScene{form_, boxes_, pictures_, looks_, background_, stretch_, avatar_,
                                 drawTexts_});
    if (!overlay_.isNull()) p.drawImage(overlayAt_, overlay_);
}

QImage TableView::Grab() const {
    QImage img = BlankImage(width(), height(), pictures_.dpr());
    QPainter p(&img);
    PaintAll(p);
    return img;
}
