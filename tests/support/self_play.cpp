#include "tests/support/self_play.h"

#include <array>
#include <ctime>
#include <optional>
#include <string_view>

#include "computer/computer_player.h"
#include "computer/turn_watcher.h"
#include "engine/conservation.h"
#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "tests/support/headless_services.h"
#include "tests/support/scripted_player.h"

namespace {

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Every question is answered Yes, a stalemate as told: reshuffled, or the game given up. A game
// whose recoveries keep coming with no side card played in between is tossed, as a person
// would: some deals go round from stalemate to stalemate without end.
struct YesDialogs : Dialogs {
    YesDialogs(const Game& g, bool giveUp) : g(g), giveUp(giveUp) {}
    int MsgBox(const std::string&, int, const std::string& title) override {
        if (title != "Stalemate") return mb::Yes;
        ++stalemates;
        const std::array<i16, 4> sides = SideCounts();
        idleRecoveries = sides == lastSides ? idleRecoveries + 1 : 0;
        lastSides = sides;
        if (!giveUp && idleRecoveries < kIdleRecoveriesTossed) return mb::Yes;
        tossed = !giveUp;
        answeredNo = true;
        return mb::No;
    }
    std::array<i16, 4> SideCounts() const {
        std::array<i16, 4> sides{g.HumanSideCount};
        for (int k = 1; k < g.NumPlayers; ++k) sides[k] = CurrentOpp(g, k).SideCount;
        return sides;
    }
    static constexpr int kIdleRecoveriesTossed = 3;
    const Game& g;
    bool giveUp;
    int stalemates = 0;
    int idleRecoveries = 0;
    std::array<i16, 4> lastSides{};
    bool answeredNo = false;
    bool tossed = false;
};

struct Watcher : TurnWatcher {
    Watcher(const Game& g, const SelfPlaySetup& s, SelfPlayResult& r) : g(g), s(s), r(r) {}
    void SeatTurnStarted(int) override {
        steps = 0;
        if (s.timeTurns) start = ThreadCpuSeconds();
    }
    void Step(const char* what) override {
        if (std::string_view(what) == "pass limit") ++r.passLimitTurns;
        ++steps;
        Check(what);
        // A seat obeys the forced-card rules as the human must: with the discard on its hold
        // pile, no Ace or Two that the rules oblige it to play may be left.
        const bool discard = std::string_view(what) == "discard";
        if (s.checkCards && r.fault.empty() && discard) {
            const i16 owed = ForcedCardOwed(g, g.CurCards, 0);
            if (owed != 0)
                r.fault = "discard with a forced" + std::string(owed == kAce ? " Ace" : " Two") +
                          " still to play";
        }
        // The hand count follows the cards of the player whose hand it is, also after a
        // stalemate recovery in the middle of a turn.
        const PorC& hand = g.Pturn == 1 ? g.HumanCards : g.CurCards;
        if (s.checkCards && r.fault.empty() && g.Pturn >= 1 && g.HandCount != CountHand(hand))
            r.fault = std::string(what) + ": hand count" + std::to_string(g.HandCount) + " for " +
                      std::to_string(CountHand(hand)) + " cards";
    }
    void SeatTurnEnded(int player) override {
        if (s.timeTurns) r.turnSeconds.push_back(ThreadCpuSeconds() - start);
        ++r.computerTurns;
        if (steps > r.mostStepsInTurn) r.mostStepsInTurn = steps;
        // A seat's turn ends by handing on, by the end of the game or by a stalemate given up.
        if (g.Pturn == player) ++r.stuckTurns;
    }
    void Check(const char* what) {
        if (!s.checkCards || !r.fault.empty()) return;
        const std::string f = CheckConservation(g);
        if (!f.empty()) r.fault = std::string(what) + ": " + f;
    }
    const Game& g;
    const SelfPlaySetup& s;
    SelfPlayResult& r;
    int steps = 0;
    double start = 0;
};

int Winner(const Game& g) {
    if (g.HumanSideCount == 0) return 1;
    for (int k = 1; k < g.NumPlayers; ++k)
        if (g.Opp[k].SideCount == 0) return k + 1;
    return 0;
}

int Margin(const Game& g, int winner) {
    int m = 0;
    if (winner != 1) m += g.HumanSideCount;
    for (int k = 1; k < g.NumPlayers; ++k)
        if (winner != k + 1) m += g.Opp[k].SideCount;
    return m;
}

}  // namespace

SelfPlayResult PlaySelfGame(const SelfPlaySetup& s) {
    SelfPlayResult r;
    Game g;
    g.NumPlayers = static_cast<i16>(s.players);
    g.NumCards = static_cast<i16>(52 * s.players);
    g.NumCenters = static_cast<i16>(s.players > 2 ? 4 : s.centers);
    g.ForcedCards = s.forcedCards;
    g.NoWildAce = s.noWildAce ? VbTrue : VbFalse;
    g.ShuffleSeparately = s.shuffleSeparately ? VbTrue : VbFalse;
    g.SidePileSize = s.sidePileSize;
    g.MovePause = 0;
    g.SoundMode = s.remarks ? 0 : 2;
    for (int k = 1; k <= 3; ++k) {
        OpponentRecord& o = g.Opp[k];
        o.Name = "Seat" + std::to_string(k + 1);
        o.Level = static_cast<i16>(s.level);
        o.CommentFile = s.remarks ? "Seat comments" : "No Comments";
        for (size_t i = 1; s.remarks && i < o.Comments.size(); ++i)
            o.Comments[i] = "remark" + std::to_string(i);
        for (size_t i = 1; s.remarks && i < o.Sounds.size(); ++i)
            o.Sounds[i] = "sound" + std::to_string(i) + ".wav";
    }
    g.Rng.Rnd(-1);
    g.Rng.Randomize(s.seed);
    g.CosmeticRng.Rnd(-1);
    g.CosmeticRng.Randomize(s.seed);

    YesDialogs dialogs(g, s.giveUpStalemates);
    std::optional<HeadlessServices> headless;
    Services sv;
    if (s.remarks) {
        headless.emplace(g);
        headless->log.enabled = false;
        sv = headless->services;
        sv.pauser = nullptr;
    }
    sv.dialogs = &dialogs;
    Engine engine(g, sv);
    ComputerPlayer computer(engine);
    sv.turns = &computer;
    Watcher watcher(g, s, r);
    computer.watcher = &watcher;
    ScriptedPlayer human(g, engine, [&r] { return r.computerTurns; });

    engine.Game_New();
    watcher.Check("deal");
    while (g.Pturn == 1 && r.fault.empty() && r.humanTurns < s.maxHumanTurns) {
        ++r.humanTurns;
        const int seatTurns = r.computerTurns;
        human.PlayTurn();
        watcher.Check("player 1");
        if (g.Pturn == 1 && r.computerTurns == seatTurns) {
            // Every discard was refused: the scripted player cannot go on.
            r.fault = "player 1 could not discard";
            break;
        }
    }
    r.stalemates = dialogs.stalemates;
    r.givenUp = dialogs.answeredNo;
    r.tossed = dialogs.tossed;
    r.winner = g.Pturn == 0 ? Winner(g) : 0;
    r.margin = r.winner ? Margin(g, r.winner) : 0;
    return r;
}
