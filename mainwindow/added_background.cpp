#include "mainwindow/added_background.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/file_util.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The same folder, whatever the case of its name (the folder a picture was chosen in is compared
// as the player sees it).
bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return Lower(a.lexically_normal().string()) == Lower(b.lexically_normal().string());
}

bool SameBytes(const std::string& a, const std::string& b) {
    const auto x = ReadWholeFile(a);
    const auto y = ReadWholeFile(b);
    return x && y && *x == *y;
}

}  // namespace

bool IsBackgroundPicture(const std::string& path) {
    const std::string ext = Lower(fs::path(path).extension().string());
    return ext == ".jpg" || ext == ".gif" || ext == ".bmp";
}

AddedBackground PlaceAddedBackground(const std::string& chosenPath, const std::string& folder) {
    const fs::path chosen(chosenPath);
    const std::string title = chosen.filename().string();
    if (title.empty() || !IsPlainFileName(title)) return {};
    if (SameFolder(chosen.parent_path(), fs::path(folder))) return {title, false};
    const std::optional<std::string> existing = FindNoCase(folder, title);
    if (!existing) return {title, true};
    // The very same picture added again needs no second copy.
    if (SameBytes(chosenPath, JoinPath(folder, *existing))) return {*existing, false};
    const std::string stem = chosen.stem().string();
    const std::string ext = chosen.extension().string();
    for (int n = 2; n < 1000; ++n) {
        const std::string name = stem + " (" + std::to_string(n) + ")" + ext;
        if (!FindNoCase(folder, name)) return {name, true};
    }
    return {};
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    const std::optional<std::string> bytes = ReadWholeFile(from);
    return bytes && WriteFileAtomically(to, *bytes, nullptr);
}
