#include "net/net_score_tables.h"

#include <algorithm>
#include <filesystem>

#include "net/competitions.h"
#include "net/name_compare.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/folder_lists.h"

namespace {

constexpr const char* kDefaultScoreFile = "Default Score File";

std::string OwnerOf(const std::string& entry) {
    return Trim(entry.substr(0, entry.size() - 2));
}

// A score file's name ends in "_2", "_3" or "_4", the player count of its games.
bool IsScoreEntry(const std::string& entry) {
    return entry.size() > 2 && entry[entry.size() - 2] == '_' && entry.back() >= '2' &&
           entry.back() <= '4' && !OwnerOf(entry).empty();
}

}  // namespace

bool NetScoreTables::Open() {
    ListEntries();
    if (entries_.empty()) return false;
    const std::string mine = Trim(player_) + "_2";
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const std::string& e) { return SameName(e, mine); });
    ShowEntry(it == entries_.end() ? 0 : static_cast<size_t>(it - entries_.begin()));
    return true;
}

void NetScoreTables::ListEntries() {
    entries_.clear();
    for (std::string& entry : ListScoreFiles(app_))
        if (IsScoreEntry(entry)) entries_.push_back(std::move(entry));
}

void NetScoreTables::ShowEntry(size_t entry) {
    entry_ = entry;
    owner_ = OwnerOf(entries_[entry]);
    // The entry's own table: the two-player one first when the owner has one (it is listed
    // first), else the table the entry holds, so that what is shown is what Delete File deletes.
    players_ = entries_[entry].back() - '0';
    ResetScoreFiles();
    Redraw();
}

void NetScoreTables::ResetScoreFiles() {
    scoreFiles_ = {kDefaultScoreFile};
    for (std::string& name : GetCompetitionFiles(app_, owner_))
        scoreFiles_.push_back(std::move(name));
    scoreFile_ = 0;
}

std::string NetScoreTables::ShownPath() const {
    const std::string base = "users/" + owner_ + "_" + std::to_string(players_);
    if (scoreFile_ == 0) return JoinPath(app_, base + ".ran");
    return JoinPath(app_, base + "_" + scoreFiles_[static_cast<size_t>(scoreFile_)] + ".rcm");
}

void NetScoreTables::Redraw() {
    ClearSelection();
    if (players_ == 2 && scoreFile_ == 0) label_ = "Quorvane Player: " + owner_;
    std::string error;
    auto rows = ReadNetScoreRows(ShownPath(), players_, &error);
    rows_ = rows ? std::move(*rows) : std::vector<NetScoreRow>{};
    if (!rows) Failed("This score file cannot be read.", error);
}

void NetScoreTables::Failed(const std::string& what, const std::string& error) {
    dialogs_.MsgBox(what + "\n\n" + error, mb::OkOnly | mb::Exclamation, "Quorvane");
}

void NetScoreTables::ChoosePlayers(int index) {
    if (index < 0 || index > 2) return;
    players_ = index + 2;
    ResetScoreFiles();
    Redraw();
}

void NetScoreTables::ChooseCompetition(int index) {
    if (index < 0 || index >= static_cast<int>(scoreFiles_.size())) return;
    scoreFile_ = index;
    Redraw();
}

void NetScoreTables::Next() {
    const size_t n = entries_.size();
    for (size_t i = 1; i <= n; ++i) {
        const size_t e = (entry_ + i) % n;
        if (OwnerOf(entries_[e]) != owner_) return ShowEntry(e);
    }
    ShowEntry(entry_);
}

void NetScoreTables::GridClicked(int row, int column) {
    if (column != 0 || row < 1) return;
    if (players_ == 2) {
        selFirst_ = selLast_ = row;
        return;
    }
    if (row > static_cast<int>(rows_.size())) return;
    const NetScoreRow& clicked = rows_[static_cast<size_t>(row - 1)];
    if (clicked.separator || clicked.name.empty()) return;
    const int group = (row - 1) / (players_ + 1);
    selFirst_ = group * (players_ + 1) + 1;
    selLast_ = std::min(selFirst_ + players_ - 1, static_cast<int>(rows_.size()));
}

void NetScoreTables::DeleteOpponent() {
    const bool selected = selFirst_ <= selLast_ && selFirst_ <= static_cast<int>(rows_.size()) &&
                          !rows_[static_cast<size_t>(selFirst_ - 1)].separator;
    if (!selected) {
        label_ = "Select a player";
        if (sounds_) sounds_->Beep();
        return;
    }
    if (dialogs_.MsgBox("Are you sure you want to delete this opponent?", mb::YesNo,
                        "DELETE OPPONENT") != mb::Yes)
        return;
    const NetScoreRow& row = rows_[static_cast<size_t>(selFirst_ - 1)];
    const NetScoreChange change = players_ == 2 ? DeleteNetOpponent(ShownPath(), row.name)
                                                : DeleteNetGroup(ShownPath(), players_, row.record);
    if (!change.ok)
        Failed("The score file could not be changed; it is as it was.", change.error);
    else if (change.notFound)
        dialogs_.MsgBox("Opponent Not Found", mb::OkOnly | mb::Information, "DELETE OPPONENT");
    Redraw();
}

bool NetScoreTables::DeleteFile() {
    const std::string path = ShownPath();
    if (!FileExists(path)) {
        dialogs_.MsgBox("There is no score file here to delete.", mb::OkOnly | mb::Information,
                        "DELETE Score File");
        return true;
    }
    if (dialogs_.MsgBox("Are you sure you want to delete this entire score file?", mb::YesNo,
                        "DELETE PLAYER") != mb::Yes)
        return true;
    std::error_code ec;
    if (!std::filesystem::remove(path, ec)) {
        Failed("The score file could not be deleted.", ec.message());
        return true;
    }
    rows_.clear();
    dialogs_.MsgBox("Score file eliminated.", mb::OkOnly | mb::Exclamation, "DELETE Score File");
    const std::string shown = entries_[entry_];
    const size_t at = entry_;
    ListEntries();
    if (entries_.empty()) return false;
    // Step on from where the shown entry stood, as "Next ->" does: from the entry itself when
    // it is still listed (a competition file went), else from the one before its place.
    auto still = std::find(entries_.begin(), entries_.end(), shown);
    entry_ = still != entries_.end() ? static_cast<size_t>(still - entries_.begin())
                                     : (at + entries_.size() - 1) % entries_.size();
    Next();
    return true;
}
