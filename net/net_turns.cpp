#include "net/net_turns.h"

#include "engine/engine.h"
#include "engine/net_wait.h"
#include "net/wire_format.h"
#include "platform/scoped_flag.h"

namespace {

constexpr const char* kWaitNotice = " W A I T ";
// A move's destination 12-16 is hand slot to - 10: a card moved within the hand.
constexpr int kHandMoveBase = 10;
// The source a replay gives when no card goes to a center (a move within the hand).
constexpr i16 kNoCenterPlay = 11;

}  // namespace

bool NetTurns::WaitUntil(const std::function<bool()>& done) {
    return WaitNetUntil(g, &links_, done);
}

void NetTurns::ShowWaiting(bool waiting) {
    if (sv.board) sv.board->SetMessage(0, waiting ? kWaitNotice : "");
    enableChatSend(!waiting);
}

// --- The mover's machine -----------------------------------------------------------------------

bool NetTurns::Exchange(const std::string& line, i16 netCode) {
    if (g.IsHost == 1)
        links_.SendNetAll(0, line);
    else
        links_.SendNet(0, line);
    g.NetAnswers = 1;
    return WaitUntil(
        [this, netCode] { return g.NetCode == netCode && g.NetAnswers >= g.NumPlayers; });
}

bool NetTurns::Move_Transmit_PlayCard(int from, int to) {
    ShowWaiting(true);
    return Exchange(net::MoveLine(from, to), net::PC);
}

void NetTurns::Move_Transmit(int from, int to) {
    if (g.NetConnected == 0) return;
    if (Move_Transmit_PlayCard(from, to)) Exchange("WT", net::WT);
    // Whatever ended the exchange, the player is not left looking at a wait that is over.
    ShowWaiting(false);
}

void NetTurns::Move_Transmit_Done(int from, int to) {
    if (g.NetConnected == 0) return;
    if (Move_Transmit_PlayCard(from, to)) Exchange("OK", net::OK);
    ShowWaiting(false);
}

// --- Every other machine -----------------------------------------------------------------------

bool NetTurns::Relay(const std::string& line) {
    if (!Relaying()) return true;
    g.NetAnswers = 1;
    links_.SendNetAll(g.CompLevel, line);
    return WaitUntil([this] { return g.NetAnswers >= g.NumPlayers - 1; });
}

void NetTurns::Answer(const char* code) {
    links_.SendNet(g.IsHost == 1 ? g.CompLevel : 0, code);
}

bool NetTurns::WaitForMove() {
    ScopedFlag<i16> awaiting(g.AwaitingMoveOf, g.Pturn, 0);
    return WaitUntil([this] { return g.NetCode == net::PC || g.Pturn == 1; });
}

bool NetTurns::RefillHand(PileRow row) {
    g.HandCount = CountHand(g.CurCards);
    Engine(g, sv).Deal_Players(row, g.CurCards);
    g.HandCount = CountHand(g.CurCards);
    if (g.AbortTurn == 1) return false;
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    return !NetTurnBroken(g);
}

void NetTurns::Opponent() {
    if (g.Pturn < 2 || g.Pturn > g.NumPlayers || NetTurnBroken(g)) return;
    // A command chosen during a card's glide or a wait may give another game: this replay then
    // goes no further, and the new game's turn is replayed from its own start.
    const NetTableWatch table(g);
    const PileRow row = RowOfPlayer(g.Pturn);
    if (g.NewDeal == 0) {
        if (!RefillHand(row) || table.Gone()) return;
    } else {
        g.NewDeal = 0;
        g.HandCount = CountHand(g.CurCards);
    }
    if (sv.board) sv.board->EnableHumanPiles(true, kFirstHoldSlot, kLastHoldSlot);
    for (;;) {
        if (!WaitForMove()) return;
        if (g.Pturn == 1) return;
        i16 from = g.MoveFrom;
        i16 to = g.MoveTo;
        if (!Relay(net::MoveLine(from, to))) return;
        Answer("PC");
        if (to > kHandMoveBase) {
            Engine(g, sv).Hand_Sort(g.CurCards, row, from, static_cast<i16>(to - kHandMoveBase));
            from = kNoCenterPlay;
        } else if (to > g.NumCenters) {
            return Discard(row, from, static_cast<i16>(to - kLastHandSlot));
        } else {
            g.PileSel = to;
            if (!PlayToCenter(row, from)) return WinningPlay(row, from, table);
        }
        if (table.Gone()) return;
        if (replayed) replayed();
        if (!WaitUntil([this] { return g.NetCode == net::WT; })) return;
        if (!Relay("WT")) return;
        Answer("WT");
        if (from != kNoCenterPlay && CountHand(g.CurCards) == 0 &&
            (!RefillHand(row) || table.Gone()))
            return;
    }
}

bool NetTurns::PlayToCenter(PileRow row, i16 slot) {
    const i16 pile = g.PileSel;
    g.MoveCard = {g.CurCards[kId][slot], g.CurCards[kRank][slot]};
    const bool wild = g.MoveCard[kRank] == kKing;
    computer_.st.WildPlayed = wild ? kKing : 0;
    computer_.st.DropPile = slot;
    if (slot == kSideSlot) {
        for (int r : {kId, kRank}) g.CurSide[r][g.CurSideCount] = 0;
        --g.CurSideCount;
        if (wild) {
            if (g.SoundMode == 0 && sv.sounds && !g.CompSounds[1].empty())
                sv.sounds->PlaySound(g.CompSounds[1], false);
            ++g.CurWildSide;
            if (sv.status) sv.status->WildUpdate();
            computer_.st.WildPlayed = 0;
        }
        if (g.CurSideCount > 0) ++g.CurSideShape;
        for (int r : {kId, kRank}) g.CurCards[r][kSideSlot] = g.CurSide[r][g.CurSideCount];
        if (g.CurSideCount == 0) return false;
    } else if (slot >= kFirstHoldSlot) {
        computer_.LiftHoldTop(slot - kLastHandSlot);
    } else {
        g.CurCards[kId][slot] = g.CurCards[kRank][slot] = 0;
        g.HandCount = CountHand(g.CurCards);
    }
    computer_.Comp_Flip(row, slot, pile);
    g.PileSel = pile;
    if (g.CenterCount[pile] >= kQueen) Engine(g, sv).Add_Used();
    return true;
}

void NetTurns::WinningPlay(PileRow row, i16 slot, const NetTableWatch& table) {
    const i16 pile = g.PileSel;
    computer_.Comp_Flip(row, slot, pile);
    if (table.Gone()) return;
    g.PileSel = pile;
    if (replayed) replayed();
    if (!WaitUntil([this] { return g.NetCode == net::OK; })) return;
    if (!Relay("OK")) return;
    Answer("OK");
    Engine(g, sv).Game_End();
}

void NetTurns::Discard(PileRow row, i16 handSlot, i16 pile) {
    g.PileSel = handSlot;
    computer_.st.DropPile = pile;
    computer_.RecordDiscard();
    if (replayed) replayed();
    if (computer_.st.DropPile == 0) {
        // The dispatcher refuses a discard onto a full pile; should one still get here, the
        // game cannot go on the same on every machine.
        g.NetCode = net::GO;
        return;
    }
    computer_.Move_End_Turn(row);
}
