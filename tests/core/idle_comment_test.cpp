// The opponent's idle remark, the answer to a new sound level and the slap picture's reach.
#include "mainwindow/idle_comment.h"

#include <gtest/gtest.h>

#include "computer/computer_player.h"
#include "engine/engine.h"
#include "tests/support/headless_services.h"

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

// The computer's turn arms the idle remark when it hands the turn to the human: after 12 s with
// two players, 24 s with three or four, never during the tutorial; a new deal disarms it.
TEST(IdleComment, TheComputersTurnArmsTheTimerByPlayerCount) {
    struct Row {
        int players;
        bool tutorial;
        const char* armed;  // nullptr: never armed
    };
    const Row rows[] = {{2, false, "StartIdleTimer 12000"},
                        {3, false, "StartIdleTimer 24000"},
                        {4, false, "StartIdleTimer 24000"},
                        {2, true, nullptr}};
    for (const Row& r : rows) {
        Game g;
        HeadlessServices h{g};
        Engine e{g, h.services};
        ComputerPlayer cp{e};
        h.services.turns = &cp;
        g.NumPlayers = static_cast<i16>(r.players);
        g.NumCards = static_cast<i16>(52 * r.players);
        g.NumCenters = 4;
        g.MovePause = 0;
        for (int k = 1; k <= 3; ++k) g.Opp[k].CommentFile = "No Comments";
        // A deal where a computer seat goes first, so its turn hands over to the human.
        for (int seed = 1; seed < 60; ++seed) {
            h.log.lines.clear();
            g.TutorialOn = r.tutorial ? VbTrue : VbFalse;
            g.Rng.Rnd(-1);
            g.Rng.Randomize(seed);
            e.Game_New();
            if (g.Pturn == 1 && h.log.Contains("TurnMarker 2")) break;
        }
        ASSERT_EQ(g.Pturn, 1) << r.players;
        if (r.armed)
            EXPECT_TRUE(h.log.Contains(r.armed)) << r.players;
        else
            EXPECT_FALSE(h.log.Contains("StartIdleTimer")) << r.players;
        h.log.lines.clear();
        e.Reset_Table();
        EXPECT_TRUE(h.log.Contains("StopIdleTimer"));
    }
}
