#pragma once
// Whole games with no window, for tests, the benchmark and strength measurements: player 1 is a
// simple scripted player that plays through the human's calls, the other seats are the
// computer opponent at one level. Not part of the program's play.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/vb_types.h"

struct SelfPlaySetup {
    int players = 2;  // 2-4
    int centers = 4;  // 3 or 4 (4 with more than two players)
    int level = 0;    // every computer seat: 0 Average, 1 Clever, 2 Ruthless
    i16 forcedCards = 0;
    bool noWildAce = false;
    bool shuffleSeparately = false;
    i16 sidePileSize = 19;  // side-pile cards minus one
    std::int32_t seed = 0;
    // A stalemate is given up (the game ends with no winner) instead of reshuffled. Otherwise
    // it is reshuffled, unless several recoveries in a row left every side pile as it was.
    bool giveUpStalemates = false;
    // Runs the card-conservation check after every step (the first fault ends the game).
    bool checkCards = true;
    // Keeps the CPU time of every computer seat's turn.
    bool timeTurns = false;
    // The seats speak and play sounds into recording stand-ins of the window (slower); without
    // it they are quiet and nothing is drawn.
    bool remarks = false;
    // The game is called off after this many turns of player 1.
    int maxHumanTurns = 2000;
};

struct SelfPlayResult {
    int winner = 0;  // 1 the scripted player, 2-4 a computer seat, 0 no winner
    int margin = 0;  // cards left on the other players' side piles
    int humanTurns = 0;
    int computerTurns = 0;
    int stalemates = 0;
    bool givenUp = false;  // a stalemate ended the game
    // Given up by the scripted player although the setup said to recover: recovery after
    // recovery went by without a side card played.
    bool tossed = false;
    // The most cards one computer turn played, and turns that did not hand the turn on.
    int mostStepsInTurn = 0;
    int stuckTurns = 0;
    int passLimitTurns = 0;           // turns that ran out of passes
    std::string fault;                // the first conservation fault, "" when none
    std::vector<double> turnSeconds;  // CPU time of each computer turn, when timed
};

SelfPlayResult PlaySelfGame(const SelfPlaySetup& setup);
