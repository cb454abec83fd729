#include "net/net_avatars.h"

#include "net/name_compare.h"
#include "platform/file_util.h"
#include "records/record_list.h"
#include "shared/profile_state.h"
#include "shared/seat_record.h"

namespace {

using RawSeat = RawRecord<SeatRecord::kSize>;

std::string AvtPath(const std::string& appFolder, const std::string& player) {
    return JoinPath(appFolder, "users/" + player + ".avt");
}

// The record's place (from 0) of `opponent`, or -1.
int Find(const std::vector<RawSeat>& records, const std::string& opponent) {
    const std::string wanted = StoredPlayerName(opponent);
    for (size_t i = 0; i < records.size(); ++i)
        if (SameName(records[i].As<SeatRecord>().Name, wanted)) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::optional<KeptOpponent> LoadNetAvatar(const std::string& appFolder, const std::string& player,
                                          const std::string& opponent) {
    if (HasBadFileChars(player) || StoredPlayerName(opponent).empty()) return std::nullopt;
    auto records = ReadAllRecords<RawSeat>(AvtPath(appFolder, player));
    if (!records) return std::nullopt;
    const int at = Find(*records, opponent);
    if (at < 0) return std::nullopt;
    const SeatRecord seat = (*records)[static_cast<size_t>(at)].As<SeatRecord>();
    KeptOpponent kept;
    if (IsPlainFileName(seat.Avatar) && FileExists(JoinPath(appFolder, "Avatars/" + seat.Avatar)))
        kept.avatar = seat.Avatar;
    kept.comments = seat.Comments;
    return kept;
}

bool SaveNetAvatar(const std::string& appFolder, const std::string& player,
                   const std::string& opponent, const std::string& avatar,
                   const std::string& comments, std::string* error) {
    if (HasBadFileChars(player) || StoredPlayerName(opponent).empty()) {
        if (error) *error = "no player or opponent to keep a picture for";
        return false;
    }
    const std::string path = AvtPath(appFolder, player);
    auto records = ReadAllRecords<RawSeat>(path);
    if (!records) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    int at = Find(*records, opponent);
    SeatRecord seat;
    if (at < 0) {
        seat.Name = StoredPlayerName(opponent);
        records->emplace_back();
        at = static_cast<int>(records->size()) - 1;
    } else {
        seat = (*records)[static_cast<size_t>(at)].As<SeatRecord>();
    }
    seat.Avatar = avatar;
    seat.Comments = comments;
    seat.Encode((*records)[static_cast<size_t>(at)].bytes);
    return WriteAllRecords(path, *records, error);
}
