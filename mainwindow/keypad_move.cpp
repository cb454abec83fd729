// The keypad move: keypad 1-9 and 0 choose slot 1-10 of the player's row, Enter asks for the
// target, and keypad 1-4 then play onto a center pile while 0 and 6-9 discard a hand card onto
// a hold pile (0 for the fourth). Message label 1 holds where the move stands.
#include "mainwindow/key_codes.h"
#include "mainwindow/key_command.h"
#include "shared/card_types.h"

namespace {
bool IsKeypad(i16 code) {
    return code >= vk::Numpad0 && code <= vk::Numpad9;
}
// Keypad 1-9 stand for 1-9, keypad 0 for 10.
int KeypadNumber(i16 code) {
    const int d = code - vk::Numpad0;
    return d == 0 ? 10 : d;
}
}  // namespace

bool KeyCommand::KeyboardMove(i16 code) {
    if (p_.g.Pturn != 1) return false;
    const bool dealShown = calls_.dealButtonVisible && calls_.dealButtonVisible();
    if (!IsKeypad(code) && !(code == vk::Return && !dealShown)) return false;
    if (Label1() != keypad_text::kWhichPile) return ChooseOrConfirm(code);
    CompleteMove(code);
    return true;
}

bool KeyCommand::ChooseOrConfirm(i16 code) {
    if (IsKeypad(code)) {
        const int slot = KeypadNumber(code);
        keyMoveSlot_ = static_cast<i16>(slot);
        SetLabel1(keypad_text::kChosen + std::to_string(slot));
        ShowHighlight(slot);
        return true;
    }
    if (keyMoveSlot_ == 0) return false;
    if (p_.g.HumanCards[kRank][keyMoveSlot_] == 0) {
        keyMoveSlot_ = 0;
        SetLabel1("");
        HideHighlight();
        return true;
    }
    SetLabel1(keypad_text::kWhichPile);
    return true;
}

void KeyCommand::CompleteMove(i16 code) {
    HideHighlight();
    SetLabel1("");
    const int n = IsKeypad(code) ? KeypadNumber(code) : 0;
    const i16 from = keyMoveSlot_;
    keyMoveSlot_ = 0;
    if (n >= 1 && n <= 4) {
        p_.g.PickSlot = from;
        PlayToCenter(n);
        return;
    }
    const bool hand = from >= kFirstHandSlot && from <= kLastHandSlot;
    if (hand && n >= 6) {
        p_.g.PickSlot = from;
        p_.g.DropSlot = static_cast<i16>(n);
        if (n >= kFirstHoldSlot) DiscardToHold(n);
    }
}

void KeyCommand::PlayToCenter(int pile) {
    Game& g = p_.g;
    g.PileSel = static_cast<i16>(pile);
    if (pile > g.NumCenters) return;
    // A refusal has been explained to the player, who keeps the turn.
    if (!p_.engine.CheckCenterPlay()) return;
    // The card still lies in its box: the play slides it across.
    g.DroppedByDrag = VbFalse;
    p_.engine.Player_Move();
    SetLabel1(keypad_text::kDone);
}

void KeyCommand::DiscardToHold(int holdSlot) {
    (void)holdSlot;
    p_.engine.Player_EndTurn();
}

void KeyCommand::DropPendingMove() {
    HideHighlight();
    if (keyMoveSlot_ == 0) return;
    keyMoveSlot_ = 0;
    SetLabel1("");
}

void KeyCommand::ShowHighlight(int slot) {
    FormModel& f = p_.form;
    if (!f.IsLoaded("lblHighlight") || !f.IsLoaded("Picture7", slot)) return;
    ControlGeom& frame = f.At("lblHighlight");
    const ControlGeom& box = f.At("Picture7", slot);
    // The frame is a little larger than the card and stands centred round it.
    frame.Left = box.Left - (frame.Width - box.Width) / 2;
    frame.Top = box.Top - (frame.Height - box.Height) / 2;
    frame.Visible = true;
    Refresh();
}

void KeyCommand::HideHighlight() {
    FormModel& f = p_.form;
    if (!f.IsLoaded("lblHighlight") || !f.At("lblHighlight").Visible) return;
    f.At("lblHighlight").Visible = false;
    Refresh();
}

std::string KeyCommand::Label1() const {
    return p_.form.IsLoaded("Label9", 1) ? p_.form.At("Label9", 1).Caption : std::string();
}

void KeyCommand::SetLabel1(const std::string& text) {
    if (p_.form.IsLoaded("Label9", 1)) p_.form.At("Label9", 1).Caption = text;
    if (p_.sv.board) p_.sv.board->SetMessage(1, text);
}
