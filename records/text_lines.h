#pragma once
// The program's own text files (the tips and the tutorial script): one entry per line, single
// byte characters, and "~" standing for a paragraph break.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text file, decoded to UTF-8. Lines end with CR LF, LF or CR; a last line
// without an ending counts, an ending at the very end starts no further line. Nothing when the
// file is missing or cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Every "~" becomes a paragraph break (two line breaks).
std::string ExpandParagraphs(std::string_view text);
