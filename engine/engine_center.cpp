#include "engine/engine.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"

void Engine::PlayDataSound(int id, bool wait) const {
    if (g.SoundMode == 2 || !sv.sounds) return;
    sv.sounds->PlaySound(JoinPath(g.AppFolder, "Data/~" + std::to_string(id) + ".tmp"), wait);
}

void Engine::Message(int label, const std::string& text) const {
    if (sv.board) sv.board->SetMessage(label, text);
}

void Engine::Add_Center() {
    const int k = g.PileSel;
    if (k < 1 || k > g.NumCenters || g.CenterCount[k] >= kQueen) return;
    const i16 n = ++g.CenterCount[k];
    g.Center[kRank][k][n] = g.MoveCard[kRank];
    g.Center[kId][k][n] = g.MoveCard[kId];
    if (sv.board) sv.board->SetWildLabel(k, g.MoveCard[kRank] == kKing ? Str(n) + " " : "");
    // In the tutorial the player waits for the next tip after every card laid.
    if (g.TutorialOn && sv.board) sv.board->EnablePlayerPiles(false);
}

void Engine::Add_Used() {
    const int k = g.PileSel;
    if (k < 1 || k > g.NumCenters) return;
    Message(0, " CLEARING ");
    if (g.NetConnected != 0 && g.Pturn != 1) sv.Pause(0.5);
    if (sv.board) sv.board->SetWildLabel(k, "");
    for (int n = 1; n <= g.CenterCount[k]; ++n) {
        if (!ToUsed(g.Center[kId][k][n], g.Center[kRank][k][n])) break;
        g.Center[kId][k][n] = g.Center[kRank][k][n] = 0;
    }
    g.CenterCount[k] = 0;
    PlayDataSound(118);
    sv.Pause(g.NetConnected != 0 ? 0.2 : 2.0 * g.MovePause);
    if (sv.board) sv.board->ShowCard(PileRow::Center, k, 0, card_kind::kEmptyPile);
    sv.Pause(2.0 * g.MovePause);
    Message(0, "");
}

bool Engine::PlayerMissedMove() const {
    const i16 side = g.HumanCards[kRank][kSideSlot];
    if (side == 0 || side == kKing) return false;
    for (int k = 1; k <= g.NumCenters; ++k)
        if (g.CenterCount[k] + 1 == side) return true;
    return false;
}

namespace {

// A wild King of the caller's own: keep off the pile the human's side card is headed for.
i16 WildSideCenter(const Game& g) {
    // No pile chosen for the human yet reads as an empty pile, as the unused index 0 does.
    const int h = g.HumanCenter;
    const i16 hCount = (h >= 1 && h <= g.NumCenters) ? g.CenterCount[h] : 0;
    if (g.NoWildAce) {
        for (int k = g.NumCenters; k >= 1; --k)
            if (k != h && g.CenterCount[k] != 0) return static_cast<i16>(k);
        for (int k = g.NumCenters; k >= 1; --k)
            if (g.CenterCount[k] != 0) return static_cast<i16>(k);
        return 1;
    }
    for (int k = g.NumCenters; k >= 1; --k)
        if (k != h && g.CenterCount[k] != hCount) return static_cast<i16>(k);
    return 1;
}

}  // namespace

i16 Engine::CenterBestToPlay(i16 thisSide, bool blnMe) const {
    if (thisSide == kKing) return blnMe ? WildSideCenter(g) : 1;
    // d counts the cards, this one included, a pile needs before the side card fits; a pile past
    // the card's value counts on through the Queen and round from the Ace.
    for (int d = 1; d <= 11; ++d)
        for (int k = 1; k <= g.NumCenters; ++k) {
            const int reach = g.CenterCount[k] + d;
            if (reach == thisSide || (reach > 12 && reach - 12 == thisSide))
                return static_cast<i16>(k);
        }
    return 1;
}
