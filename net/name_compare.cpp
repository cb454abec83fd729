#include "net/name_compare.h"

#include <cctype>

#include "platform/vb_strings.h"

std::string Capitals(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    return Capitals(Trim(a)) == Capitals(Trim(b));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           Capitals(text.substr(0, prefix.size())) == Capitals(prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           Capitals(text.substr(text.size() - suffix.size())) == Capitals(suffix);
}
