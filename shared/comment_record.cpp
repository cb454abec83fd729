#include "shared/comment_record.h"

#include <algorithm>

#include "platform/file_util.h"
#include "platform/text_codec.h"

std::optional<std::string> CommentFilePath(const std::string& appFolder, const std::string& name) {
    if (HasBadFileChars(name)) return std::nullopt;
    const std::string dir = JoinPath(appFolder, "users");
    auto real = FindNoCase(dir, name + ".cmt");
    if (!real) return std::nullopt;
    return JoinPath(dir, *real);
}

std::optional<std::array<std::string, CommentRecord::kCommentFileLines + 1>> ReadCommentLines(
    const std::string& path) {
    constexpr int kLines = CommentRecord::kCommentFileLines;
    constexpr size_t kBytes = kLines * CommentRecord::kSize;
    // Only the twenty lines are read: whatever follows them is no comment.
    const auto bytes = ReadFileRange(path, 0, kBytes);
    if (!bytes || bytes->size() != kBytes) return std::nullopt;
    std::array<std::string, kLines + 1> lines{};
    RecordBuffer buf(CommentRecord::kSize);
    for (int i = 1; i <= kLines; ++i) {
        const auto from = bytes->begin() + static_cast<long>((i - 1) * CommentRecord::kSize);
        std::copy_n(from, CommentRecord::kSize, buf.bytes().begin());
        CommentRecord line;
        line.Decode(buf);
        if (!IsReadableText(line.Text)) return std::nullopt;
        lines[static_cast<size_t>(i)] = line.Text;
    }
    return lines;
}
