#include "mainwindow/qt/main_window_drag.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/close_guard.h"
#include "mainwindow/qt/frm_brivo.h"

namespace {
// A refused card goes home in steps of about 60 pixels, each shown for this long.
constexpr double kHomeStepSeconds = 0.008;

int ButtonOf(Qt::MouseButton b) {
    return b == Qt::RightButton ? mouse_button::kRight : mouse_button::kLeft;
}
}  // namespace

MainWindowDrag::MainWindowDrag(MainWindowDragParts parts)
    : p_(parts), mouse_(parts.game, parts.engine, parts.state, parts.board.layout, drag_, *this) {
    p_.board.view->installEventFilter(this);
    for (int i = 1; i <= FrmBrivo::kPanels; ++i)
        if (QLabel* panel = p_.window.Panel(i)) panel->installEventFilter(this);
}

MainWindowDrag::~MainWindowDrag() = default;

DealButtonParts MainWindowDrag::DealParts() {
    DealButtonParts d{p_.game,
                      p_.engine,
                      p_.state,
                      drag_,
                      p_.looks,
                      p_.restartTurn,
                      [this] { CloseWindow(); },
                      hideNetNotices};
    return d;
}

void MainWindowDrag::DealClicked() {
    HandlerScope handler(p_.state);
    DealButtonParts d = DealParts();
    cmdDeal_Click(d);
}

QRect MainWindowDrag::BoxRect(int slot) const {
    const ControlGeom& c = p_.board.layout.Ctl("Picture7", slot);
    return QRect(static_cast<int>(std::floor(c.Left)), static_cast<int>(std::floor(c.Top)),
                 static_cast<int>(std::ceil(c.Width)) + 1,
                 static_cast<int>(std::ceil(c.Height)) + 1);
}

void MainWindowDrag::BoxMoved(int slot) {
    if (slot < 1 || slot > 10) return;
    const QRect now = BoxRect(slot);
    TableView* view = p_.board.view;
    view->update(shownAt_[slot].isNull() ? now : now.united(shownAt_[slot]));
    shownAt_[slot] = now;
    // The box's own widget goes with the card, so that it stays the thing under the pointer.
    if (QWidget* box =
            view->findChild<QWidget*>(QString("Picture7_%1").arg(slot), Qt::FindDirectChildrenOnly))
        box->move(now.topLeft());
}

void MainWindowDrag::HomeStepShown(int slot) {
    BoxMoved(slot);
    p_.board.view->repaint(shownAt_[slot].adjusted(-80, -80, 80, 80));
    p_.engine.sv.Pause(kHomeStepSeconds);
}

void MainWindowDrag::ShowHumanHidden(int slot) {
    showHumanHidden(slot);
}

void MainWindowDrag::CloseMenus() {
    closeMenus();
}

void MainWindowDrag::CloseWindow() {
    // Closed from the event loop, once the handler that found the program closing has returned.
    QTimer::singleShot(0, &p_.window, [w = &p_.window] { w->close(); });
}

bool MainWindowDrag::DealButtonShown() const {
    const auto* deal = p_.window.findChild<QPushButton*>("cmdDeal");
    return deal && !deal->isHidden();
}

bool MainWindowDrag::eventFilter(QObject* watched, QEvent* e) {
    // A card dropped or the Deal button's panel clicked may run the game on for a long time,
    // waiting for the other machines: the lines that come meanwhile are left for those waits.
    HandlerScope handler(p_.state);
    if (watched == p_.board.view) return TableMouse(e) || QObject::eventFilter(watched, e);
    return PanelClicked(watched, e) || QObject::eventFilter(watched, e);
}

bool MainWindowDrag::TableMouse(QEvent* e) {
    const QEvent::Type t = e->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseMove &&
        t != QEvent::MouseButtonRelease && t != QEvent::MouseButtonDblClick)
        return false;
    auto* me = static_cast<QMouseEvent*>(e);
    const QPointF at = me->position();
    TableLayout& layout = p_.board.layout;
    switch (t) {
        case QEvent::MouseButtonPress: {
            const int slot = me->button() == Qt::RightButton
                                 ? HumanInfoBoxAt(layout, p_.game, at.x(), at.y())
                                 : HumanBoxAt(layout, at.x(), at.y());
            if (slot == 0) return false;
            pressedSlot_ = slot;
            const ControlGeom& c = layout.Ctl("Picture7", slot);
            mouse_.Picture7_MouseDown(slot, ButtonOf(me->button()),
                                      me->modifiers() & Qt::ControlModifier,
                                      static_cast<int>(std::lround(at.x() - c.Left)),
                                      static_cast<int>(std::lround(at.y() - c.Top)));
            return true;
        }
        case QEvent::MouseMove: {
            if (pressedSlot_ == 0) return false;
            const ControlGeom& c = layout.Ctl("Picture7", pressedSlot_);
            mouse_.Picture7_MouseMove(pressedSlot_, static_cast<int>(std::lround(at.x() - c.Left)),
                                      static_cast<int>(std::lround(at.y() - c.Top)));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            if (pressedSlot_ == 0) return false;
            const int slot = pressedSlot_;
            pressedSlot_ = 0;
            mouse_.Picture7_MouseUp(slot);
            return true;
        }
        default: {
            const int slot = HumanBoxAt(layout, at.x(), at.y());
            if (slot == 0) return false;
            pressedSlot_ = 0;
            mouse_.Picture7_DblClick(slot);
            return true;
        }
    }
}

bool MainWindowDrag::PanelClicked(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::MouseButtonRelease) return false;
    for (int i = 1; i <= FrmBrivo::kPanels; ++i) {
        if (watched != p_.window.Panel(i)) continue;
        auto* panel = p_.window.Panel(i);
        if (!panel->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint()))
            return false;
        DealButtonParts d = DealParts();
        StatusBar1_PanelClick(d, i);
        return true;
    }
    return false;
}
