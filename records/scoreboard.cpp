#include "records/scoreboard.h"

#include <limits>

#include "platform/vb_strings.h"
#include "records/sign_in.h"

namespace {

bool Fits(long v) {
    return v >= std::numeric_limits<i16>::min() && v <= std::numeric_limits<i16>::max();
}

}  // namespace

Scoreboard BuildScoreboard(const std::vector<PrefsRecord>& profiles, bool friends) {
    Scoreboard board;
    board.computer.name = friends ? "Brivo (& friends)" : "Brivo";
    long games = 0, wins = 0, losses = 0, margin = 0;
    for (size_t i = 1; i < profiles.size(); ++i) {
        const PrefsRecord& p = profiles[i];
        const std::string name = Trim(p.Seats[0].Name);
        // A damaged record (its name is not text) is no player's.
        if (name.empty() || !NameIsText(name)) continue;
        const int g = p.GamesPlayed[0], w = p.GamesWon[0], m = p.MarginTotal[0];
        board.players.push_back({static_cast<int>(i + 1), name, g, w, g - w, m});
        games += g;
        wins += g - w;
        losses += w;
        margin -= m;
        if (!Fits(games) || !Fits(wins) || !Fits(losses) || !Fits(margin)) {
            board.overflow = true;
            return board;
        }
    }
    board.computer.games = static_cast<int>(games);
    board.computer.wins = static_cast<int>(wins);
    board.computer.losses = static_cast<int>(losses);
    board.computer.margin = static_cast<int>(margin);
    return board;
}

std::array<StatsLine, kStatRows> StatsLinesOf(const PrefsRecord& profile) {
    std::array<StatsLine, kStatRows> lines;
    for (int r = 0; r < kStatRows; ++r) {
        const int g = profile.GamesPlayed[r], w = profile.GamesWon[r];
        lines[r] = {g, w, g - w, profile.MarginTotal[r]};
    }
    return lines;
}

std::array<RunLine, 4> RunLinesOf(const BestRunTable& bestRun, const GameStatsTable& stats) {
    // Grid rows: computer best run, computer best side, player best run, player best side.
    constexpr int kAllTimeRow[4] = {2, 3, 0, 1};
    constexpr int kGameRow[4] = {4, 4, 2, 2};
    constexpr int kGameColumn[4] = {0, 3, 0, 3};
    std::array<RunLine, 4> lines;
    for (int r = 0; r < 4; ++r) {
        RunLine& line = lines[r];
        for (int c = 0; c < 3; ++c) {
            line.allTime[c] = bestRun[kAllTimeRow[r]][c];
            line.current[c] = stats[kGameRow[r]][kGameColumn[r] + c];
            line.allTime[3] += line.allTime[c];
            line.current[3] += line.current[c];
        }
    }
    return lines;
}

std::array<HighScoreLine, 10> HighScoreLinesOf(const std::vector<HighScoreRecord>& file,
                                               int first) {
    std::array<HighScoreLine, 10> lines;
    for (int k = 0; k < 10; ++k) {
        HighScoreLine& line = lines[k];
        line.rank = k + 1;
        const size_t index = static_cast<size_t>(first - 1 + k);
        if (index >= file.size()) continue;
        const HighScoreRecord& r = file[index];
        if (r.When == 0) continue;
        line.dated = true;
        line.when = r.When;
        line.name = Trim(r.Name);
        line.figures = {r.Side, r.Hand, r.Hold, r.Total};
    }
    return lines;
}
