#include "records/text_lines.h"

#include "platform/file_util.h"
#include "platform/text_codec.h"

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    const std::string& b = *bytes;
    for (size_t i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
        lines.push_back(FromCp1252(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(FromCp1252(line));
    return lines;
}

std::string ExpandParagraphs(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '~')
            out += "\n\n";
        else
            out += c;
    }
    return out;
}
