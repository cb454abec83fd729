#include "engine/engine.h"
#include "platform/vb_strings.h"

namespace {
constexpr const char* kSampleSection = "Settings9";
constexpr const char* kSampleKey = "Tutorial";
}  // namespace

bool Engine::ConfirmNewGame() {
    if (g.NetConnected != 0 || (g.CurSideCount != 1 && g.CurSideCount != 2) || !sv.dialogs)
        return true;
    const std::string& title = g.Opp[1].Name;
    if (g.HumanSideCount >= g.CurSideCount + 10) {
        g.Msg = "Sure, go ahead, start a new game when I'm winning!";
        sv.dialogs->MsgBox(g.Msg, mb::OkOnly, title);
    } else if (g.HumanSideCount > g.CurSideCount) {
        g.Msg = "Are you serious?!\nI'm about to win and you want to start a new game??";
        if (sv.dialogs->MsgBox(g.Msg, mb::YesNo, title) == mb::No) return false;
    }
    return true;
}

bool Engine::GatherNetPlayers() {
    // A joiner who has said hello but has no seat yet would not be told of the new game, and
    // the host would wait for that player's Deal for good: the game starts once all are seated.
    for (const NetSeat& seat : g.NetSeats)
        if (seat.Kind != 0 && seat.Seat == 0) {
            if (sv.dialogs)
                sv.dialogs->MsgBox(
                    "A player is still joining this game.\nStart the new game once every player "
                    "has joined.",
                    mb::Information, "Quorvane");
            return false;
        }
    Reset_Table();
    if (g.NumPlayers != g.NetConnected + 1) {
        if (sv.dialogs)
            sv.dialogs->MsgBox("You have" + Str(g.NetConnected) +
                                   " opponent(s).\nUse the Internet Menu, Host Setup option to "
                                   "change the setup to match the number of players.",
                               mb::OkOnly, "Quorvane");
        return false;
    }
    EnableHuman(false, 1, 10);
    // The set-up hints of the Internet game's start are over once the game is asked for.
    if (sv.board) sv.board->SetStatusNotice("", false);
    if (sv.net) sv.net->SendNetAll(0, "GS");
    g.NetAnswers = 1;
    if (sv.board)
        sv.board->SetStatusNotice(
            "Waiting for opponent(s) to click their DEAL button so the game can begin", true);
    Message(0, "WAITING for Opponent");
    const bool gathered =
        WaitFor(0, [this] { return g.NetCode == net::GS && g.NetAnswers >= g.NumPlayers; });
    if (sv.board) sv.board->SetStatusNotice("", false);
    if (!gathered) return false;
    Message(0, "");
    return true;
}

void Engine::SeedSampleGame() {
    ++g.SampleGameNumber;
    g.Rng.Rnd(-1);
    g.Rng.Randomize(g.SampleGameNumber == 8 ? 13 : g.SampleGameNumber);
    if (sv.settings) sv.settings->SaveSetting(kSampleSection, kSampleKey, Str(g.SampleGameNumber));
}

void Engine::Game_New() {
    if (g.NetConnected == 0 && g.AnimationRunning) {
        g.NewGameAsked = VbTrue;  // the Deal button's handler stops the animation and deals
        if (sv.window) sv.window->DealButtonClick();
        return;
    }
    g.NewGameAsked = VbFalse;
    if (sv.window) sv.window->ShowDealButton(false);
    if (!ConfirmNewGame()) return;
    g.MoveCounter = 0;
    Message(1, "");
    Message(2, "");
    if (g.NetConnected != 0 && !GatherNetPlayers()) return;
    g.GameRestored = VbFalse;
    if (g.NetConnected == 0) Reset_Table();
    PlayDataSound(122);
    g.GameStarted = VbTrue;
    if (g.SampleGamesOn) {
        const double stored =
            sv.settings ? Val(sv.settings->GetSetting(kSampleSection, kSampleKey, "0")) : 0;
        g.SampleGameNumber = static_cast<i16>(ClampToInt(stored, 0, 10));
        if (g.SampleGameNumber >= 10) {
            g.SampleGameNumber = 0;
            if (sv.settings) sv.settings->SaveSetting(kSampleSection, kSampleKey, Str(0));
            if (sv.dialogs)
                sv.dialogs->MsgBox(
                    "How are you doing so far? You've played 10 different games.\n\nAre you "
                    "winning more than you are losing? If you're finding it too easy to beat "
                    "Brivo, you can change his ability level from the Options Menu, Opponents "
                    "Setup.\n\nIs Brivo playing fast enough? Now that you've got the hang of the "
                    "game, you might want him to make his moves faster. If so, just go to the "
                    "Options Menu, Speed.",
                    mb::Information, "Sample Games");
            MenuNotNowMsg(2);
            return;
        }
        SeedSampleGame();
    }
    SetUp();
    GoDeal();
}
