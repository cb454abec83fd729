// The records port's statistics hooks: the play counts of the game in progress, the status-bar
// texts they give and the all-time best runs entered into the high-score lists.
#include "engine/engine.h"
#include "platform/vb_strings.h"
#include "records/game_records.h"
#include "records/high_scores.h"
#include "records/net_scores.h"

StatsFacts GameRecords::CurrentStatsFacts() const {
    return {g.Pturn, g.HumanSideCount == 0, g.CurSideCount == 0, g.NetConnected != 0};
}

void GameRecords::ShowStats(const StatsOutcome& outcome) {
    if (sv.status)
        for (const auto& [panel, text] : outcome.panels) sv.status->SetPanelText(panel, text);
    for (const HighScoreEntry& run : outcome.highScores) {
        std::string error;
        if (StatsHigh(g.AppFolder, run, g.PlayerName, TodayDayCount(), &error)) {
            highScoreFailureShown_ = false;
            continue;
        }
        // Said once until the lists can be written again, not after every game.
        if (!highScoreFailureShown_ && sv.dialogs)
            sv.dialogs->MsgBox(
                "Your new best run could not be entered in the high-score list.\n\n" + error,
                mb::Exclamation, "High Scores");
        highScoreFailureShown_ = true;
    }
    if (outcome.notify && sv.status) sv.status->StatsNotify();
}

void GameRecords::StatsAdd(int slot, int who) {
    ShowStats(::StatsAdd(g.StatsTable, slot, who));
}

void GameRecords::StatsCk(int ckNew, int ckOld) {
    ShowStats(::StatsCk(g.StatsTable, ckNew, ckOld, CurrentStatsFacts()));
}

void GameRecords::StatsSave(int ckNew, int whoSaved) {
    ShowStats(::StatsSave(g.StatsTable, profile_.PlayerPrefs.BestRun, ckNew, whoSaved,
                          CurrentStatsFacts()));
}

void GameRecords::Scores_Net(const std::string& winner) {
    NetGameResult game;
    game.playerName = Trim(g.PlayerName);
    game.players = g.NumPlayers;
    game.competition = CompetitionFile;
    for (int k = 1; k <= 3; ++k) game.opponents[static_cast<size_t>(k)] = Trim(g.Opp[k].Name);
    game.winner = Trim(winner);
    game.humanWon = g.HumanSideCount == 0;
    game.margin = Engine(g, sv).DoTheMargin();
    g.LastMargin = game.margin;
    g.NetSessionMargin =
        Saturated16(g.NetSessionMargin + (game.humanWon ? game.margin : -game.margin));

    const NetScoresOutcome out = ::Scores_Net(g.AppFolder, game);
    if (!sv.dialogs) return;
    if (out.overflowing) sv.dialogs->MsgBox(kGamesWarningText, mb::Information, kGamesWarningTitle);
    if (!out.ok)
        sv.dialogs->MsgBox("This game could not be added to your Internet scores.\n\n" + out.error,
                           mb::Exclamation, "Internet Scores");
}
