#include "shared/comment_record.h"

#include "platform/file_util.h"

std::optional<std::string> CommentFilePath(const std::string& appFolder, const std::string& name) {
    if (HasBadFileChars(name)) return std::nullopt;
    const std::string dir = JoinPath(appFolder, "users");
    auto real = FindNoCase(dir, name + ".cmt");
    if (!real) return std::nullopt;
    return JoinPath(dir, *real);
}
