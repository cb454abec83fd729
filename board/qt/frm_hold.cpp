#include "board/qt/frm_hold.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include "board/card_geometry.h"
#include "board/hold_row.h"
#include "board/layout_twips.h"
#include "board/qt/board_art.h"
#include "board/qt/card_pictures.h"
#include "board/qt/form_skin.h"
#include "board/table_draw.h"

namespace {
// The designed row: the first card's Left, the strip each card covers of the one before it, the
// room after the last card and after the buttons, and the card row's Top.
constexpr int kFirstLeft = 8, kOverlap = 4, kRightMargin = 7, kButtonMargin = 5, kRowTop = 24;
constexpr int kButtonWidth = 150, kButtonHeight = 24;
}  // namespace

FrmHold::FrmHold(CardPictures& pictures, const BoardLooks& looks, i16& holdLeft, i16& holdTop,
                 bool largeFonts, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      pictures_(pictures),
      looks_(looks),
      holdLeft_(holdLeft),
      holdTop_(holdTop) {
    setObjectName("frmHold");
    setWindowTitle("HOLD CARDS HIDDEN");
    // A hidden helper window must never keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    lblHold_ = new QLabel(" Hold Cards Hidden ", this);
    lblHold_->setObjectName("lblHold");
    lblHold_->setToolTip("Click checkbox to save window position");
    lblHold_->installEventFilter(this);
    cmdExit_[0] = new QPushButton("Hide", this);
    cmdExit_[1] = new QPushButton("Save window position", this);
    for (int i = 0; i < 2; ++i) cmdExit_[i]->setObjectName(QString("cmdExit_%1").arg(i));
    connect(cmdExit_[0], &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdExit_[1], &QPushButton::clicked, this, &FrmHold::HoldSavePos);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { unloading_ = true; });
    setToolTip("Click checkbox to save window position");
    LayOut(largeFonts);
}

void FrmHold::LayOut(bool largeFonts) {
    // Large fonts shrink the window one step (0.8), as its other windows do.
    const double k = largeFonts ? 0.8 : 1.0;
    const int w = static_cast<int>(kSmallCardWidth * k);
    const int h = static_cast<int>(kSmallCardHeight * k);
    const int buttonW = static_cast<int>(kButtonWidth * k);
    const HoldRowLayout row =
        LayOutHoldRow(kFirstLeft, w, buttonW, kOverlap, kRightMargin, kButtonMargin);
    ControlGeom card;
    card.Kind = ControlKind::PictureBox;
    card.Top = kRowTop * k;
    card.Width = w;
    card.Height = h;
    for (int i = 1; i <= 10; ++i) {
        card.Left = row.cardLeft[i];
        card.Visible = i == 1;
        form_.Controls[ControlKey("Picture8", i)] = card;
    }
    const int height = static_cast<int>(card.Top + h + kButtonHeight * k + 12);
    setFixedSize(row.windowWidth, height);
    lblHold_->setGeometry(kFirstLeft, 4, row.windowWidth - 2 * kFirstLeft, 16);
    const int buttonTop = static_cast<int>(card.Top + h + 6);
    cmdExit_[0]->setGeometry(row.hideButtonLeft, buttonTop, buttonW, int(kButtonHeight * k));
    cmdExit_[1]->setGeometry(row.saveButtonLeft, buttonTop, buttonW, int(kButtonHeight * k));
    ShowCard(1, 0, card_kind::kEmptyPile);
    PaintFormSkinColours(this, looks_.PlaceholderStyle != VbFalse);
}

void FrmHold::ShowCard(int index, int card, int kind) {
    CardDrawContext ctx;
    ctx.faceDeck = looks_.FaceDeck;
    ctx.backStyle = looks_.BackStyle;
    ctx.soundMode = 2;  // the window is silent
    ::ShowCard(canvas_, ctx, PileRow::HoldWindow, index, card, kind);
    update();
}

void FrmHold::HideCard(int index) {
    canvas_.SetVisible(PileRow::HoldWindow, index, false);
    update();
}

void FrmHold::SetCaption(const QString& text) {
    lblHold_->setText(text);
}

void FrmHold::ShowAtSavedPlace() {
    if (holdLeft_ != 0 || holdTop_ != 0) move(TwipsToPixels(holdLeft_), TwipsToPixels(holdTop_));
    show();
    raise();
}

void FrmHold::HoldSavePos() {
    holdLeft_ = TwipsForRecord(pos().x());
    holdTop_ = TwipsForRecord(pos().y());
}

void FrmHold::Unload() {
    unloading_ = true;
    close();
}

void FrmHold::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintFormSkin(p, rect(), looks_.PlaceholderStyle != VbFalse, pictures_.dpr());
    for (const auto& [key, c] : form_.Controls) {
        if (!c.Visible) continue;
        const QRectF r(c.Left, c.Top, c.Width, c.Height);
        const BoxFace* face = canvas_.FaceOf(key);
        if (!face || !face->painted) continue;
        if (face->colour != BoxColour::Keep)
            p.fillRect(r, face->colour == BoxColour::White ? QColor(Qt::white)
                                                           : ToQColor(looks_.DeckColor));
        p.drawImage(r, pictures_.PictureFor(face->look));
        if (face->border) {
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    DrawFormFrame(p, rect());
}

void FrmHold::closeEvent(QCloseEvent* e) {
    // The player's close (the window manager's button or keys) only hides the window; the
    // program's own close, and the end of the program or the session, let it go.
    if (unloading_ || !e->spontaneous()) {
        e->accept();
        return;
    }
    e->ignore();
    hide();
}

void FrmHold::HoldDrag(Qt::MouseButtons buttons, QPoint globalPos) {
    if (!(buttons & Qt::LeftButton)) return;
    dragged_ = true;
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    move(globalPos - dragOffset_);
}

void FrmHold::mousePressEvent(QMouseEvent* e) {
    dragged_ = false;
    dragOffset_ = e->globalPosition().toPoint() - pos();
}

void FrmHold::mouseMoveEvent(QMouseEvent* e) {
    HoldDrag(e->buttons(), e->globalPosition().toPoint());
}

void FrmHold::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && !dragged_) HoldSavePos();
}

bool FrmHold::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lblHold_) {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
                mousePressEvent(static_cast<QMouseEvent*>(e));
                return true;
            case QEvent::MouseMove:
                mouseMoveEvent(static_cast<QMouseEvent*>(e));
                return true;
            case QEvent::MouseButtonRelease:
                mouseReleaseEvent(static_cast<QMouseEvent*>(e));
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, e);
}
