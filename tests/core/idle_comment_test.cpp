// The opponent's idle remark, the answer to a new sound level and the slap picture's reach.
#include "mainwindow/idle_comment.h"

#include <gtest/gtest.h>

TEST(IdleComment, TimerWaitsLongerWithMorePlayers) {
    EXPECT_EQ(IdleTimerInterval(2), 12000);
    EXPECT_EQ(IdleTimerInterval(3), 24000);
    EXPECT_EQ(IdleTimerInterval(4), 24000);
}

TEST(IdleComment, TheDrawPicksTheRemarkLine) {
    EXPECT_EQ(IdleCommentLine(1), 29);
    EXPECT_EQ(IdleCommentLine(2), 30);
    EXPECT_EQ(IdleCommentLine(3), 28);
}

TEST(IdleComment, WithMoreThanTwoPlayersTheFirstOpponentSpeaksAndIsShown) {
    Game g;
    for (int line : {28, 29, 30}) g.CompComments[line] = "line " + std::to_string(line);
    g.Opp[1].Avatar = "brivo.jpg";
    g.NumPlayers = 2;
    IdleRemark r = IdleComment(g);
    EXPECT_TRUE(r.avatar.empty());
    EXPECT_EQ(g.AvatarSwapped, VbFalse);
    EXPECT_EQ(r.text.rfind("line ", 0), 0u);

    g.NumPlayers = 3;
    r = IdleComment(g);
    EXPECT_EQ(r.avatar, "brivo.jpg");
    // The player's own picture comes back at their next press.
    EXPECT_EQ(g.AvatarSwapped, VbTrue);
}

TEST(IdleComment, SoundLevelAnswers) {
    EXPECT_EQ(ChangeNoise(0).text, "YEAH!");
    EXPECT_TRUE(ChangeNoise(0).cheer);
    EXPECT_EQ(ChangeNoise(1).text, "Let's hold it down a little guys!");
    EXPECT_FALSE(ChangeNoise(1).cheer);
    EXPECT_EQ(ChangeNoise(2).text, "Ahhh... the sounds of silence...");
    EXPECT_FALSE(ChangeNoise(2).cheer);
}

TEST(IdleComment, SlapStaysWithinAHundredUnitsBoundsIncluded) {
    EXPECT_TRUE(SlapStaysAt(150, 40, 50, 60));
    EXPECT_TRUE(SlapStaysAt(-50, 160, 50, 60));
    EXPECT_FALSE(SlapStaysAt(151, 60, 50, 60));
    EXPECT_FALSE(SlapStaysAt(50, -41, 50, 60));
}
