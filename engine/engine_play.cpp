#include "engine/engine.h"
#include "engine/net_wait.h"
#include "engine/opp_swap.h"
#include "platform/scoped_flag.h"
#include "platform/vb_strings.h"

bool CenterAccepts(const Game& g, i16 rank, int pile) {
    if (pile < 1 || pile > g.NumCenters || rank < 1 || rank > kKing) return false;
    const i16 c = g.CenterCount[pile];
    if (c >= kQueen) return false;
    if (rank == kKing) return c != 0 || !g.NoWildAce;
    return rank == c + 1;
}

i16 CountHand(const PorC& cards) {
    i16 n = 0;
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
        if (cards[kRank][s] != 0) ++n;
    return n;
}

void Engine::ShowCard(PileRow row, int index, i16 cardId, int kind) const {
    if (sv.board) sv.board->ShowCard(row, index, cardId, kind);
}

void Engine::HideCard(PileRow row, int index) const {
    if (sv.board) sv.board->HideCard(row, index);
}

void Engine::ShowEmptyPile(PileRow row, int index) const {
    ShowCard(row, index, 0, card_kind::kEmptyPile);
}

void Engine::EnableHuman(bool enable, int first, int last) const {
    if (sv.board) sv.board->EnableHumanPiles(enable, first, last);
}

void Engine::PlayPersonalitySound(const std::string& path, bool wait) const {
    if (g.SoundMode == 0 && sv.sounds && !path.empty()) sv.sounds->PlaySound(path, wait);
}

void Engine::NetMoveSent(int from, int to, bool endOfTurn) {
    if (sv.net) sv.net->Move_Transmit(static_cast<i16>(from), static_cast<i16>(to), endOfTurn);
}

void Engine::GoUpdateOpponents() {
    if (g.Pturn >= 2 && g.Pturn <= 4 && g.WorkingOpp == g.Pturn - 1) OppSwap(g, g.Pturn - 1, true);
}

// Takes the played card out of the human's slot, uncovering what lies beneath.
void Engine::TakeFromSlot(i16 slot) {
    if (slot == kSideSlot) {
        for (int r : {kId, kRank}) g.HumanSide[r][g.HumanSideCount] = 0;
        --g.HumanSideCount;
        for (int r : {kId, kRank}) g.HumanCards[r][kSideSlot] = g.HumanSide[r][g.HumanSideCount];
        if (g.HumanSideCount > 0) ++g.HumanSideShape;
        // The last card no longer looks like a pile.
        if (g.HumanSideCount == 1 && sv.window) sv.window->ShowHoldImage(false);
        if (g.DroppedByDrag && sv.window) sv.window->ReturnDraggedCard(kSideSlot);
        g.DroppedByDrag = VbFalse;
        return;
    }
    if (slot <= kLastHandSlot) {
        g.HumanCards[kId][slot] = g.HumanCards[kRank][slot] = 0;
        --g.HandCount;
        HideCard(PileRow::Human, slot);
        return;
    }
    const int p = slot - 6;
    i16& under = g.HumanHoldCount[p];
    for (int r : {kId, kRank}) {
        g.HumanCards[r][slot] = g.HumanHold[r][p][under];
        g.HumanHold[r][p][under] = 0;
    }
    if (under > 0) {
        --under;
        ShowCard(PileRow::Human, slot, g.HumanCards[kId][slot], card_kind::kToCenter);
    } else {
        ShowEmptyPile(PileRow::Human, slot);
    }
}

void Engine::Player_Move() {
    if (g.Pturn != 1 || g.PlayRunning) return;
    const i16 slot = g.PickSlot;
    if (slot < kSideSlot || slot > kLastHoldSlot || g.HumanCards[kRank][slot] == 0) return;
    if (!CenterAccepts(g, g.HumanCards[kRank][slot], g.PileSel)) return;
    // No second play or discard starts while this one runs.
    ScopedFlag<i16> running(g.PlayRunning, VbTrue, VbFalse);
    const NetTableWatch table(g);
    const int pile = g.PileSel;
    EnableHuman(false, 1, 10);
    if (!g.DroppedByDrag && sv.board)
        sv.board->MoveCardAnim(PileRow::Human, slot, PileRow::Center, pile);
    if (sv.records) sv.records->StatsAdd(slot, 1);
    g.MoveCard = {g.HumanCards[kId][slot], g.HumanCards[kRank][slot]};
    Add_Center();
    const bool king = g.MoveCard[kRank] == kKing;
    if (king) {
        ++(slot == kSideSlot ? g.HumanWildSide : g.HumanWildHand);
        if (sv.status) sv.status->WildUpdate();
    }
    TakeFromSlot(slot);
    if (slot == kSideSlot && g.HumanSideCount == 0) {
        ShowCard(PileRow::Center, pile, g.MoveCard[kId], card_kind::kToCenter);
        HideCard(PileRow::Human, kSideSlot);
        if (g.NetConnected != 0) {
            NetMoveSent(slot, pile, true);
            if (table.Broken()) return;  // the others never saw the game end
        }
        Game_End();
        return;
    }
    if (slot == kSideSlot) ShowCard(PileRow::Human, kSideSlot, 0, card_kind::kSilent);
    ShowCard(PileRow::Center, pile, g.MoveCard[kId], card_kind::kToCenter);
    if (g.DroppedByDrag && sv.window) sv.window->ReturnDraggedCard(slot);
    g.DroppedByDrag = VbFalse;

    const i16 sideRank = g.HumanCards[kRank][kSideSlot];
    if (king) {
        if (g.SoundMode == 0) {
            PlayPersonalitySound(g.CompSounds[1]);
            if (g.CenterCount[pile] == kQueen || slot == kSideSlot || g.HandCount == 0)
                sv.Pause(0.75);
        } else if (g.CenterCount[pile] == kQueen) {
            sv.Pause(g.MovePause);
        }
        if (slot != kSideSlot && g.CenterCount[pile] == sideRank) Dumbness();
        if (slot == kSideSlot && g.CenterCount[pile] == sideRank)
            Message(1, "\nMurphy's Law strikes again!");
    }
    if (slot != kSideSlot && g.MoveCard[kRank] == sideRank && sideRank != kKing) Dumbness();
    if (slot == kSideSlot) {
        if (!(king && g.NetConnected != 0)) sv.Pause(g.MovePause);
        const i16 top = g.HumanCards[kId][kSideSlot];
        ShowCard(PileRow::Human, kSideSlot, top, card_kind::kTurnUp);
        g.Deck[2][top] = 1;
        if (sv.status) sv.status->ShowCounter();
    }
    if (g.NetConnected == 0) BlockingRemark(slot);

    if (g.NetConnected != 0) {
        NetMoveSent(slot, pile, false);
        if (table.Broken()) return;
    }
    g.PileSel = static_cast<i16>(pile);
    if (g.CenterCount[pile] == kQueen) {
        sv.Pause(g.MovePause);
        Add_Used();
    }
    if (g.HandCount == 0) Deal_Players(PileRow::Human, g.HumanCards);
    if (g.AbortTurn == 1) return;
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    if (sv.records) sv.records->SaveMove();
    if (!g.TutorialOn)
        EnableHuman(true, 1, 10);
    else if (sv.window)
        sv.window->TutorialCardPlayed();
}

// The opponent whose side card the pile just passed remarks on it, in its own words.
void Engine::BlockingRemark(i16 fromSlot) {
    const int pile = g.PileSel;
    const i16 value = g.CenterCount[pile];
    int blocked = 0;
    for (int k = g.NumPlayers - 1; k >= 1; --k)
        if (g.Opp[k].Cards[kRank][kSideSlot] == value) blocked = k;
    if (blocked == 0) return;
    if (value == 1)
        for (int k = 1; k <= g.NumCenters; ++k)
            if (k != pile && g.CenterCount[k] == 0) return;
    const OpponentRecord& who = g.Opp[blocked];
    int r;
    do r = g.CosmeticRng.Draw1To(10);
    while (r == g.LastBlockComment);
    g.LastBlockComment = static_cast<i16>(r);
    if (who.CommentFile != "No Comments") Message(2, who.Comments[r]);
    if (g.NumPlayers > 2 && sv.board) {
        sv.board->LoadAvatar(who.Avatar);
        g.AvatarSwapped = VbTrue;
    }
    if (g.SoundMode != 0) return;
    int s = 11;
    if (fromSlot != kSideSlot) {
        do s = g.CosmeticRng.Draw1To(4) + 6;
        while (s == g.LastBlockSound);
        g.LastBlockSound = static_cast<i16>(s);
    }
    PlayPersonalitySound(who.Sounds[s], value == kQueen);
}

// The opponent on the working copy remarks that the side card could have gone instead; a quiet
// personality lets it pass.
void Engine::Dumbness() {
    if (g.QuietComp) return;
    Message(1, g.MoveCard[kRank] == kKing ? g.CompComments[31] + " " + g.CompComments[32]
                                          : g.CompComments[33]);
    if (g.SoundMode == 0) PlayDataSound(105);
    sv.Pause(0.75);
}
