#include "net/name_compare.h"

#include "platform/vb_strings.h"

bool SameName(std::string_view a, std::string_view b) {
    return UCase(Trim(a)) == UCase(Trim(b));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && UCase(text.substr(0, prefix.size())) == UCase(prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           UCase(text.substr(text.size() - suffix.size())) == UCase(suffix);
}
