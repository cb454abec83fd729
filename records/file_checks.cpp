#include "records/file_checks.h"

#include <cmath>

#include "engine/personality.h"
#include "engine/snapshot_codec.h"
#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "records/high_score_record.h"
#include "records/record_list.h"
#include "records/save_slots.h"
#include "records/score_record.h"
#include "shared/comment_record.h"
#include "shared/pms_record.h"
#include "shared/seat_record.h"

namespace {

struct StartFile {
    const char* rel;
    const char* what;
    const char* lost;
};

constexpr StartFile kStartFiles[] = {
    {"Data/Prefs.sav", "The players' file",
     "every player's profile is lost: each player signs in again as a new player"},
    {"Data/scores.ran", "The statistics file",
     "the statistics of past games and the window's place are lost"},
    {"Data/highscore.ran", "The high-score file", "the high-score lists start empty"},
    {"Data/backup.sav", "The saved-games file", "every saved game is lost"},
};

bool ScoresSound(const std::vector<ScoreRecord>& records) {
    for (const ScoreRecord& r : records)
        if (!IsReadableText(r.Name)) return false;
    return true;
}

bool HighScoresSound(const std::vector<HighScoreRecord>& records) {
    for (const HighScoreRecord& r : records) {
        // A day count from 1899 to well past this century, in whole days.
        const bool date =
            std::isfinite(r.When) && r.When >= 0 && r.When < 1e6 && r.When == std::floor(r.When);
        if (!date || !IsReadableText(r.Name) || r.Side < 0 || r.Hand < 0 || r.Hold < 0 ||
            r.Total < 0)
            return false;
    }
    return true;
}

// A record file is sound when it holds whole records only and each passes its checks.
template <class Record>
bool RecordFileSound(const std::string& path, bool (*sound)(const std::vector<Record>&)) {
    const auto size = ReadableFileSize(path);
    if (!size || *size % Record::kSize != 0) return false;
    const auto records = ReadAllRecords<Record>(path);
    return records && sound(*records);
}

struct RecordFile {
    const char* rel;
    const char* what;
    const char* lost;
    bool (*sound)(const std::string& path);
};

const RecordFile kRecordFiles[] = {
    {"Data/scores.ran", "The statistics file",
     "the statistics of past games, the computer players' best runs and the window's place are "
     "lost",
     [](const std::string& path) { return RecordFileSound<ScoreRecord>(path, ScoresSound); }},
    {"Data/highscore.ran", "The high-score file", "the high-score lists start empty",
     [](const std::string& path) {
         return RecordFileSound<HighScoreRecord>(path, HighScoresSound);
     }},
};

// The player's saved games (slots 1-10 of "Data/backup.sav") that are cut short or fail their
// checks. A slot cut short before the turn's number would otherwise read as empty.
std::vector<int> DamagedSaveSlots(const std::string& path) {
    std::vector<int> slots;
    const auto size = ReadableFileSize(path);
    const auto records = ReadAllRecords<GameStateRecord>(path);
    if (!size || !records) return slots;
    for (size_t k = 1; k <= std::min<size_t>(save_records::kSlots, records->size()); ++k) {
        const GameStateRecord& rec = (*records)[k - 1];
        const bool whole = *size >= k * GameStateRecord::kSize;
        if (whole && !HoldsGame(rec)) continue;
        if (!whole || !ValidateRecord(rec).empty() || !IsReadableText(rec.Title))
            slots.push_back(static_cast<int>(k));
    }
    return slots;
}

std::string SlotList(const std::vector<int>& slots) {
    std::string text;
    for (size_t i = 0; i < slots.size(); ++i)
        text += (i == 0 ? "" : i + 1 == slots.size() ? " and " : ", ") + std::to_string(slots[i]);
    return text;
}

}  // namespace

std::vector<FileNote> MissingStartFiles(const std::string& appFolder) {
    std::vector<FileNote> notes;
    for (const StartFile& f : kStartFiles) {
        const std::string path = JoinPath(appFolder, f.rel);
        const auto size = ReadableFileSize(path);
        if (FileExists(path) && (!size || *size > 0)) continue;
        notes.push_back({path, std::string(f.what) + " " + f.rel +
                                   (FileExists(path) ? " is empty" : " is missing") + ", so " +
                                   f.lost + ". The game makes a new one; nothing else is lost."});
    }
    // A file told missing or empty above is not told again as damaged.
    for (const RecordFile& f : kRecordFiles) {
        const std::string path = JoinPath(appFolder, f.rel);
        const auto size = ReadableFileSize(path);
        if (!FileExists(path) || (size && *size == 0) || f.sound(path)) continue;
        notes.push_back({path, std::string(f.what) + " " + f.rel + " is damaged, so " + f.lost +
                                   ". The game's own copy takes its place; nothing else is lost."});
    }
    return notes;
}

std::vector<FileNote> DamagedFiles(const std::string& appFolder) {
    std::vector<FileNote> notes;
    const std::string pms = JoinPath(appFolder, "Data/PMS");
    for (const std::string& file : ListFiles(pms, ".pms")) {
        PmsRecord record;
        if (ReadPmsFile(JoinPath(pms, file), record)) continue;
        const std::string name = file.substr(0, file.size() - 4);
        const std::string instead = name == kDefaultPersonality
                                        ? name + " plays without remarks or sounds."
                                        : name + " is not offered and " + kDefaultPersonality +
                                              " plays wherever " + name + " was chosen.";
        notes.push_back({JoinPath(pms, file),
                         "The personality file Data/PMS/" + file + " is damaged, so " + instead});
    }
    const std::string saved = JoinPath(appFolder, "Data/backup.sav");
    if (const std::vector<int> slots = DamagedSaveSlots(saved); !slots.empty())
        notes.push_back(
            {saved, "The saved-games file Data/backup.sav is damaged, so the saved " +
                        std::string(slots.size() == 1 ? "game in slot " : "games in slots ") +
                        SlotList(slots) + " cannot be restored. The other saved games are kept."});
    const std::string users = JoinPath(appFolder, "users");
    for (const std::string& file : ListFiles(users, ".cmt")) {
        if (ReadCommentLines(JoinPath(users, file))) continue;
        notes.push_back({JoinPath(users, file),
                         "The comment file users/" + file +
                             " is damaged, so the personalities' own remarks are used in its "
                             "place."});
    }
    return notes;
}
