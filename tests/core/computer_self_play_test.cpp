// Whole games of the scripted player against one to three computer seats at every level and
// every rule variant, with the card-conservation check after every step.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "tests/support/self_play.h"

namespace {

// The release build plays the full count; a sanitizer build, many times slower, a fifth of it.
// QUORVANE_SOAK_GAMES overrides both.
int SoakGames() {
    if (const char* n = std::getenv("QUORVANE_SOAK_GAMES")) return std::max(1, std::atoi(n));
#if defined(__SANITIZE_ADDRESS__)
    return 400;
#else
    return 2400;
#endif
}

// Game `i` of the soak: players, centers, level and rules all vary with it.
SelfPlaySetup SoakSetup(int i) {
    static const i16 kSides[] = {19, 25, 14, 9};
    SelfPlaySetup s;
    s.players = 2 + i % 3;
    s.centers = s.players == 2 && (i / 3) % 2 ? 3 : 4;
    s.level = (i / 6) % 3;
    const int rules = i / 18;
    s.forcedCards = static_cast<i16>(rules % 8);
    s.noWildAce = (rules / 8) % 2;
    s.shuffleSeparately = (rules / 16) % 2;
    s.sidePileSize = kSides[(rules / 32) % 4];
    s.seed = 1000 + i;
    s.giveUpStalemates = i % 5 == 4;
    return s;
}

}  // namespace

TEST(ComputerSelfPlay, SeededGamesKeepEveryCardAndEnd) {
    const int games = SoakGames();
    int wins[5] = {};
    int stalemates = 0, givenUp = 0, tossed = 0, mostSteps = 0;
    // A fingerprint of every game's outcome, so that two runs can be compared game for game.
    std::uint64_t digest = 14695981039346656037ull;
    const auto mix = [&digest](long long v) {
        digest = (digest ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
    };
    for (int i = 0; i < games; ++i) {
        const SelfPlaySetup s = SoakSetup(i);
        const SelfPlayResult r = PlaySelfGame(s);
        ASSERT_EQ(r.fault, "") << "game " << i << " seed " << s.seed;
        ASSERT_TRUE(r.winner != 0 || r.givenUp)
            << "game " << i << " did not end after " << r.humanTurns << " turns";
        ASSERT_EQ(r.givenUp, r.winner == 0) << "game " << i;
        ASSERT_EQ(r.stuckTurns, 0) << "game " << i;
        ASSERT_EQ(r.passLimitTurns, 0) << "game " << i;
        for (long long v : {r.winner, r.margin, r.humanTurns, r.computerTurns, r.stalemates,
                            int(r.givenUp), int(r.tossed), r.mostStepsInTurn})
            mix(v);
        ++wins[r.winner];
        stalemates += r.stalemates > 0;
        givenUp += r.givenUp;
        tossed += r.tossed;
        mostSteps = std::max(mostSteps, r.mostStepsInTurn);
    }
    // Every outcome turns up within the default counts; a short run asked for by hand may see
    // only some of them.
    if (games >= 400) {
        EXPECT_GT(wins[1], 0);
        EXPECT_GT(wins[2], 0);
        EXPECT_GT(givenUp, 0);
    }
    std::printf(
        "%d games: player 1 won %d, seats won %d/%d/%d; %d with a stalemate, %d given "
        "up (%d of them tossed after recoveries that changed nothing); at most %d steps in one "
        "computer turn; outcome digest %016llx\n",
        games, wins[1], wins[2], wins[3], wins[4], stalemates, givenUp, tossed, mostSteps,
        static_cast<unsigned long long>(digest));
}

// Remarks and sounds draw from their own generator: a seeded game plays the same card for card
// whether the seats speak or not.
TEST(ComputerSelfPlay, RemarksAndSoundsLeaveThePlayAlone) {
    for (int i = 0; i < 120; ++i) {
        SelfPlaySetup s = SoakSetup(i * 7);
        const SelfPlayResult quiet = PlaySelfGame(s);
        s.remarks = true;
        const SelfPlayResult spoken = PlaySelfGame(s);
        ASSERT_EQ(spoken.fault, "") << "game " << i;
        EXPECT_EQ(spoken.winner, quiet.winner) << "game " << i;
        EXPECT_EQ(spoken.margin, quiet.margin) << "game " << i;
        EXPECT_EQ(spoken.humanTurns, quiet.humanTurns) << "game " << i;
        EXPECT_EQ(spoken.computerTurns, quiet.computerTurns) << "game " << i;
    }
}
