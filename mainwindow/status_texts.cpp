#include "mainwindow/status_texts.h"

#include <algorithm>

#include "platform/vb_strings.h"
#include "records/stats.h"

std::string WildText(int side, int hand, i32 screenWidth) {
    const std::string prefix = screenWidth > kNarrowStatusWidth ? "Wild: " : "";
    return prefix + Str(side) + "/" + Str(hand);
}

StatusUpdate ClearedStatus(const Game& g) {
    StatusUpdate u;
    for (int panel = 2; panel <= 8; ++panel) u.texts.emplace_back(panel, "");
    if (g.SampleGamesOn) {
        u.panel5 = StatusUpdate::Sizing::Contents;
        u.texts.emplace_back(1, "Sample Game" + Str(g.SampleGameNumber) + "-  " + g.PlayerName);
    } else {
        u.panel5 = StatusUpdate::Sizing::Spring;
        u.texts.emplace_back(1, g.PlayerName + ":");
    }
    u.texts.emplace_back(5, g.Opp[1].Name + ":");
    u.tips.emplace_back(4, g.PlayerName + ": Side/Hand");
    u.tips.emplace_back(8, " Opponent: Side/Hand");
    return u;
}

StatusUpdate WildStatus(const Game& g, i32 screenWidth) {
    StatusUpdate u;
    u.texts.emplace_back(4, WildText(g.HumanWildSide, g.HumanWildHand, screenWidth));
    u.texts.emplace_back(8, WildText(g.CurWildSide, g.CurWildHand, screenWidth));
    return u;
}

StatusUpdate OppStatus(const Game& g, int opp, const std::array<std::string, 3>& levelNames,
                       i32 screenWidth) {
    StatusUpdate u;
    if (opp < 1 || opp > 3) return u;
    const OpponentRecord& r = g.Opp[opp];
    // The record's second statistics row is its best run of this game.
    StatsTableArray best{};
    best[0] = r.Stats[1];
    u.texts.emplace_back(7, StatsRowText(best, 0, 0));
    u.texts.emplace_back(6, "");
    u.texts.emplace_back(5, r.Name);
    if (g.NetConnected == 0)
        u.tips.emplace_back(5, levelNames[static_cast<size_t>(std::clamp<int>(r.Level, 0, 2))]);
    u.texts.emplace_back(8, WildText(r.WildSide, r.WildHand, screenWidth));
    u.tips.emplace_back(8, r.Name + ": Side/Hand");
    return u;
}

std::string StockCountText(const Game& g) {
    return "STOCK: " + Str(g.StockCount);
}

std::string UsedCountText(const Game& g) {
    return "USED: " + Str(g.UsedCount);
}

std::string CounterGrid(const Game& g) {
    std::string grid;
    const int cards = std::clamp<int>(g.NumCards, 0, kMaxCards);
    int column = 0;
    for (int id = 1; id <= cards; ++id) {
        ++column;
        const i16 mark = g.Deck[2][static_cast<size_t>(id)];
        // The tenth column carries two digits in the header, so it is one character wider.
        const std::string gap = column == 10 ? "  " : " ";
        grid += mark != 0 ? Str(mark) + gap : " _" + gap;
        if (column == 13) {
            grid += "\n ";
            column = 0;
        }
    }
    return grid;
}
