#pragma once
// The comment-file editor's logic: the twenty lines of a comment file "users/<name>.cmt"
// (records of 100 characters), the checks before a save, and where a comment file may be
// opened from and saved to.
#include <array>
#include <optional>
#include <string>

inline constexpr int kCommentLines = 20;
inline constexpr size_t kCommentLineLength = 100;

// Lines 1-20 (index 0 unused).
using CommentLines = std::array<std::string, kCommentLines + 1>;

// The lines a new comment file starts with: "custom 1" to "custom 20".
CommentLines NewCommentLines();

// Records 1-20 of a comment file, trimmed (a missing file reads empty). Nothing when the file
// cannot be read or is damaged.
std::optional<CommentLines> ReadCommentFile(const std::string& path);
// Writes the trimmed lines as records 1-20 in one step, replacing the whole file.
bool WriteCommentFile(const std::string& path, const CommentLines& lines, std::string* error);

struct CommentSaveCheck {
    enum Result { Ok, LineTooLong, LetterNotKept, NoComments, NoName } result = Ok;
    int line = 0;      // the first line that is too long or holds a letter the file cannot keep
    std::string name;  // the file's name without ".cmt"
};
inline constexpr const char* kLineTooLongText = "Exceeds 100 characters. Edit and Save again.";
inline constexpr const char* kLetterNotKeptText =
    "A letter here cannot be kept in a comment file. Edit and Save again.";
inline constexpr const char* kNoCommentsText =
    "No comments to save! You should write some comments before saving.";
inline constexpr const char* kNoNameText = "Enter a name for this comment file!";

// The checks of Save, in their order: a line over 100 characters or with a letter that the file's
// one byte a character cannot keep (it would be saved as "?"), an empty first line, an empty
// name (a name ending ".cmt", in any case, loses that ending first).
CommentSaveCheck CheckCommentSave(const CommentLines& lines, const std::string& fileName);

// A chosen file's name up to ".cmt" (found in any case): "Custom.CMT" gives "Custom".
std::string CommentFileTitle(const std::string& fileName);

// The comment files' folder, and whether a chosen path lies directly in it.
std::string CommentFolder(const std::string& appFolder);
bool InCommentFolder(const std::string& appFolder, const std::string& path);
inline constexpr const char* kOutsideUsersText =
    "Comment files are kept in the game's users folder.\nPlease choose a file there.";

struct Game;
struct ProfileState;

// Puts the edited lines into use at once: they become the first opponent's remarks 1-20 (and
// those of the personality on turn), and the signed-in player's profile keeps the first
// opponent's comment file as seat 1's choice. False, with `error`, when the profile could not
// be written; the remarks are in use all the same.
bool UseCommentsNow(Game& g, ProfileState& profile, const CommentLines& lines,
                    const std::string& prefsPath, std::string* error);
