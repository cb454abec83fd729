#include "records/net_scores.h"

#include <algorithm>

#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "records/stats.h"

namespace {

constexpr long kHeader = 1;
constexpr long kFirstRow = 2;
// The marker is a 16-bit record number: a file stops growing well before it wraps round.
constexpr long kLastRecord = 32000;

std::string RanPath(const std::string& appFolder, const NetGameResult& game) {
    return JoinPath(appFolder,
                    "users/" + game.playerName + "_" + std::to_string(game.players) + ".ran");
}

ScoreRecord Header(const std::string& owner) {
    ScoreRecord h;
    h.Name = owner;
    h.Numbers = {0, 0, 0, 1};
    return h;
}

using Rows = std::vector<ScoreRecord>;

// Record `n` (from 1); a record past the end reads as an empty row.
ScoreRecord Get(const Rows& file, long n) {
    return n >= 1 && n <= static_cast<long>(file.size()) ? file[static_cast<size_t>(n - 1)]
                                                         : ScoreRecord{};
}

void Put(Rows& file, long n, const ScoreRecord& row) {
    if (n > static_cast<long>(file.size())) file.resize(static_cast<size_t>(n));
    file[static_cast<size_t>(n - 1)] = row;
}

// One game into a row's games, wins and margin total; the counts stop at the 16-bit limits.
void CountGame(ScoreRecord& row, bool won, i16 margin, bool& overflowing) {
    row.Numbers[0] = Saturated16(row.Numbers[0] + 1);
    if (row.Numbers[0] > kGamesWarningCount) overflowing = true;
    if (won) row.Numbers[1] = Saturated16(row.Numbers[1] + 1);
    row.Numbers[2] = Saturated16(row.Numbers[2] + (won ? margin : -margin));
}

// Two players: the opponent's row (found by name, ignoring case) or a new one after the marker.
long TwoPlayerRow(const Rows& file, long marker, const std::string& opponent) {
    if (marker < kFirstRow) return kFirstRow;
    for (long n = kFirstRow; n <= marker; ++n)
        if (UCase(Get(file, n).Name) == UCase(opponent)) return n;
    return marker + 1;
}

// Three or four players: the first group whose opponent rows all name current opponents, or 0.
long MatchingGroup(const Rows& file, long marker, const NetGameResult& game) {
    for (long g = kFirstRow; g <= marker; g += game.players) {
        bool all = true;
        for (long n = g + 1; n < g + game.players && all; ++n)
            all = IsPersonalityName(Get(file, n).Name, game.opponents, game.players);
        if (all) return g;
    }
    return 0;
}

}  // namespace

bool IsPersonalityName(const std::string& name, const std::array<std::string, 4>& opponents,
                       int players) {
    const int last = players == 4 ? 3 : 2;
    for (int k = 1; k <= last; ++k)
        if (name == Trim(opponents[static_cast<size_t>(k)])) return true;
    return false;
}

std::string NetScoreFilePath(const std::string& appFolder, const NetGameResult& game) {
    if (game.competition.empty()) return RanPath(appFolder, game);
    return JoinPath(appFolder, "users/" + game.playerName + "_" + std::to_string(game.players) +
                                   "_" + game.competition + ".rcm");
}

bool Scores_NetOpen(const std::string& path, const std::string& owner, std::string* error) {
    return WriteAllRecords(path, Rows{Header(owner)}, error);
}

NetScoresOutcome Scores_Net(const std::string& appFolder, const NetGameResult& game) {
    NetScoresOutcome out;
    auto fail = [&out](std::string why) {
        out.ok = false;
        out.error = std::move(why);
        return out;
    };
    if (HasBadFileChars(game.playerName) ||
        (!game.competition.empty() && HasBadFileChars(game.competition)))
        return fail("The player or competition name cannot name a score file.");
    if (game.players < 2 || game.players > 4)
        return fail("A score file is kept for 2 to 4 players.");

    const std::string ran = RanPath(appFolder, game);
    if (!FileExists(ran)) {
        if (!Scores_NetOpen(ran, game.playerName, &out.error)) return fail(out.error);
        out.ranFileCreated = true;
    }
    const std::string path = NetScoreFilePath(appFolder, game);
    auto file = ReadAllRecords<ScoreRecord>(path);
    if (!file) return fail("cannot read " + path);
    if (file->empty()) file->push_back(Header(game.playerName));

    ScoreRecord header = Get(*file, kHeader);
    long marker = header.Numbers[3];
    if (game.players == 2) {
        const long n = TwoPlayerRow(*file, marker, game.opponents[1]);
        if (n > kLastRecord) return fail("The score file is full: please clear it.");
        marker = std::max(marker, n);
        ScoreRecord row = Get(*file, n);
        CountGame(row, game.humanWon, game.margin, out.overflowing);
        row.Name = game.opponents[1];
        row.Numbers[3] = static_cast<i16>(marker);
        Put(*file, n, row);
    } else {
        long group = marker < kFirstRow ? 0 : MatchingGroup(*file, marker, game);
        const bool known = group != 0;
        if (!known) group = marker < kFirstRow ? kFirstRow : marker + game.players;
        if (group + game.players - 1 > kLastRecord)
            return fail("The score file is full: please clear it.");
        marker = std::max(marker, group);
        for (int k = 0; k < game.players; ++k) {
            ScoreRecord row = known ? Get(*file, group + k) : ScoreRecord{};
            if (k == 0) row.Name = game.playerName;
            if (row.Name.empty()) row.Name = Trim(game.opponents[static_cast<size_t>(k)]);
            const bool won = k == 0 ? game.humanWon : row.Name == game.winner;
            CountGame(row, won, game.margin, out.overflowing);
            row.Numbers[3] = static_cast<i16>(marker);
            Put(*file, group + k, row);
        }
    }
    CountGame(header, game.humanWon, game.margin, out.overflowing);
    header.Numbers[3] = static_cast<i16>(marker);
    Put(*file, kHeader, header);
    if (!WriteAllRecords(path, *file, &out.error)) return fail(out.error);
    return out;
}
