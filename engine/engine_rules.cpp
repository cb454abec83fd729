#include "engine/engine.h"
#include "platform/vb_strings.h"

bool Engine::CheckCenterPlay() {
    Message(1, " ");
    if (g.NetConnected == 0) Message(2, " ");
    if (g.PickSlot < kSideSlot || g.PickSlot > kLastHoldSlot || g.PileSel < 1 ||
        g.PileSel > g.NumCenters)
        return false;
    const i16 r = g.HumanCards[kRank][g.PickSlot];
    if (r == 0) return false;
    if (CenterAccepts(g, r, g.PileSel)) return true;
    // A refused wild King can only be the no-wild-Ace rule at work: it gets its own notice.
    if (r == kKing) {
        if (sv.dialogs)
            sv.dialogs->MsgBox("Wild card can not be used as an Ace.", mb::Information,
                               "Rules Enforced");
        return false;
    }
    if (g.Pturn != 0) RuleMessage(1);
    return false;
}

void Engine::RuleMessage(int which) {
    g.Msg.clear();
    switch (which) {
        case 1:
            g.Msg = std::string("Center piles are built up in sequence (Ace to Queen). ") +
                    (g.Dragging == 1 ? "That card cannot be played to that Center pile yet."
                                     : "That card cannot be played to any Center pile yet.");
            break;
        case 2:
            g.Msg =
                "Once a card has been placed on a Hold pile, it can only be played to the Center "
                "piles.";
            break;
        case 3:
            g.Msg = "Please stop --\n     It's NOT your turn!";
            break;
        case 4:
            g.Msg = "\nYour Side card can only be played to a Center pile.";
            break;
        default:
            break;
    }
    Message(1, g.Msg);
    PlayDataSound(108);
    g.Msg.clear();
}

void Engine::BuildRulesText() {
    const i32 width = sv.board ? sv.board->ScreenWidth() : 19200;
    const bool small = sv.board && sv.board->DisplayMode() >= 2;
    const bool longForm = small ? width > 12000 : width >= 12000;
    switch (g.ForcedCards) {
        case 0:
            g.RulesText = "";
            break;
        case 1:
            g.RulesText = "Ace";
            break;
        case 2:
            g.RulesText = ", Two";
            break;
        case 3:
            g.RulesText = longForm ? "Ace, Two" : "A,T";
            break;
        case 4:
            g.RulesText = "";
            g.ForcedCards = 0;
            break;
        case 5:
            g.RulesText = "Ace (V)";
            break;
        case 6:
            g.RulesText = "Two (V)";
            break;
        case 7:
            g.RulesText = longForm ? "Ace, Two (V)" : "A,T (V)";
            break;
        default:
            break;
    }
    if (g.NoWildAce) g.RulesText += width >= 12000 ? " - No Wild Ace" : ", No Wild A";
}

void Engine::ShowRulesCaption() {
    BuildRulesText();
    const std::string rules = "Rules:" + Str(g.SidePileSize + 1) + " cards " + g.RulesText;
    std::string level;
    if (g.NetConnected == 0) {
        const int l = g.Opp[1].Level;
        level = LevelCaption(l);
    } else {
        level = g.ShuffleSeparately ? "Decks: separate" : "Decks: together";
    }
    if (sv.board) sv.board->SetRulesLabels(rules, level);
}

void Engine::MenuNotNowMsg(int which) {
    if (which == 1 && sv.dialogs) {
        sv.dialogs->MsgBox("Please use the Internet Menu during Internet games.", mb::Information,
                           "Quorvane Online");
    } else if (which == 2) {
        Message(2, "Select NEW from the Game Menu to start a new game.");
    }
}
