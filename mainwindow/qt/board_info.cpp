#include "mainwindow/qt/board_info.h"

#include <QApplication>
#include <QMouseEvent>

#include "board/qt/board_shell.h"
#include "board/qt/frm_hold.h"
#include "board/qt/table_view.h"
#include "mainwindow/qt/table_controls.h"
#include "mainwindow/status_texts.h"

bool SplitControlKey(const QString& key, QString* name, int* index) {
    const int cut = key.lastIndexOf('_');
    if (cut <= 0) return false;
    bool ok = false;
    const int i = key.mid(cut + 1).toInt(&ok);
    if (!ok) return false;
    *name = key.left(cut);
    *index = i;
    return true;
}

BoardInfo::BoardInfo(BoardInfoParts parts) : p_(parts) {
    qApp->installEventFilter(this);
}

BoardInfo::~BoardInfo() {
    CloseHold();
}

void BoardInfo::CloseHold() {
    if (hold_) hold_->Unload();
}

FrmHold* BoardInfo::Hold() const {
    return hold_.data();
}

void BoardInfo::HoldInfo(const HoldView& view) {
    if (!hold_)
        hold_ = new FrmHold(p_.board.pictures, p_.looks, p_.holdLeft, p_.holdTop,
                            p_.state.LargeFonts, &p_.window);
    FrmHold& hold = *hold_;
    if (hold.isMinimized()) hold.showNormal();
    hold.SetCaption(QString::fromStdString(view.caption));
    for (int box = 1; box <= 10; ++box) {
        const i16 card = view.cards[static_cast<size_t>(box)];
        hold.ShowCard(box, card, card != 0 ? 0 : card_kind::kEmptyPile);
    }
    hold.ShowAtSavedPlace();
}

void BoardInfo::PicCenter_DblClick(int index) {
    if (index == 0) SayOnTable(p_.board, p_.services.board, 1, StockCountText(p_.game));
}

void BoardInfo::PicCenter_MouseDown(int index, Qt::MouseButton button,
                                    Qt::KeyboardModifiers shift) {
    if (index != 0 || button != Qt::RightButton) return;
    // The hidden stock is the developer's view only.
    if (p_.game.DevMode && (shift & Qt::ControlModifier)) {
        HoldInfo(StockView(p_.game));
        return;
    }
    SayOnTable(p_.board, p_.services.board, 1, UsedCountText(p_.game));
}

void BoardInfo::OppRow_MouseDown(int opp, int index, Qt::MouseButton button) {
    if (button != Qt::RightButton) {
        const std::string key = "Picture" + std::to_string(opp) + "_" + std::to_string(index);
        FormModel& f = p_.board.layout.Form();
        auto it = f.Controls.find(key);
        if (it != f.Controls.end()) {
            // The card comes to the front of its row.
            for (auto& [k, c] : f.Controls)
                if (k.rfind("Picture" + std::to_string(opp) + "_", 0) == 0) c.Front = false;
            it->second.Front = true;
            SyncTableControl(p_.board, key);
        }
        return;
    }
    if (p_.game.FlipInProgress) return;
    const PileInfoAnswer a = ShowPileInfo(p_.game, opp, index);
    if (a.kind == PileInfoAnswer::Kind::Message)
        SayOnTable(p_.board, p_.services.board, 1, a.message);
    if (a.kind == PileInfoAnswer::Kind::Window) HoldInfo(a.view);
}

// The stock's and the opponents' boxes under a point of the table. The boxes may lie under
// other clear boxes (the hold piles' frames), so the layout decides, not the widget hit.
bool BoardInfoBoxAt(const FormModel& f, QPointF at, QString* name, int* index) {
    const ControlGeom* best = nullptr;
    for (const auto& [key, c] : f.Controls) {
        if (!c.Visible || key == "Picture1_0") continue;
        QString n;
        int i = 0;
        if (!SplitControlKey(QString::fromStdString(key), &n, &i)) continue;
        if (n != "PicCenter" && n != "Picture1" && n != "Picture2" && n != "Picture3") continue;
        if (!QRectF(c.Left, c.Top, c.Width, c.Height).contains(at)) continue;
        // A box brought to the front wins over the boxes it overlaps.
        if (best && best->Front && !c.Front) continue;
        best = &c;
        *name = n;
        *index = i;
    }
    return best != nullptr;
}

bool BoardInfo::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type t = e->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    QWidget* view = p_.board.view;
    if (!w || !view || (w != view && w->parentWidget() != view)) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    const QPointF at = w == view ? me->position() : w->mapToParent(me->position());
    // Once per press: at the widget of the table that took it first, a box over the table or,
    // where none lies (an opponent's side pile once the menu bar's strip has gone), the table.
    if (w == view && view->childAt(at.toPoint())) return false;
    QString name;
    int index = 0;
    if (!BoardInfoBoxAt(p_.board.layout.Form(), at, &name, &index)) return false;
    const bool center = name == "PicCenter";
    const int opp = center ? 0 : name.back().digitValue();
    // A click on the table ends the end-of-game animation first.
    if (p_.game.AnimationRunning) {
        p_.state.AnimationStop = true;
        return true;
    }
    if (center && t == QEvent::MouseButtonDblClick) {
        PicCenter_DblClick(index);
    } else if (center) {
        PicCenter_MouseDown(index, me->button(), me->modifiers());
    } else if (t == QEvent::MouseButtonPress) {
        OppRow_MouseDown(opp, index, me->button());
    }
    return false;
}
