#include "records/profiles.h"

#include <algorithm>

#include "platform/record_file.h"
#include "platform/vb_strings.h"
#include "records/record_list.h"
#include "records/record_paths.h"
#include "records/sign_in.h"
#include "shared/record_io.h"

namespace {

constexpr const char* kProblemTitle = "Player Profile";
constexpr const char* kDamagedText =
    "Part of the players' file is damaged: a player's profile in it cannot be read, so that "
    "player is not offered.";
constexpr const char* kCutText =
    "The players' file is cut short: the last player's profile in it is incomplete, so that "
    "player is not offered.";
constexpr const char* kTemplateText =
    "The settings that new players start with are damaged in the players' file: new players "
    "start with the game's own.";
constexpr const char* kKeptText = "Every other player is kept as before.";

bool SameName(const std::string& a, const std::string& b) {
    return !Trim(a).empty() && UCase(Trim(a)) == UCase(Trim(b));
}

RecordBuffer Encoded(const PrefsRecord& p) {
    RecordBuffer buf(PrefsRecord::kSize);
    p.Encode(buf);
    return buf;
}

using Profiles_ = std::vector<PrefsRecord>;

// The record (from 2) of the file's records that holds `name`, or 0.
long RecordOfPlayer(const Profiles_& file, const std::string& name) {
    for (size_t i = 1; i < file.size(); ++i)
        if (SameName(file[i].Seats[0].Name, name)) return static_cast<long>(i + 1);
    return 0;
}

// Every text of the record is text; a record with one that is not is damaged.
bool IsReadable(const PrefsRecord& p) {
    return std::ranges::all_of(p.Seats, [](const SeatRecord& s) {
        return NameIsText(s.Name) && NameIsText(s.Avatar) && NameIsText(s.Comments);
    });
}

// A damaged record's name is no name: it is neither offered nor matched.
std::string ReadableName(const PrefsRecord& p) {
    return IsReadable(p) ? p.Seats[0].Name : std::string();
}

// Every record after the header is a player's, whatever the header says; a damaged one keeps
// its place in the list with an empty name.
std::vector<std::string> PlayerNames(const Profiles_& file) {
    std::vector<std::string> names;
    for (size_t i = 1; i < file.size(); ++i) names.push_back(ReadableName(file[i]));
    return names;
}

void KeepUnsavedStats(const PrefsRecord& memory, PrefsRecord& rec) {
    rec.GamesPlayed = memory.GamesPlayed;
    rec.GamesWon = memory.GamesWon;
    rec.MarginTotal = memory.MarginTotal;
    rec.BestRun = memory.BestRun;
}

}  // namespace

std::string Profiles::PrefsPath() const {
    return PrefsFilePath(appFolder_);
}

void Profiles::Report(const std::string& what, const std::string& error) {
    target_.ReportProblem(what + "\n\n" + error, kProblemTitle);
}

int Profiles::FindKnownPlayer(const std::string& name) const {
    for (int i = 0; i < ps_.KnownPlayerCount(); ++i)
        if (SameName(ps_.KnownPlayers[static_cast<size_t>(i)], name)) return i;
    return -1;
}

PrefsRecord Profiles::FreshTemplate() const {
    PrefsRecord fresh;
    if (!shippedFolder_.empty()) {
        const auto shipped = ReadAllRecords<PrefsRecord>(PrefsFilePath(shippedFolder_));
        if (shipped && !shipped->empty() && IsReadable(shipped->front())) fresh = shipped->front();
    }
    fresh.Seats[0].Name.clear();
    return fresh;
}

std::optional<std::vector<PrefsRecord>> Profiles::ReadPlayersFile() {
    auto file = ReadAllRecords<PrefsRecord>(PrefsPath());
    if (!file) return std::nullopt;
    // A record the file holds only part of loses its name: it keeps its place, and once the
    // file is written whole it is still never taken for the player's profile.
    const auto size = ReadableFileSize(PrefsPath());
    const bool cut = size && *size % PrefsRecord::kSize != 0;
    if (cut) file->back().Seats[0].Name.clear();
    const bool damaged = std::any_of(file->begin() + (file->empty() ? 0 : 1), file->end(),
                                     [](const PrefsRecord& p) { return !IsReadable(p); });
    const bool badHeader =
        file->empty() || !IsReadable(file->front()) || (cut && file->size() == 1);
    if (file->empty()) file->emplace_back();
    if (badHeader) file->front() = FreshTemplate();

    std::string text;
    for (const auto& [found, what] : {std::pair{damaged, kDamagedText}, std::pair{cut, kCutText},
                                      std::pair{badHeader && size.value_or(0) > 0, kTemplateText}})
        if (found) text += std::string(text.empty() ? "" : "\n\n") + what;
    if (!text.empty() && !toldDamaged_) {
        toldDamaged_ = true;
        Report(text + "\n\n" + kKeptText, PrefsPath());
    }
    return file;
}

bool Profiles::ReadPlayerNames() {
    auto file = ReadPlayersFile();
    if (!file) {
        Report("The list of players could not be read.", PrefsPath());
        return false;
    }
    ps_.LastPlayerName = file->front().Seats[0].Name;
    ps_.KnownPlayers = PlayerNames(*file);
    return true;
}

bool Profiles::Get_Players() {
    ps_.PlayerRecNum = 1;
    if (!ReadPlayerNames()) return false;
    if (!ps_.LastPlayerName.empty()) {
        const auto at =
            std::find(ps_.KnownPlayers.begin(), ps_.KnownPlayers.end(), ps_.LastPlayerName);
        if (at != ps_.KnownPlayers.end()) {
            ps_.PlayerRecNum = static_cast<i16>(at - ps_.KnownPlayers.begin() + 2);
            ps_.ProfileLoaded = true;
        }
    }
    return ApplyPlayerPrefs(ps_.PlayerRecNum);
}

bool Profiles::ApplyPlayerPrefs(int recNum) {
    const TableCounts previous = target_.Counts();
    const ProfileSurroundings env = target_.Surroundings();
    auto all = ReadPlayersFile();
    if (recNum < 1 || !all) {
        Report("Your profile could not be read, so your settings stay as they are.", PrefsPath());
        return false;
    }
    // Past the end a record reads as a fresh one would; a damaged header is never applied.
    PrefsRecord p;
    if (recNum <= static_cast<int>(all->size())) p = (*all)[static_cast<size_t>(recNum - 1)];
    const RecordBuffer asRead = Encoded(p);
    CorrectProfile(p, {appFolder_, env.lowColour, env.screenWidthTw, env.screenHeightTw});
    const WorkingPrefs w = WorkingFromRecord(p);
    ps_.PlayerPrefs = p;

    target_.TakeWorkingPrefs(w);
    if (env.startingUp && !w.NoIntro) target_.PlayIntro();
    target_.ShowPlayerLooks(w, env.startingUp);
    target_.PrepareBoard(!env.gameOnTable && !env.netGameSetUp, env.startingUp);
    target_.SeatOpponents(ps_.PlayerPrefs.Seats);
    target_.ShowLevel(LevelCaption(ps_.PlayerPrefs.Seats[1].Level));

    // The corrections are stored, so the next start reads a sound record; the file is written
    // whole, as checked, so that a record cut short stays nameless.
    std::string error;
    const RecordBuffer corrected = Encoded(ps_.PlayerPrefs);
    if (!std::ranges::equal(corrected.bytes(), asRead.bytes())) {
        if (recNum > static_cast<int>(all->size())) all->resize(static_cast<size_t>(recNum));
        (*all)[static_cast<size_t>(recNum - 1)] = ps_.PlayerPrefs;
        if (!WriteAllRecords(PrefsPath(), *all, &error))
            Report("The corrections to your profile could not be saved; they are used for now.",
                   error);
    }

    target_.PrepareTable(ps_.PlayerPrefs.BestRun);
    target_.LayOutTable(previous, {w.NumPlayers, w.NumCenters});
    target_.ShowTableNames();
    return true;
}

void Profiles::ApplyDisplayPrefs() {
    const ProfileSurroundings env = target_.Surroundings();
    const WorkingPrefs w = target_.CurrentWorkingPrefs();
    const int count = std::max(env.backgroundCount, 0);
    const int plain = count + 1;

    DisplayPrefs d;
    d.clearBoard = Trim(w.PlayerName) != Trim(ps_.LastPlayerName) && !env.gameOnTable;
    d.backgroundChoice = std::max<i16>(w.BackgroundChoice, 0);
    if (d.backgroundChoice == 0 && env.lowColour) d.backgroundChoice = static_cast<i16>(plain);
    int index = d.backgroundChoice;
    if (index == 0) index = env.defaultBackground > 0 ? env.defaultBackground : 1;
    // Without background pictures even the default one is the plain mat.
    if (index > count) index = plain;
    d.backgroundIndex = static_cast<i16>(index);
    d.showPicture = index >= 1 && index <= count;
    d.movePause = MovePauseFor(w.SpeedLevel, d.movePause);
    d.fontColor = w.FontColor;
    d.fontSize = w.FontSize;
    d.redrawTable = !env.startingUp;
    target_.ShowDisplay(d);
}

bool Profiles::OpenPlayerPrefs(bool load) {
    auto file = ReadPlayersFile();
    if (!file) {
        Report("Your profile could not be read, so it was not saved.", PrefsPath());
        return false;
    }
    PrefsRecord& header = file->front();
    header.Seats[0].Name = ps_.LastPlayerName;

    if (ps_.ProfileLoaded) {
        // The player's record is found by name: should the records have moved since it was
        // read, another player's record is never written over.
        long n = ps_.PlayerRecNum;
        const bool stillThere =
            n >= 2 && n <= static_cast<long>(file->size()) &&
            SameName((*file)[static_cast<size_t>(n - 1)].Seats[0].Name, ps_.LastPlayerName);
        if (!stillThere) n = RecordOfPlayer(*file, ps_.LastPlayerName);
        if (n == 0) {
            Report("Your profile was not found in the players' file, so it was not saved.",
                   PrefsPath());
            return false;
        }
        PrefsRecord& rec = (*file)[static_cast<size_t>(n - 1)];
        // The seats the setup windows changed live in the copy in memory.
        rec.Seats = ps_.PlayerPrefs.Seats;
        StoreWorking(target_.CurrentWorkingPrefs(), rec);
        rec.Seats[0].Name = ps_.LastPlayerName;
        if (ps_.StatsUnsaved) KeepUnsavedStats(ps_.PlayerPrefs, rec);
        ps_.PlayerRecNum = static_cast<i16>(n);
        ps_.PlayerPrefs = rec;
    } else if (ps_.PlayerRecNum >= 2) {
        // A new player: a copy of the template, always added after the last record.
        // A copy first: adding to the list may move the header it refers to.
        const PrefsRecord fresh = header;
        file->push_back(fresh);
        ps_.PlayerRecNum = static_cast<i16>(file->size());
        ps_.PlayerPrefs = fresh;
    } else {
        target_.Beep();  // nobody signed in: only the header is written
    }

    std::string error;
    if (!WriteAllRecords(PrefsPath(), *file, &error)) {
        Report("Your profile could not be saved.", error);
        return false;
    }
    ps_.StatsUnsaved = false;
    ps_.KnownPlayers = PlayerNames(*file);
    if (!load) return true;
    if (!ApplyPlayerPrefs(ps_.PlayerRecNum)) return false;
    ApplyDisplayPrefs();
    return true;
}

SignInResult Profiles::SignIn(const std::string& typed) {
    const std::string name = StoredPlayerName(typed);
    // Whatever is on the table, the previous player's changed settings are kept.
    if (name != Trim(ps_.LastPlayerName) && ps_.ProfileLoaded && !OpenPlayerPrefs(false))
        return SignInResult::Failed;

    const ProfileState before = ps_;
    SignInResult result = SignInResult::Failed;
    const int known = FindKnownPlayer(name);
    if (known >= 0) {
        const std::string stored = ps_.KnownPlayers[static_cast<size_t>(known)];
        ps_.ProfileLoaded = true;
        if (stored == Trim(ps_.LastPlayerName)) return SignInResult::SameAsBefore;
        ps_.PlayerRecNum = static_cast<i16>(known + 2);
        target_.CloseMoveHistory();
        if (ApplyPlayerPrefs(ps_.PlayerRecNum)) {
            ApplyDisplayPrefs();
            ps_.LastPlayerName = stored;
            result = SignInResult::Loaded;
        }
    } else {
        ps_.ProfileLoaded = false;
        ps_.LastPlayerName = name;
        ps_.PlayerRecNum = static_cast<i16>(ps_.KnownPlayerCount() + 2);
        if (OpenPlayerPrefs(true)) result = SignInResult::Created;
        ps_.ProfileLoaded = true;
    }
    // A profile that could not be read or made leaves the previous player signed in, so that
    // their settings are never saved into someone else's record.
    if (result == SignInResult::Failed) {
        const std::vector<std::string> names = ps_.KnownPlayers;
        ps_ = before;
        ps_.KnownPlayers = names;
    }
    return result;
}
