#include "board/qt/anim_buffers.h"

#include <QPainter>

#include "board/flash_place.h"
#include "board/qt/table_view.h"
#include "board/table_layout.h"
#include "platform/file_util.h"

void LoadBitmapDC(MemBitmap& rec, Dialogs* dialogs) {
    if (!FileExists(rec.FileName)) return;
    FreeBitmapDC(rec);
    QPixmap picture;
    if (!picture.load(QString::fromStdString(rec.FileName))) {
        if (dialogs)
            dialogs->MsgBox("Error: Unable to load " + rec.FileName + "!!!", mb::OkOnly, "");
        return;
    }
    rec.pixmap = picture;
    rec.Width = picture.width();
    rec.Height = picture.height();
}

void FreeBitmapDC(MemBitmap& rec) {
    rec.pixmap = QPixmap();
    rec.Width = rec.Height = 0;
}

MemBitmap MakeMemBitmap(int width, int height, qreal dpr) {
    MemBitmap rec;
    rec.pixmap = QPixmap(qRound(width * dpr), qRound(height * dpr));
    rec.pixmap.setDevicePixelRatio(dpr);
    rec.Width = width;
    rec.Height = height;
    return rec;
}

void AnimBuffers::MakeBoardBuffers(const TableView& view) {
    BoardWidthPx = view.width();
    BoardHeightPx = view.height();
    AnimBuffer = MakeMemBitmap(static_cast<int>(BoardWidthPx), static_cast<int>(BoardHeightPx),
                               view.devicePixelRatioF());
}

void AnimBuffers::FreeAnimBitmaps() {
    FreeBitmapDC(AnimBuffer);
}

void AnimBuffers::RestoreBoardStrip(int which, const TableLayout& layout, TableView& view,
                                    const QImage* base) const {
    if (AnimBuffer.pixmap.isNull()) return;
    const FormModel& f = layout.Form();
    const int topOpp = f.IsLoaded("Picture1", 1) ? int(f.At("Picture1", 1).Top) : 0;
    const int topHuman = f.IsLoaded("Picture7", 1) ? int(f.At("Picture7", 1).Top) : 0;
    QImage board = base ? *base : view.Grab();
    QPainter p(&board);
    const QImage buffer = AnimBuffer.pixmap.toImage();
    for (const StripCopy& c :
         BoardStrips(which, layout.DisplayMode, layout.NumPlayers, layout.ScreenWidth, topOpp,
                     topHuman, static_cast<int>(BoardWidthPx), static_cast<int>(BoardHeightPx))) {
        QPointF dest(c.destX, c.destY);
        if (c.ontoStock && f.IsLoaded("PicCenter", 0))
            dest = QPointF(f.At("PicCenter", 0).Left, f.At("PicCenter", 0).Top);
        const qreal s = buffer.devicePixelRatio();
        p.drawImage(QRectF(dest, QSizeF(c.width, c.height)), buffer,
                    QRectF(0, 0, c.width * s, c.height * s));
    }
    p.end();
    // The frame covers the whole board: the table beneath need not be painted as well.
    view.SetOverlay(board, QPointF(0, 0), true);
}
