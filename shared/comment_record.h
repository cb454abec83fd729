#pragma once
// One 100-character line: the records of comment files ("users/<name>.cmt", lines 1-20) and of
// the label texts in "Data/snack.ade".
#include <array>
#include <optional>
#include <string>

#include "platform/record_buffer.h"

struct CommentRecord {
    static constexpr size_t kSize = 100;
    static constexpr int kCommentFileLines = 20;

    std::string Text;

    void Encode(RecordBuffer& buf, size_t at = 0) const { buf.SetText(at, kSize, Text); }
    void Decode(const RecordBuffer& buf, size_t at = 0) { Text = buf.GetText(at, kSize); }
};

// The real path of comment file "users/<name>.cmt" in `appFolder`, when the name is safe and the
// file is there.
std::optional<std::string> CommentFilePath(const std::string& appFolder, const std::string& name);

// Lines 1-20 of the comment file at `path` (index 0 unused). Nothing when the file cannot be read
// or is damaged: a comment file holds its twenty records whole, each line text, so that a cut,
// empty or foreign file is never shown or spoken from.
std::optional<std::array<std::string, CommentRecord::kCommentFileLines + 1>> ReadCommentLines(
    const std::string& path);
