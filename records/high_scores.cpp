#include "records/high_scores.h"

#include <optional>

#include "records/record_list.h"
#include "records/record_paths.h"
#include "records/score_record.h"

namespace {

constexpr size_t kComputerRunRecord = 10;
constexpr size_t kComputerSideRecord = 11;

// The index in the file's records of the list's first entry.
size_t FirstOf(HighList which) {
    return which == HighList::Runs ? 0 : kHighListSize;
}

bool Failed(std::string* error, const std::string& path) {
    if (error) *error = "cannot read " + path;
    return false;
}

int BrivoPosition(const std::vector<HighScoreRecord>& list) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Name == kComputerHighName) return static_cast<int>(i);
    return -1;
}

// The machine-wide record of the computer players in "Data/scores.ran": a run that does not
// rank at or above it enters nowhere; one that does becomes the new record.
bool BeatsMachineRecord(std::vector<ScoreRecord>& scores, const HighScoreEntry& run) {
    const size_t n = run.list == HighList::Runs ? kComputerRunRecord : kComputerSideRecord;
    if (scores.size() < n) scores.resize(n);
    ScoreRecord& rec = scores[n - 1];
    if (!RanksAtOrAbove(run.list, run.side, run.total, rec.Numbers[0], rec.Numbers[3]))
        return false;
    rec.Numbers = {run.side, run.hand, run.hold, run.total};
    return true;
}

}  // namespace

bool RanksAtOrAbove(HighList list, i16 side, i16 total, i16 entrySide, i16 entryTotal) {
    if (list == HighList::Runs) return total >= entryTotal;
    return side > entrySide || (side == entrySide && total >= entryTotal);
}

int HighScoreRank(const std::vector<HighScoreRecord>& list, HighList which,
                  const HighScoreRecord& entry) {
    for (size_t i = 0; i < list.size(); ++i)
        if (RanksAtOrAbove(which, entry.Side, entry.Total, list[i].Side, list[i].Total))
            return static_cast<int>(i);
    return -1;
}

bool EnterHighScore(std::vector<HighScoreRecord>& list, HighList which,
                    const HighScoreRecord& entry, bool computer) {
    const int k = HighScoreRank(list, which, entry);
    if (k < 0) return false;
    const int old = computer ? BrivoPosition(list) : -1;
    if (old >= 0 && k > old) return false;  // the computer's listed entry ranks higher
    const size_t size = list.size();
    if (old >= 0) list.erase(list.begin() + old);
    list.insert(list.begin() + k, entry);
    list.resize(size);
    return true;
}

bool StatsHigh(const std::string& appFolder, const HighScoreEntry& run,
               const std::string& playerName, double today, std::string* error) {
    std::optional<std::vector<ScoreRecord>> scores;
    if (run.computer) {
        scores = ReadAllRecords<ScoreRecord>(ScoresFilePath(appFolder));
        if (!scores) return Failed(error, ScoresFilePath(appFolder));
        if (!BeatsMachineRecord(*scores, run)) return true;
    }

    const std::string path = HighScoreFilePath(appFolder);
    auto file = ReadAllRecords<HighScoreRecord>(path);
    if (!file) return Failed(error, path);
    if (file->size() < 2 * kHighListSize) file->resize(2 * kHighListSize);
    const auto first = file->begin() + static_cast<long>(FirstOf(run.list));
    std::vector<HighScoreRecord> list(first, first + kHighListSize);

    HighScoreRecord entry;
    entry.When = today;
    entry.Name = run.computer ? kComputerHighName : playerName;
    entry.Side = run.side;
    entry.Hand = run.hand;
    entry.Hold = run.hold;
    entry.Total = run.total;
    if (EnterHighScore(list, run.list, entry, run.computer)) {
        std::copy(list.begin(), list.end(), first);
        if (!WriteAllRecords(path, *file, error)) return false;
    }
    return !scores || WriteAllRecords(ScoresFilePath(appFolder), *scores, error);
}
