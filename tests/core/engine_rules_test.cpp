#include "engine_fixture.h"

TEST_F(EngineFixture, CheckCenterPlayAcceptsInSequenceAndWildKingsByTheRule) {
    struct Case {
        i16 rank, count, noWildAce, pturn;
        bool accepted;
        const char* message;  // first message line after the check
        const char* box;      // title of a message box, "" none
    } cases[] = {
        {12, 11, 0, 1, true, " ", ""},
        {12, 10, 0, 1, false,
         "Center piles are built up in sequence (Ace to Queen). That card "
         "cannot be played to any Center pile yet.",
         ""},
        {1, 0, 0, 1, true, " ", ""},
        {13, 0, VbTrue, 1, false, " ", "Rules Enforced"},
        {13, 1, VbTrue, 1, true, " ", ""},
        {13, 0, 0, 1, true, " ", ""},
        {13, 7, VbTrue, 1, true, " ", ""},
        {5, 3, 0, 0, false, " ", ""},  // nobody on turn: refused without a word
        {4, 4, 0, 1, false,
         "Center piles are built up in sequence (Ace to Queen). That card "
         "cannot be played to any Center pile yet.",
         ""},
    };
    Players(2, 3);
    for (const auto& c : cases) {
        h.dialogs.lastTitle.clear();
        Put(g.HumanCards, 3, static_cast<i16>(c.rank));
        g.CenterCount[2] = c.count;
        g.NoWildAce = c.noWildAce;
        g.Pturn = c.pturn;
        g.PickSlot = 3;
        g.PileSel = 2;
        EXPECT_EQ(e.CheckCenterPlay(), c.accepted) << c.rank << " on " << c.count;
        // The computer's plays ask the same rule without the messages.
        EXPECT_EQ(CenterAccepts(g, c.rank, 2), c.accepted) << c.rank << " on " << c.count;
        EXPECT_EQ(g.Pturn, c.pturn) << "the check leaves the turn alone";
        EXPECT_EQ(h.board.messages[1], c.message);
        EXPECT_EQ(h.dialogs.lastTitle, c.box);
    }
}

TEST_F(EngineFixture, RulesCaptionShortensOnNarrowScreens) {
    struct Case {
        i16 forced, noWild;
        i32 width;
        int mode;
        const char* text;
        i16 forcedAfter;
    } cases[] = {
        {3, VbTrue, 12000, 0, "Ace, Two - No Wild Ace", 3},
        {3, VbTrue, 12000, 2, "A,T - No Wild Ace", 3},
        {3, VbTrue, 11000, 0, "A,T, No Wild A", 3},
        {7, 0, 12001, 3, "Ace, Two (V)", 7},
        {2, 0, 19200, 0, ", Two", 2},
        {4, 0, 19200, 0, "", 0},  // "visible only" alone means no forced card
        {0, 0, 19200, 0, "", 0},
    };
    for (const auto& c : cases) {
        g.ForcedCards = c.forced;
        g.NoWildAce = c.noWild;
        h.board.screenWidth = c.width;
        h.board.displayMode = c.mode;
        e.BuildRulesText();
        EXPECT_EQ(g.RulesText, c.text);
        EXPECT_EQ(g.ForcedCards, c.forcedAfter) << c.forced;
    }
    g.SidePileSize = 19;
    g.Opp[1].Level = 2;
    e.ShowRulesCaption();
    EXPECT_EQ(h.board.rulesCaption, "Rules: 20 cards ");
    EXPECT_EQ(h.board.levelCaption, "Level: Ruthless");
}

TEST_F(EngineFixture, RuleMessagesExplainARefusalWithTheRefusalSound) {
    struct Case {
        int which;
        i16 dragging;
        const char* text;
    } cases[] = {
        {1, 1,
         "Center piles are built up in sequence (Ace to Queen). That card cannot be played to "
         "that Center pile yet."},
        {2, 0,
         "Once a card has been placed on a Hold pile, it can only be played to the Center "
         "piles."},
        {3, 0, "Please stop --\n     It's NOT your turn!"},
        {4, 0, "\nYour Side card can only be played to a Center pile."},
        {9, 0, ""},
    };
    for (const auto& c : cases) {
        g.Dragging = c.dragging;
        const int played = h.sounds.played;
        e.RuleMessage(c.which);
        EXPECT_EQ(h.board.messages[1], c.text);
        EXPECT_EQ(h.sounds.played, played + 1);
        EXPECT_EQ(g.Msg, "");
    }
    g.SoundMode = 2;
    e.RuleMessage(1);
    EXPECT_EQ(h.sounds.played, 5);
    e.MenuNotNowMsg(1);
    EXPECT_EQ(h.dialogs.lastText, "Please use the Internet Menu during Internet games.");
}
