#include "records/comment_file.h"

#include <algorithm>
#include <filesystem>

#include "engine/game.h"
#include "platform/file_util.h"
#include "platform/record_buffer.h"
#include "platform/record_file.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"
#include "records/record_list.h"
#include "shared/comment_record.h"
#include "shared/prefs_record.h"
#include "shared/profile_state.h"
#include "shared/record_io.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Characters as the file stores them: one byte each.
size_t StoredLength(const std::string& text) {
    return ToCp1252(text).size();
}

}  // namespace

CommentLines NewCommentLines() {
    CommentLines lines;
    for (int i = 1; i <= kCommentLines; ++i) lines[i] = "custom" + Str(i);
    return lines;
}

std::optional<CommentLines> ReadCommentFile(const std::string& path) {
    if (!FileExists(path)) return CommentLines{};
    auto lines = ReadCommentLines(path);
    if (!lines) return std::nullopt;
    for (std::string& line : *lines) line = Trim(line);
    return *lines;
}

bool WriteCommentFile(const std::string& path, const CommentLines& lines, std::string* error) {
    std::vector<CommentRecord> records(kCommentLines);
    for (int i = 1; i <= kCommentLines; ++i)
        records[static_cast<size_t>(i - 1)].Text = Trim(lines[i]);
    return WriteAllRecords(path, records, error);
}

CommentSaveCheck CheckCommentSave(const CommentLines& lines, const std::string& fileName) {
    CommentSaveCheck check;
    for (int i = 1; i <= kCommentLines; ++i) {
        const std::string line = Trim(lines[i]);
        if (StoredLength(line) > kCommentLineLength)
            check.result = CommentSaveCheck::LineTooLong;
        else if (!KeptInOneByte(line))
            check.result = CommentSaveCheck::LetterNotKept;
        if (check.result == CommentSaveCheck::Ok) continue;
        check.line = i;
        return check;
    }
    if (Trim(lines[1]).empty()) {
        check.result = CommentSaveCheck::NoComments;
        return check;
    }
    std::string name = fileName;
    if (name.size() >= 4 && Lower(name.substr(name.size() - 4)) == ".cmt")
        name = name.substr(0, name.size() - 4);
    if (Trim(name).empty()) {
        check.result = CommentSaveCheck::NoName;
        return check;
    }
    check.name = name;
    return check;
}

std::string CommentFileTitle(const std::string& fileName) {
    const size_t at = Lower(fileName).find(".cmt");
    return at == std::string::npos ? fileName : fileName.substr(0, at);
}

std::string CommentFolder(const std::string& appFolder) {
    return JoinPath(appFolder, "users");
}

bool InCommentFolder(const std::string& appFolder, const std::string& path) {
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(CommentFolder(appFolder), ec);
    if (ec) return false;
    const fs::path file = fs::weakly_canonical(path, ec);
    if (ec || !file.has_filename()) return false;
    return file.parent_path() == folder;
}

bool UseCommentsNow(Game& g, ProfileState& profile, const CommentLines& lines,
                    const std::string& prefsPath, std::string* error) {
    for (int i = 1; i <= kCommentLines; ++i) {
        g.CompComments[i] = Trim(lines[i]);
        g.Opp[1].Comments[i] = g.CompComments[i];
    }
    profile.PlayerPrefs.Seats[1].Comments = g.Opp[1].CommentFile;
    // Record 1 is the profile file's header, never a player's.
    if (profile.PlayerRecNum < 2) return true;
    const RecordFile file(prefsPath, PrefsRecord::kSize);
    PrefsRecord stored;
    if (!ReadRecord(file, profile.PlayerRecNum, stored)) {
        if (error) *error = "The player file " + prefsPath + " cannot be read.";
        return false;
    }
    stored.Seats[1].Comments = g.Opp[1].CommentFile;
    return WriteRecord(file, profile.PlayerRecNum, stored, error);
}
