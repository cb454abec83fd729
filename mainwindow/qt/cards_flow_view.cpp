#include "mainwindow/qt/cards_flow_view.h"

#include <QLabel>
#include <QPainter>
#include <filesystem>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/table_controls.h"
#include "platform/file_util.h"

CardsFlowView::CardsFlowView(CardsFlowParts parts) : p_(std::move(parts)) {
    timer_.setInterval(kCardsFlowFrameMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Frame(); });
}

CardsFlowView::~CardsFlowView() {
    timer_.stop();
    std::error_code ec;
    std::filesystem::remove(TempPicturePath(), ec);
}

std::string CardsFlowView::TempPicturePath() const {
    return JoinPath(p_.game.AppFolder, "Data/~temp.bmp");
}

// The card back is written out and read back as the animation's picture; a picture that cannot
// be written or read is taken straight from the table's backs.
bool CardsFlowView::LoadCardPicture() {
    const TableLayout& layout = p_.board.layout;
    const bool small =
        CardsFlowSmallBack(layout.DisplayMode, p_.game.NumPlayers, layout.ScreenWidth);
    const QImage back = small ? p_.board.pictures.SmallBack() : p_.board.pictures.LargeBack();
    const qreal dpr = p_.board.view ? p_.board.view->devicePixelRatioF() : 1.0;
    card_ = MemBitmap{};
    card_.FileName = TempPicturePath();
    if (!back.isNull() && back.save(QString::fromStdString(card_.FileName), "BMP"))
        LoadBitmapDC(card_, p_.dialogs);
    if (card_.pixmap.isNull() && !back.isNull()) card_.pixmap = QPixmap::fromImage(back);
    if (card_.pixmap.isNull()) return false;
    card_.pixmap.setDevicePixelRatio(dpr);
    w_ = qRound(card_.pixmap.width() / dpr);
    h_ = qRound(card_.pixmap.height() / dpr);
    return w_ > 0 && h_ > 0;
}

// The table's texts lie on the board itself, so the flowing cards cover them; the buttons stay
// above the cards and take their clicks.
void CardsFlowView::HideLabels() {
    hiddenLabels_.clear();
    for (QLabel* label : p_.board.view->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->isVisible()) continue;
        hiddenLabels_.push_back(label->objectName().toStdString());
        label->hide();
    }
}

void CardsFlowView::ShowLabels() {
    for (const std::string& key : hiddenLabels_) SyncTableControl(p_.board, key);
    hiddenLabels_.clear();
}

void CardsFlowView::AnimateCardsFlow(int displayStyle) {
    if (!p_.board.view) return;
    // One animation at a time: the one running ends once, whoever asks it to.
    if (!BeginCardsFlow(p_.game, p_.state)) return;
    p_.window.Timer1()->stop();
    style_ = displayStyle;
    TableView& view = *p_.board.view;
    buffers_.MakeBoardBuffers(view);
    base_ = view.Grab();
    {
        // Until the cards cover it, the buffer holds the board as it is.
        QPainter fill(&buffers_.AnimBuffer.pixmap);
        fill.drawImage(QPointF(0, 0), base_);
    }
    if (!LoadCardPicture()) {
        Finish();
        return;
    }
    if (style_ == 0) HideLabels();
    counts_ = CardsFlowCounts(buffers_.BoardWidthPx, buffers_.BoardHeightPx, w_, h_, style_);
    dx_ = dy_ = 0;
    frames_ = 0;
    timer_.start();
}

void CardsFlowView::Frame() {
    if (CardsFlowStopAsked(p_.game, p_.state) || !p_.board.view) {
        Finish();
        return;
    }
    {
        QPainter p(&buffers_.AnimBuffer.pixmap);
        for (const auto& [x, y] : CardsFlowCopies(counts_, style_, dx_, dy_, w_, h_))
            p.drawPixmap(x, y, card_.pixmap);
    }
    buffers_.RestoreBoardStrip(style_, p_.board.layout, *p_.board.view, &base_);
    CardsFlowStep(dx_, dy_, w_, h_);
    ++frames_;
}

void CardsFlowView::Finish() {
    timer_.stop();
    FreeBitmapDC(card_);
    buffers_.FreeAnimBitmaps();
    base_ = QImage();
    std::error_code ec;
    std::filesystem::remove(TempPicturePath(), ec);
    if (TableView* view = p_.board.view) {
        ShowLabels();
        view->ClearOverlay();
        const BoardLooks& looks = p_.looks;
        if (looks.BackgroundIndex != 0 && looks.BackgroundIndex != looks.BackgroundCount + 1)
            p_.board.board->LoadBackground();
        else
            view->update();
    }
    if (EndCardsFlow(p_.game, p_.state) && p_.pressDeal) p_.pressDeal();
}
