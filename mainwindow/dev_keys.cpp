#include "mainwindow/dev_keys.h"

#include "mainwindow/key_codes.h"
#include "mainwindow/key_tables.h"

namespace {

void SideToTwo(Game& g, SidePile& side, i16& count) {
    if (count <= 2) return;
    for (int i = 2; i < count; ++i) {
        if (g.UsedCount >= kMaxCards) return;
        ++g.UsedCount;
        for (int row : {kId, kRank}) {
            g.UsedPile[row][g.UsedCount] = side[row][i];
            side[row][i] = 0;
        }
    }
    for (int row : {kId, kRank}) {
        side[row][2] = side[row][count];
        if (count != 2) side[row][count] = 0;
    }
    count = 2;
}

}  // namespace

DevKey Picture7KeyAction(int keyCode, bool shift, bool ctrl, bool alt) {
    if (!shift || !ctrl) return DevKey::None;
    const i16 modifiers =
        static_cast<i16>(shift_bit::Shift | shift_bit::Ctrl | (alt ? shift_bit::Alt : 0));
    if (FindKeyRow(static_cast<i16>(keyCode), modifiers)) return DevKey::None;
    if (!alt) return keyCode == 'P' ? DevKey::HumanSideToTwo : DevKey::None;
    if (keyCode == 'S') return DevKey::OppSideToTwo;
    if (keyCode == 'A') return DevKey::OwnAddress;
    if (keyCode == 'H') return DevKey::HostAddress;
    if (keyCode == 'V') return DevKey::PeerVersion;
    return DevKey::None;
}

void HumanSideToTwo(Game& g) {
    SideToTwo(g, g.HumanSide, g.HumanSideCount);
}

void OppSideToTwo(Game& g) {
    if (g.WorkingOpp != 0) {
        SideToTwo(g, g.CurSide, g.CurSideCount);
        return;
    }
    OpponentRecord& r = g.Opp[1];
    SideToTwo(g, r.Side, r.SideCount);
}
