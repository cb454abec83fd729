#include "records/file_checks.h"

#include "engine/personality.h"
#include "platform/file_util.h"
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
};

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
