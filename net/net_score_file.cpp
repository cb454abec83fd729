#include "net/net_score_file.h"

#include <algorithm>

#include "net/name_compare.h"
#include "platform/vb_strings.h"
#include "records/record_list.h"
#include "records/score_record.h"

namespace {

using RawScore = RawRecord<ScoreRecord::kSize>;

constexpr int kMarker = 3;  // the fourth number of the header: the file's position marker

std::optional<std::vector<RawScore>> Load(const std::string& path, std::string* error) {
    auto records = ReadAllRecords<RawScore>(path);
    if (!records && error) *error = "cannot read " + path;
    return records;
}

long MarkerOf(const std::vector<RawScore>& records) {
    return records.empty() ? 0 : records[0].As<ScoreRecord>().Numbers[kMarker];
}

void SetMarker(std::vector<RawScore>& records, long marker) {
    records[0].bytes.SetI16(30 + 2 * kMarker, static_cast<i16>(marker));
}

NetScoreRow RowOf(const RawScore& raw, long record) {
    const ScoreRecord r = raw.As<ScoreRecord>();
    NetScoreRow row;
    row.name = r.Name;
    row.played = r.Numbers[0];
    row.won = r.Numbers[1];
    row.lost = row.played - row.won;
    row.margin = r.Numbers[2];
    row.record = record;
    return row;
}

NetScoreChange Write(const std::string& path, const std::vector<RawScore>& records) {
    NetScoreChange change;
    change.ok = WriteAllRecords(path, records, &change.error);
    return change;
}

NetScoreChange Unreadable(const std::string& error) {
    return {false, false, error};
}

}  // namespace

std::optional<std::vector<NetScoreRow>> ReadNetScoreRows(const std::string& path, int players,
                                                         std::string* error) {
    auto records = Load(path, error);
    if (!records) return std::nullopt;
    const long count = static_cast<long>(records->size());
    const long marker = MarkerOf(*records);
    std::vector<NetScoreRow> rows;
    if (players <= 2) {
        for (long r = 2; r <= std::min(marker, count); ++r)
            rows.push_back(RowOf((*records)[r - 1], r));
        std::stable_sort(rows.begin(), rows.end(), [](const NetScoreRow& a, const NetScoreRow& b) {
            return UCase(a.name) < UCase(b.name);
        });
        return rows;
    }
    const long last = std::min(marker + players - 1, count);
    for (long r = 2; r <= last; ++r) {
        rows.push_back(RowOf((*records)[r - 1], r));
        if ((r - 1) % players == 0) {
            NetScoreRow separator;
            separator.separator = true;
            rows.push_back(separator);
        }
    }
    return rows;
}

NetScoreChange DeleteNetOpponent(const std::string& path, const std::string& name) {
    std::string error;
    auto records = Load(path, &error);
    if (!records) return Unreadable(error);
    const long marker = MarkerOf(*records);
    const long last = std::min(marker, static_cast<long>(records->size()));
    for (long r = 2; r <= last; ++r) {
        if (!SameName((*records)[r - 1].As<ScoreRecord>().Name, name)) continue;
        records->erase(records->begin() + (r - 1));
        records->push_back(RawScore{});
        SetMarker(*records, marker - 1);
        return Write(path, *records);
    }
    return {true, true, ""};
}

NetScoreChange DeleteNetGroup(const std::string& path, int players, long first) {
    std::string error;
    auto records = Load(path, &error);
    if (!records) return Unreadable(error);
    const long marker = MarkerOf(*records);
    const long end = first + players - 1;
    if (players < 3 || first < 2 || (first - 2) % players != 0 || first > marker ||
        end > static_cast<long>(records->size()))
        return {true, true, ""};
    records->erase(records->begin() + (first - 1), records->begin() + end);
    // An empty file's marker is 1, as a new file starts.
    SetMarker(*records, std::max(marker - players, 1L));
    return Write(path, *records);
}
