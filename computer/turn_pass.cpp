// One turn of a computer seat: the refill, the opening remarks, then passes that each play the
// payoff card or a plan until nothing more is worth playing, and the discard.
#include "computer/computer_player.h"
#include "engine/engine.h"

namespace {

// A turn never needs more passes than this: each pass that goes on plays at least one card, and
// a seat holds far fewer cards than that. The bound only guards against a pass that changes
// nothing.
constexpr int kMaxPasses = 200;

// What a pass may change: when none of it moves, another pass would plan the same again.
struct TableMark {
    explicit TableMark(const Game& g)
        : side(g.CurSideCount),
          stock(g.StockCount),
          used(g.UsedCount),
          centers(g.CenterCount),
          cards(g.CurCards) {}
    bool operator==(const TableMark&) const = default;
    i16 side, stock, used;
    std::array<i16, kMaxCenters + 1> centers;
    PorC cards;
};

}  // namespace

void ComputerPlayer::Computer() {
    if (g.Pturn == 1) return;
    g.NetCode = 0;
    if (!RefillHand()) return;
    if (!g.NoMissCheck) OpeningComments();
    if (g.Pturn == g.NumPlayers) g.NewDeal = 0;
    sv.Pause(g.MovePause);
    st.TryCount = st.PlanMode = st.KeptCenter = st.KeptTries = 0;

    for (int pass = 0;; ++pass) {
        if (g.StopFlag || g.Pturn < 2) return;
        const TableMark before(g);
        PassEnd end = ChoosePayoffPlay();
        if (end == PassEnd::Planning) end = PlanAndPlay();
        if (end == PassEnd::TurnOver) return;
        if (end == PassEnd::Discard) break;
        if (pass + 1 >= kMaxPasses) Step("pass limit");
        if (pass + 1 >= kMaxPasses || TableMark(g) == before) {
            // A plan that played nothing would be planned again: discard instead.
            Comp_Drop();
            break;
        }
    }
    if (g.Pturn < 2 || g.CurSideCount == 0) return;
    CorrectDiscard();
    RecordDiscard();
    Say(2, "  ");
    Move_End_Turn(OwnRow());
}

// Fills the hand for the turn; false when a stalemate was given up meanwhile.
bool ComputerPlayer::RefillHand() {
    g.HandCount = CountHand(g.CurCards);
    if (g.NewDeal) return true;
    engine.Deal_Players(OwnRow(), g.CurCards);
    // A stalemate recovery deals new hands to everyone: count what this one holds now.
    g.HandCount = CountHand(g.CurCards);
    if (g.AbortTurn == 1) return false;
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    Step("refill");
    return true;
}

void ComputerPlayer::OpeningComments() {
    const i16 human = HumanPayoff();
    for (int c = 1; c <= Centers(); ++c) {
        const i16 next = static_cast<i16>(CenterValue(c) + 1);
        if (next == human && g.MissedPlay) {
            bool holds = false;
            for (int s = kFirstHandSlot; s <= kLastHoldSlot && !holds; ++s) holds = Val(s) == next;
            if (!holds) continue;
            if (!g.QuietComp) Remark(21);
            g.MissedPlay = engine.PlayerMissedMove() ? VbTrue : VbFalse;
            if (g.SoundMode == 0) engine.PlayDataSound(105);
            if (!g.QuietComp) sv.Pause(0.75);
            return;
        }
        if (next != Payoff()) continue;
        bool twin = false;
        for (int k = 1; k <= Centers(); ++k)
            twin = twin || (k != c && CenterValue(k) == CenterValue(c));
        if (twin) continue;
        if (!g.QuietComp) Remark(22);
        if (g.SoundMode == 0) PersonalitySound(12);
        return;
    }
}

// Steps 6 and 7 of a pass: a plan toward the own payoff card, then the last plays before the
// discard (a kept center, a block plan, a forced card).
ComputerPlayer::PassEnd ComputerPlayer::PlanAndPlay() {
    if (g.CurSideCount == 0) return PassEnd::TurnOver;
    Find_PayoffCenter();
    g.PileSel = st.PayoffCenter;
    st.WildSlot = 2;
    st.TrimPhase = 0;
    st.MatchSlot = g.PileSel;
    Move_Comp();
    if (st.PlayFlag == 1) Comp_Play();
    st.PlanMode = 0;
    if (g.AbortTurn == 1) return PassEnd::TurnOver;
    if (st.PlayFlag) return PassEnd::NextPass;

    Comp_BeforeDrop();
    if (g.AbortTurn == 1) return PassEnd::TurnOver;
    if ((st.PlayFlag == 1 && st.PlanMode == 1) || st.PlanMode == 2) {
        Move_Plan();
        Comp_Play();
    } else if (st.NoReplan == 0) {
        g.PileSel = g.HumanCenter;
        Move_Comp();
        if (st.PlayFlag == 1) Comp_Play();
        st.KeptCenter = st.KeptTries = st.PlanMode = 0;
        // A Ruthless block plan is tried before the forced-card search; when it plays nothing,
        // a forced Ace or Two still goes before the discard, as the rules oblige every player.
        if (g.AbortTurn != 1 && !st.PlayFlag) PlayForcedCard();
    }
    if (g.AbortTurn == 1) return PassEnd::TurnOver;
    if (st.PlayFlag) return PassEnd::NextPass;

    Comp_Drop();
    if (ForcedDiscardPlay()) return g.AbortTurn == 1 ? PassEnd::TurnOver : PassEnd::NextPass;
    return PassEnd::Discard;
}
