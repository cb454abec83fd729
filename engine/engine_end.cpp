#include <algorithm>

#include "engine/engine.h"
#include "platform/vb_strings.h"

i16 Engine::DoTheMargin() const {
    int m = g.HumanSideCount;
    for (int k = 1; k < g.NumPlayers; ++k) m += g.Opp[k].SideCount;
    return Saturated16(m);
}

void Engine::DoTheMath() {
    g.GamesPlayedTally = Saturated16(g.GamesPlayedTally + 1);
    if (g.GamesPlayedTally > kGamesWarningCount && sv.dialogs)
        sv.dialogs->MsgBox(kGamesWarningText, mb::Information, kGamesWarningTitle);
    g.LastMargin = DoTheMargin();
    if (g.HumanSideCount != 0) {
        g.MarginTally = Saturated16(g.MarginTally - g.LastMargin);
    } else {
        g.GamesWonTally = Saturated16(g.GamesWonTally + 1);
        g.MarginTally = Saturated16(g.MarginTally + g.LastMargin);
    }
}

void Engine::DoTheUpdate(int thisScore) {
    if (thisScore < 0 || thisScore > 6 || !sv.records) return;
    const auto c = static_cast<size_t>(thisScore);
    PrefsRecord& prefs = sv.records->Profile().PlayerPrefs;
    g.GamesPlayedTally = prefs.GamesPlayed[c];
    g.GamesWonTally = prefs.GamesWon[c];
    g.MarginTally = prefs.MarginTotal[c];
    DoTheMath();
    prefs.GamesPlayed[c] = g.GamesPlayedTally;
    prefs.GamesWon[c] = g.GamesWonTally;
    prefs.MarginTotal[c] = g.MarginTally;
}

void Engine::ShowResult(i16 m, bool humanWon) {
    const bool local = g.NetConnected == 0;
    if (humanWon) {
        PlayPersonalitySound(g.CompSounds[14]);
        g.EndMessage = "That was your LAST CARD! OK, so you won!!!  ";
        if (g.CurSideCount != 1) {
            if (local && m < 6) g.EndMessage += "Whew, that was close!";
            if (local && m >= 11) g.EndMessage += g.CurName + " needs" + " more memory...";
            g.EndMessage += "\n";
            g.EndMessage += g.NumPlayers > 2
                                ? "(Your opponents had" + Str(m) + " cards left.)"
                                : "(" + g.CurName + " had" + Str(g.CurSideCount) + " cards left.)";
        } else {
            g.EndMessage += "You beat " + g.CurName + " by one card!";
            if (local) g.EndMessage += " I DEMAND a rematch!";
        }
    } else {
        g.EndMessage =
            "That was the last card, " + g.CurName + " WON with a margin of " + Str(m) + " ! ";
        if (g.HumanSideCount == 1) {
            g.EndMessage += "You ONLY had 1 card left! That was CLOSE!";
        } else {
            if (local && g.HumanSideCount < 6) g.EndMessage += "That was pretty close!";
            if (local && g.HumanSideCount > 11) g.EndMessage += "Were you SLEEPING?";
            g.EndMessage += "\nYou had" + Str(g.HumanSideCount) + " cards left!";
        }
        PlayPersonalitySound(g.CompSounds[15], true);
    }
    Message(1, g.EndMessage);
}

void Engine::WriteProfileStats() {
    DoTheUpdate(0);
    g.Msg = g.PlayerName + "\nGames Won:" + Str(g.GamesWonTally) +
            "\nGames Lost:" + Str(g.GamesPlayedTally - g.GamesWonTally);
    DoTheUpdate(g.Opp[1].Level + 1);
    DoTheUpdate(g.NumPlayers + 2);
    if (!sv.records) return;
    sv.records->StatsSave(2, 0);
    sv.records->StatsSave(4, 5);
    if (!sv.records->SaveProfile() && sv.dialogs)
        sv.dialogs->MsgBox(
            "Your statistics for this game could not be written to your profile.\nThey are kept "
            "for now and will be saved with your profile when it can be written again.",
            mb::Exclamation, "Profile not saved");
}

void Engine::EndNetSession(bool humanWon, const std::string& winner) {
    if (humanWon) g.NetSessionWins = Saturated16(g.NetSessionWins + 1);
    g.NetSessionGames = Saturated16(g.NetSessionGames + 1);
    if (sv.records) sv.records->Scores_Net(humanWon ? "" : winner);
    Message(2, "Your scores this NET session:\n" + std::to_string(g.NetSessionGames) +
                   " games played\n" + Str(g.NetSessionWins) + " wins, " + Str(g.NetSessionMargin) +
                   " margin");
    g.MenusLocked = VbFalse;
    g.ComputerBusy = VbFalse;
    if (g.IsHost == 1) return;
    const bool heard = WaitFor(0, [this] { return g.NetCode == net::GS || g.NetCode == net::LO; });
    if (!heard && !g.StopFlag && (g.NetConnected == 0 || g.NetCode == net::GO)) g.NetConnected = 99;
}

void Engine::Game_End() {
    // Both counts 0: the table was reset, there is no game to end.
    if (g.HumanSideCount == 0 && g.CurSideCount == 0) return;
    const bool humanWon = g.HumanSideCount == 0;
    if (!humanWon && g.CurSideCount != 0) return;  // nobody has emptied a side pile
    g.ComputerBusy = g.MenusLocked = VbTrue;
    if (sv.window) sv.window->StopIdleTimer();
    EnableHuman(false, kFirstHandSlot, kLastHandSlot);
    std::string winner;
    if (!humanWon) {
        GoUpdateOpponents();
        winner = g.CurName;
    }
    if (sv.records) sv.records->StatsCk(humanWon ? 1 : 3, humanWon ? 2 : 4);
    g.Pturn = 0;
    Message(1, " ");
    if (g.NetConnected == 0) Message(2, " ");
    g.EndMessage = " ";
    g.Peeking = VbTrue;
    if (sv.board) sv.board->Peek();
    ShowResult(DoTheMargin(), humanWon);

    if (g.NetConnected == 0) {
        WriteProfileStats();
    } else {
        EndNetSession(humanWon, winner);
        if (g.StopFlag) return;
    }
    g.ComputerBusy = VbFalse;
    if (g.StopFlag) return;
    EnableHuman(true, kFirstHoldSlot, kLastHoldSlot);
    if (!humanWon) EnableHuman(true, kSideSlot, kSideSlot);
    g.MoveCounter = 0;
    if (g.NetConnected == 0 && g.NetCode != net::GO) {
        if (!humanWon && !g.NoWinAnimation) {
            PlayPersonalitySound(g.CompSounds[13]);
            if (sv.window) sv.window->Flash(winner);
            if (g.StopFlag) return;
        }
        Message(2, g.Msg);
        if (sv.window) sv.window->ShowDealButton(true);
        if (humanWon && !g.NoLoseAnimation && sv.window)
            sv.window->AnimateCardsFlow(g.CosmeticRng.Draw1To(2));
    }
    if (g.StopFlag) return;
    g.MenusLocked = VbFalse;
    if (g.NetConnected == 99) g.NetConnected = 0;
}
