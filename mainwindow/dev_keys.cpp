#include "mainwindow/dev_keys.h"

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
    if (!alt) {
        if (keyCode == 'P') return DevKey::HumanSideToTwo;
        if (keyCode == 'S') return DevKey::OppSideToTwo;
        return DevKey::None;
    }
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
