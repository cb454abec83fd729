// The remark after a card landed on a center: whose payoff card it has just blocked.
#include "computer/computer_player.h"
#include "computer/side_card_owner.h"

void ComputerPlayer::Comp_SideCompare(i16 flipFrom) {
    g.Msg.clear();
    const int owner = SideCardOwnerPlayer(g, CenterValue(g.PileSel));
    const bool wild = g.MoveCard[kRank] == kKing;
    const bool ownWildPayoff = wild && flipFrom == kSideSlot;
    // A blocking card from the hand or a hold pile draws a line, never the last one again. A
    // quiet personality shows none but draws one for every such card that is not wild, blocking
    // or not, and the no-repeat memory moves on with it.
    auto drawLine = [&] {
        st.CommentPick = DrawAnew(10, 10, st.LastComment);
        return int{st.CommentPick};
    };
    if (owner == 0) {
        if (g.QuietComp) {
            if (flipFrom != kSideSlot && !wild) drawLine();
            return;
        }
        // Nobody is blocked; the own wild payoff card may still be worth a word when another
        // player waits with a wild payoff card of its own.
        if (!ownWildPayoff) return;
        g.Msg = SideCardOwner(g, kKing);
        if (g.Msg.empty()) return;
    }
    if (flipFrom == kSideSlot) {
        Remark(g.Msg.empty() ? 25 : 24);
        if (owner == 1) RandomBlockSound();
    } else if (!wild) {
        const int pick = drawLine();
        if (owner != 1) {
            if (g.QuietComp) return;
            Say(2, g.Opp[owner - 1].Name + ", " + g.CompComments[static_cast<size_t>(pick)]);
            sv.Pause(2 * g.MovePause);
        } else {
            Remark(pick);
            RandomBlockSound();
        }
    }
    if (!g.QuietComp) sv.Pause(3 * g.MovePause);
}
