#include "records/stats.h"

#include "platform/vb_strings.h"

namespace {

using Row = std::array<i16, 6>;

int Sum3(const Row& row, int first) {
    return row[first] + row[first + 1] + row[first + 2];
}

void Bump(i16& count) {
    count = Saturated16(count + 1);
}

// The panel of the side whose run is checked: 6 the computer's, 2 the player's (the player's
// wins when both rules hold, as when the player's last card ends a computer's turn).
int PanelFor(const StatsFacts& f) {
    int p = 2;
    if (f.pturn >= 2 || f.oppSideEmpty) p = 6;
    if (f.pturn == 1 || f.humanSideEmpty) p = 2;
    return p;
}

// Only the all-time rows are entered into the high-score lists.
bool IsRecordsRow(int row) {
    return row == stats_row::kPlayerRecords || row == stats_row::kComputerRecords;
}

bool ValidRow(int row) {
    return row >= 0 && row <= 5;
}

HighScoreEntry EntryOf(const Row& row, int first, HighList list, bool computer) {
    return {list,           computer,       row[first],
            row[first + 1], row[first + 2], Saturated16(Sum3(row, first))};
}

}  // namespace

std::string StatsRowText(const StatsTableArray& table, int row, int firstColumn) {
    const Row& r = table[row];
    std::string text;
    for (int c = firstColumn; c < firstColumn + 3; ++c) text += Str(r[c]) + "-";
    return text + " [" + Str(Sum3(r, firstColumn)) + " ]";
}

StatsOutcome StatsAdd(StatsTableArray& table, int slot, int who) {
    StatsOutcome out;
    if (!ValidRow(who)) return out;
    Row& r = table[who];
    if (slot == 1) {
        Bump(r[0]), Bump(r[3]);
    } else if (slot >= 2 && slot <= 6) {
        Bump(r[1]), Bump(r[4]);
    } else if (slot >= 7 && slot <= 10) {
        Bump(r[2]), Bump(r[5]);
    }
    out.panels.emplace_back(who == 1 ? 2 : 6, StatsRowText(table, who, 0));
    return out;
}

StatsOutcome StatsCk(StatsTableArray& table, int ckNew, int ckOld, const StatsFacts& facts) {
    StatsOutcome out;
    if (!ValidRow(ckNew) || !ValidRow(ckOld)) return out;
    const int p = PanelFor(facts);
    const bool atEnd = facts.pturn == 0;
    const bool enterHigh = atEnd && !facts.netConnected && IsRecordsRow(ckOld);
    const bool computer = ckOld == stats_row::kComputerRecords;
    Row& fresh = table[ckNew];
    Row& best = table[ckOld];

    const int newSum = Sum3(fresh, 0);
    if (newSum == 0) {
        if (!atEnd) out.panels.emplace_back(p, StatsRowText(table, ckNew, 0));
        return out;
    }
    if (newSum > Sum3(best, 0)) {  // a tie keeps the record
        for (int c = 0; c < 3; ++c) best[c] = fresh[c];
        if (!atEnd) out.panels.emplace_back(p + 1, StatsRowText(table, ckOld, 0));
        if (enterHigh) {
            out.highScores.push_back(EntryOf(best, 0, HighList::Runs, computer));
            out.notify = true;
        }
    }
    if ((fresh[3] != 0 || best[3] != 0) && fresh[3] >= best[3]) {
        const bool better = fresh[3] > best[3] || Sum3(fresh, 3) >= Sum3(best, 3);
        if (better) {
            for (int c = 3; c < 6; ++c) best[c] = fresh[c];
            if (enterHigh) {
                out.highScores.push_back(EntryOf(best, 3, HighList::SideRuns, computer));
                out.notify = true;
            }
        }
    }
    if (!atEnd) {
        out.panels.emplace_back(p, StatsRowText(table, ckNew, 0));
        fresh.fill(0);
    }
    return out;
}

StatsOutcome StatsSave(StatsTableArray& table, BestRunArray& bestRun, int ckNew, int whoSaved,
                       const StatsFacts& facts) {
    if (!ValidRow(whoSaved)) return {};
    Row& saved = table[whoSaved];
    if (whoSaved == 0)
        for (int c = 0; c < 3; ++c) saved[c] = bestRun[0][c], saved[c + 3] = bestRun[1][c];
    StatsOutcome out = StatsCk(table, ckNew, whoSaved, facts);
    const int runRow = whoSaved == 0 ? 0 : 2;
    for (int c = 0; c < 3; ++c) {
        bestRun[runRow][c] = saved[c];
        bestRun[runRow + 1][c] = saved[c + 3];
    }
    return out;
}

void ChangeBestRun(StatsTableArray& table, const BestRunArray& bestRun) {
    for (int c = 0; c < 3; ++c) {
        table[0][c] = bestRun[0][c];
        table[0][c + 3] = bestRun[1][c];
        table[5][c] = bestRun[2][c];
        table[5][c + 3] = bestRun[3][c];
    }
}
