// The start of each pass: whether the payoff card goes on a center now, and playing it.
#include "computer/computer_player.h"
#include "engine/engine.h"

ComputerPlayer::PassEnd ComputerPlayer::ChoosePayoffPlay() {
    st.PlayFlag = 0;
    Ck_Player();
    Find_PayoffCenter();
    st.PayoffChoice = 1;
    st.WildPayoff = VbFalse;
    st.Refilled = VbFalse;
    if (Payoff() != kKing) {
        g.PileSel = FirstCenterAt(static_cast<i16>(Payoff() - 1));
        if (g.PileSel == 0) st.PayoffChoice = 0;
    } else {
        st.WildPayoff = VbTrue;
        const bool stoppedOnCards = Find_BlockCenter();
        if (g.NoWildAce) {
            if (stoppedOnCards) st.PayoffChoice = 2;
            if (st.PayoffChoice == 2 && !Ruthless()) {
                st.PayoffChoice = 1;  // straight onto the human's center
            } else {
                bool anyCards = false;
                for (int c = 1; c <= Centers(); ++c) anyCards = anyCards || CenterValue(c) != 0;
                if (anyCards)
                    Move_Wild();
                else
                    st.PayoffChoice = 0;
            }
        } else {
            Move_Wild();
        }
        // A plan played on the way may have given up a stalemated game.
        if (g.AbortTurn == 1 || g.Pturn < 2) return PassEnd::TurnOver;
    }
    if (st.Refilled) st.PayoffChoice = 88;
    if (st.PayoffChoice == 88) return PassEnd::NextPass;
    if (st.PayoffChoice == 0) return PassEnd::Planning;
    return PlayPayoffCard();
}

ComputerPlayer::PassEnd ComputerPlayer::PlayPayoffCard() {
    const bool wild = Payoff() == kKing;
    g.MoveCard = {g.CurCards[kId][kSideSlot], g.CurCards[kRank][kSideSlot]};
    st.PlayFlag = 0;
    Find_PayoffCenter();
    if (g.PileSel == 0) g.PileSel = st.PayoffCenter;
    if (wild && st.PayoffChoice == 99) {
        Ck_Player();
        Find_PayoffCenter();
        g.PileSel = st.PayoffCenter;
        st.PayoffChoice = 1;
    }
    g.PileSel = static_cast<i16>(Planned());
    if (wild && g.NoWildAce && CenterValue(g.PileSel) == 0) {
        g.PileSel = static_cast<i16>(std::clamp<int>(st.PayoffCenter, 1, Centers()));
        if (CenterValue(g.PileSel) == 0) {
            st.PayoffChoice = 0;
            return PassEnd::Planning;
        }
    }
    // A non-wild card is only ever played where it fits.
    if (!wild && CenterValue(g.PileSel) + 1 != Payoff()) {
        st.PayoffChoice = 0;
        return PassEnd::Planning;
    }

    const i16 center = g.PileSel;
    for (int r : {kId, kRank}) g.CurSide[r][g.CurSideCount] = 0;
    --g.CurSideCount;
    if (g.CurSideCount > 0) ++g.CurSideShape;
    // The next side card comes up in the payoff slot (none when the pile is empty).
    for (int r : {kId, kRank}) g.CurCards[r][kSideSlot] = g.CurSide[r][g.CurSideCount];
    Comp_Flip(OwnRow(), kSideSlot, center);
    sv.Pause(g.MovePause);
    g.PileSel = center;
    if (g.CenterCount[center] >= kQueen) engine.Add_Used();
    Step("payoff");
    if (g.CurSideCount == 0) {
        engine.Game_End();
        return PassEnd::TurnOver;
    }
    return PassEnd::NextPass;
}
