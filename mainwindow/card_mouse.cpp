#include "mainwindow/card_mouse.h"

#include "board/table_layout.h"
#include "platform/vb_strings.h"

namespace {
constexpr const char* kRow = "Picture7";

bool IsHand(int slot) {
    return slot >= kFirstHandSlot && slot <= kLastHandSlot;
}
bool IsHold(int slot) {
    return slot >= kFirstHoldSlot && slot <= kLastHoldSlot;
}
bool Under(const ControlGeom& c, double x, double y) {
    return x >= c.Left && x < c.Left + c.Width && y >= c.Top && y < c.Top + c.Height;
}
}  // namespace

int HumanBoxAt(const TableLayout& layout, double x, double y) {
    const FormModel& f = layout.Form();
    int hit = 0;
    bool hitFront = false;
    for (int s = kSideSlot; s <= kLastHoldSlot; ++s) {
        if (!f.IsLoaded(kRow, s)) continue;
        const ControlGeom& c = f.At(kRow, s);
        if (!c.Visible || !c.Enabled) continue;
        if (!Under(c, x, y)) continue;
        // A box brought to the front (a card being moved) lies over its neighbours.
        if (hit == 0 || (c.Front && !hitFront)) {
            hit = s;
            hitFront = c.Front;
        }
    }
    return hit;
}

int HumanInfoBoxAt(const TableLayout& layout, const Game& g, double x, double y) {
    if (const int hit = HumanBoxAt(layout, x, y)) return hit;
    const FormModel& f = layout.Form();
    for (int s :
         {kSideSlot, kFirstHoldSlot, kFirstHoldSlot + 1, kFirstHoldSlot + 2, kLastHoldSlot}) {
        if (!f.IsLoaded(kRow, s) || g.HumanCards[kRank][s] != 0) continue;
        const ControlGeom& c = f.At(kRow, s);
        const bool sideGone = s == kSideSlot && g.HumanSideCount == 0;
        if ((c.Visible || sideGone) && Under(c, x, y)) return s;
    }
    return 0;
}

bool CardMouse::BothSidesHoldCards() const {
    return g.HumanSideCount != 0 && g.CurSideCount != 0;
}

bool CardMouse::AwayFromHome(int index) const {
    return d_.AwaySlot == index;
}

void CardMouse::ClearMessages() {
    if (!e_.sv.board) return;
    e_.sv.board->SetMessage(1, " ");
    if (g.NetConnected == 0) e_.sv.board->SetMessage(2, " ");
}

void CardMouse::PutAt(int index, double left, double top) {
    ControlGeom& box = t_.Ctl(kRow, index);
    box.Left = left;
    box.Top = top;
}

void CardMouse::Picture7_MouseDown(int index, int button, bool ctrl, int x, int y) {
    if (index < kSideSlot || index > kLastHoldSlot || d_.Returning) return;
    // A press on the table stops the end-of-game animation; the cards wait for the next deal.
    if (g.AnimationRunning) {
        w_.AnimationStop = true;
        return;
    }
    g.DropSlot = static_cast<i16>(index);
    if (g.NetConnected == 0) {
        if (e_.sv.window) e_.sv.window->StopIdleTimer();
        if (g.AvatarSwapped && !g.PlayerAvatar.empty() && g.NumPlayers >= 3) {
            if (e_.sv.board) e_.sv.board->LoadAvatar(g.PlayerAvatar);
            g.AvatarSwapped = VbFalse;
        }
    }
    shell_.CloseMenus();
    if (button == mouse_button::kRight) {
        d_.RightPressed = true;
        if (!IsHand(index)) {
            if (!g.FlipInProgress) RightPressInfo(index, ctrl);
            return;
        }
    }
    d_.RightPressed = false;
    if (PressRefused() || TutorialRefusesPick(index)) return;
    g.PickSlot = static_cast<i16>(index);
    if (BothSidesHoldCards() && e_.sv.board) e_.sv.board->SetMessage(1, "");
    if (IsHold(index) && g.HumanCards[kRank][index] == 0) return;
    StartDrag(index, x, y);
}

void CardMouse::RightPressInfo(int index, bool ctrl) {
    if (IsHold(index)) {
        shell_.ShowHumanHidden(index);
        return;
    }
    if (BothSidesHoldCards() && !(ctrl && g.DevMode)) {
        if (e_.sv.board)
            e_.sv.board->SetMessage(1, g.PlayerName + " SIDE : " + Str(g.HumanSideCount));
        return;
    }
    shell_.ShowHumanHidden(kSideSlot);
}

// A press starts nothing while another player is on turn (told), or while the game is busy
// dealing, carrying out a play or showing a result (quietly).
bool CardMouse::PressRefused() {
    if (!shell_.DealButtonShown() && g.Pturn > 1) {
        e_.RuleMessage(3);
        return true;
    }
    // The tutorial locks the menus, not the cards: its steps ask the player to move them.
    const bool locked = g.MenusLocked && !g.TutorialOn;
    return g.ComputerBusy || g.PlayRunning || g.Dealing || locked;
}

// The tutorial lets only the card its step asks for move, and only to the kind of place the step
// names: any other move would take the prepared position away from the step's text.
bool CardMouse::TutorialRefusesPick(int index) const {
    return g.TutorialOn && !shell_.TutorialAsked().MayPick(index);
}

bool CardMouse::TutorialRefusesDrop(const DropResult& r) const {
    return g.TutorialOn && !shell_.TutorialAsked().MayDrop(r.row == DropRow::Center, r.target);
}

void CardMouse::StartDrag(int index, int x, int y) {
    if (g.Dragging == 1) {
        if (d_.AwaySlot == index) return;
        // A drag whose release never came (a window took the mouse): its card goes home first.
        if (d_.AwaySlot != 0) ReturnDraggedCard(d_.AwaySlot);
    }
    g.Dragging = 1;
    ControlGeom& box = t_.Ctl(kRow, index);
    d_.HomeLeft = box.Left;
    d_.HomeTop = box.Top;
    d_.DragStartX = static_cast<i16>(RoundHalfEven(box.Left));
    d_.DragStartY = static_cast<i16>(RoundHalfEven(box.Top));
    if (IsHold(index)) ShowUnderHoldTop(index);
    d_.DragGrabX = static_cast<i16>(x);
    d_.DragGrabY = static_cast<i16>(y);
    box.Front = true;
    d_.AwaySlot = index;
    shell_.BoxMoved(index);
}

// The spare box shows what the hold pile will show once its top has gone.
void CardMouse::ShowUnderHoldTop(int index) {
    if (!t_.Form().IsLoaded("Picture1", 0) || !e_.sv.board) return;
    ControlGeom& spare = t_.Ctl("Picture1", 0);
    t_.Size_MovingCard(kRow, index);
    spare.Left = d_.HomeLeft;
    spare.Top = d_.HomeTop;
    const int p = index - kLastHandSlot;
    const i16 under = g.HumanHoldCount[p];
    if (under > 0)
        e_.sv.board->ShowCard(PileRow::Opp1, 0, g.HumanHold[kId][p][under], card_kind::kSilent);
    else
        e_.sv.board->ShowCard(PileRow::Opp1, 0, 0, card_kind::kEmptyPile);
    spare.Visible = true;
    spareShown_ = true;
}

void CardMouse::HideSpare() {
    if (!spareShown_) return;
    spareShown_ = false;
    if (t_.Form().IsLoaded("Picture1", 0)) t_.Ctl("Picture1", 0).Visible = false;
}

void CardMouse::Picture7_MouseMove(int index, int x, int y) {
    if (t_.Form().IsLoaded("lblHighlight")) t_.Ctl("lblHighlight").Visible = false;
    if (g.Dragging != 1 || d_.AwaySlot != index) return;
    ControlGeom& box = t_.Ctl(kRow, index);
    box.Left += x - d_.DragGrabX;
    box.Top += y - d_.DragGrabY;
    shell_.BoxMoved(index);
}

void CardMouse::Picture7_MouseUp(int index) {
    g.DroppedByDrag = VbFalse;
    HideSpare();
    if (g.Dragging != 1 || d_.AwaySlot != index) return;
    g.Dragging = 0;
    const ControlGeom& box = t_.Ctl(kRow, index);
    if (RoundHalfEven(box.Left) == d_.DragStartX && RoundHalfEven(box.Top) == d_.DragStartY) {
        ReturnDraggedCard(index);
        return;
    }
    const DropResult r = DropTarget(DropSceneOf(t_.Form(), g, index));
    if (r.ruleMessage != 0) e_.RuleMessage(r.ruleMessage);
    d_.LastDropRow = r.row;
    if (r.target < 0 || TutorialRefusesDrop(r)) return GoHome(index);
    const ControlGeom& at =
        r.row == DropRow::Center ? t_.Ctl("PicCenter", r.target) : t_.Ctl(kRow, r.target);
    PutAt(index, at.Left, at.Top);
    shell_.BoxMoved(index);
    if (r.row == DropRow::Center)
        DropOnCenter(index, r.target);
    else
        DropOnOwnRow(index, r.target);
}

void CardMouse::DropOnCenter(int index, int pile) {
    ClearMessages();
    g.PileSel = static_cast<i16>(pile);
    // Once a side pile is empty the game is over: the card is neither judged nor played.
    if (!BothSidesHoldCards() || g.Pturn != 1 || g.PlayRunning) return GoHome(index);
    g.Dragging = 1;  // the refusal speaks of "that Center pile"
    const bool accepted = e_.CheckCenterPlay();
    g.Dragging = 0;
    if (!accepted) {
        if (g.Pturn == 99) g.Pturn = 1;
        d_.LastDropRow = DropRow::None;
        return GoHome(index);
    }
    g.DroppedByDrag = VbTrue;
    e_.Player_Move();
    g.DroppedByDrag = VbFalse;
    if (AwayFromHome(index)) ReturnDraggedCard(index);
    if (g.StopFlag) shell_.CloseWindow();
}

void CardMouse::DropOnOwnRow(int index, int target) {
    g.DropSlot = static_cast<i16>(target);
    g.PickSlot = static_cast<i16>(index);
    d_.NetSendFrom = static_cast<i16>(index);
    d_.NetSendTo = static_cast<i16>(target);
    if (e_.sv.board) e_.sv.board->EnableHumanPiles(false, kFirstHandSlot, kLastHoldSlot);
    if (IsHand(target))
        SortHand(index, target);
    else
        Discard(index, target);
}

void CardMouse::SortHand(int index, int target) {
    if (target == index || g.NumberCards) {
        if (e_.sv.board) e_.sv.board->EnableHumanPiles(true, kSideSlot, kLastHoldSlot);
        return GoHome(index);
    }
    e_.Hand_Sort(g.HumanCards, PileRow::Human, static_cast<i16>(index), static_cast<i16>(target));
    if (g.NetConnected != 0) {
        d_.NetSendTo = static_cast<i16>(target + 10);
        if (e_.sv.net) e_.sv.net->Move_Transmit(d_.NetSendFrom, d_.NetSendTo, false);
    }
    if (e_.sv.board) e_.sv.board->EnableHumanPiles(true, kSideSlot, kLastHoldSlot);
    // The cards have been drawn again in their places: the box goes straight back.
    ReturnDraggedCard(index);
}

void CardMouse::Discard(int index, int target) {
    (void)target;
    if (g.Pturn != 1 || g.PlayRunning) {
        if (e_.sv.board) e_.sv.board->EnableHumanPiles(true, kSideSlot, kLastHoldSlot);
        return GoHome(index);
    }
    e_.Player_EndTurn();
    if (AwayFromHome(index)) ReturnDraggedCard(index);
    if (g.StopFlag) shell_.CloseWindow();
}

void CardMouse::GoHome(int index) {
    ControlGeom& box = t_.Ctl(kRow, index);
    const i16 curX = static_cast<i16>(RoundHalfEven(box.Left));
    const i16 curY = static_cast<i16>(RoundHalfEven(box.Top));
    d_.Returning = true;
    for (const PixelPoint& p : HomePath(curX, curY, d_.DragStartX, d_.DragStartY)) {
        if (g.StopFlag) break;
        PutAt(index, p.x, p.y);
        shell_.HomeStepShown(index);
    }
    d_.Returning = false;
    ReturnDraggedCard(index);
}

void CardMouse::ReturnDraggedCard(int slot) {
    if (slot != d_.AwaySlot || slot == 0) return;
    PutAt(slot, d_.HomeLeft, d_.HomeTop);
    t_.Ctl(kRow, slot).Front = false;
    d_.AwaySlot = 0;
    shell_.BoxMoved(slot);
}

void CardMouse::Picture7_DblClick(int index) {
    if (g.Pturn != 1 || d_.RightPressed || d_.Returning) return;
    if (g.Dragging == 1 || g.PlayRunning || g.ComputerBusy || g.MenusLocked) return;
    if (index < kSideSlot || index > kLastHoldSlot) return;
    if (e_.sv.window) e_.sv.window->StopIdleTimer();
    g.PickSlot = static_cast<i16>(index);
    if (index == kSideSlot && !BothSidesHoldCards()) return;
    const i16 rank = g.HumanCards[kRank][index];
    // An empty hold pile has nothing to play: no refusal, no sound.
    if (rank == 0) return;
    ClearMessages();
    if (rank == kKing) {
        // A wild King goes where the player chooses: it has to be dragged there.
        if (e_.sv.board) e_.sv.board->SetMessage(1, g.CompComments[34] + "\n" + g.CompComments[35]);
        e_.PlayDataSound(108);
        return;
    }
    g.PileSel = g.NumCenters;
    for (int k = 1; k <= g.NumCenters; ++k)
        if (g.CenterCount[k] + 1 == rank) {
            g.PileSel = static_cast<i16>(k);
            break;
        }
    g.Dragging = 0;  // the refusal speaks of "any Center pile"
    if (!e_.CheckCenterPlay()) {
        if (g.Pturn == 99) g.Pturn = 1;
        return;
    }
    g.DroppedByDrag = VbFalse;
    e_.Player_Move();
    if (g.StopFlag) shell_.CloseWindow();
}
