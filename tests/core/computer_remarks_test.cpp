// The seat's remark when its card blocks another player's payoff card.
#include <gtest/gtest.h>

#include "computer/side_card_owner.h"
#include "computer_fixture.h"

using computer_test::Table;

namespace {

struct RemarkTable : Table {
    RemarkTable() {
        g.QuietComp = VbFalse;
        g.SoundMode = 0;
        g.PlayerName = "Ann";
        g.CurName = g.Opp[1].Name = "Brivo";
        for (size_t i = 1; i < g.CompComments.size(); ++i)
            g.CompComments[i] = "line" + std::to_string(i);
        for (size_t i = 1; i < g.CompSounds.size(); ++i)
            g.CompSounds[i] = "snd" + std::to_string(i);
        Centers({6, 0, 0, 0});
        g.PileSel = 1;
        g.MoveCard = {computer_test::IdOf(6), 6};
        HumanPayoff(6);
    }
    std::string LastSound() const {
        for (auto it = h.log.lines.rbegin(); it != h.log.lines.rend(); ++it)
            if (it->rfind("PlaySound", 0) == 0) return *it;
        return "";
    }
};

}  // namespace

TEST(ComputerRemarks, BlockingTheHumanDrawsALineAndASoundNeverTwiceRunning) {
    RemarkTable t;
    std::string lastLine, lastSound;
    for (int i = 0; i < 60; ++i) {
        t.cp.Comp_SideCompare(kFirstHandSlot);
        const std::string line = t.h.board.messages[2];
        const int n = std::stoi(line.substr(4));
        EXPECT_TRUE(n >= 11 && n <= 20) << line;
        EXPECT_NE(line, lastLine);
        const std::string sound = t.LastSound();
        EXPECT_NE(sound, lastSound);
        EXPECT_TRUE(
            sound.find("snd3") != std::string::npos || sound.find("snd4") != std::string::npos ||
            sound.find("snd5") != std::string::npos || sound.find("snd6") != std::string::npos)
            << sound;
        lastLine = line;
        lastSound = sound;
    }
}

TEST(ComputerRemarks, AnotherSeatIsNamedOnlyWithThreeOrFourPlayers) {
    RemarkTable t;
    t.HumanPayoff(9);
    t.g.Opp[2].Name = "Tessik";
    t.g.Opp[2].Cards[kRank][kSideSlot] = 6;
    EXPECT_EQ(SideCardOwner(t.g, 6), "");  // two players: only the human counts
    t.cp.Comp_SideCompare(kFirstHandSlot);
    EXPECT_EQ(t.h.board.messages[2], "");

    t.g.NumPlayers = 3;
    EXPECT_EQ(SideCardOwner(t.g, 6), "Tessik");
    t.cp.Comp_SideCompare(kFirstHandSlot);
    EXPECT_EQ(t.h.board.messages[2].rfind("Tessik, line", 0), 0u) << t.h.board.messages[2];
}

TEST(ComputerRemarks, AQuietSeatSaysNothingAndDoesNotWait) {
    RemarkTable t;
    t.g.QuietComp = VbTrue;
    t.g.MovePause = 1;
    t.cp.Comp_SideCompare(kFirstHandSlot);
    t.cp.Comp_SideCompare(kSideSlot);
    EXPECT_EQ(t.h.board.messages[2], "");
    EXPECT_EQ(t.h.pauser.paused(), 0);
}

// Nobody is blocked (the human waits for a 9): a quiet personality still draws a line for a card
// from its hand, though it shows none, and none for its payoff card or a wild King.
TEST(ComputerRemarks, AQuietSeatDrawsItsLineUnseenForEveryPlainCard) {
    RemarkTable t;
    t.HumanPayoff(9);
    t.g.QuietComp = VbTrue;
    t.cp.Comp_SideCompare(kSideSlot);
    EXPECT_EQ(t.cp.st.LastComment, 0);
    t.g.MoveCard = {13, kKing};
    t.cp.Comp_SideCompare(kFirstHandSlot);
    EXPECT_EQ(t.cp.st.LastComment, 0);
    t.g.MoveCard = {computer_test::IdOf(6), 6};
    t.cp.Comp_SideCompare(kFirstHandSlot);
    EXPECT_GE(t.cp.st.LastComment, 11);
    EXPECT_LE(t.cp.st.LastComment, 20);
    EXPECT_EQ(t.h.board.messages[2], "");

    t.g.QuietComp = VbFalse;  // a talkative one draws only when it blocks somebody
    t.cp.st.LastComment = 0;
    t.cp.Comp_SideCompare(kFirstHandSlot);
    EXPECT_EQ(t.cp.st.LastComment, 0);
}
