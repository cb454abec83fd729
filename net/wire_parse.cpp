#include "net/wire_parse.h"

#include "engine/shared_helpers.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"

namespace net {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool Fail(Fault& fault, std::string text) {
    fault.text = std::move(text);
    return false;
}

// A code point of the peer's text that cannot be shown as it stands.
bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// Decodes UTF-8 made by FromCp1252 (always well formed) one code point at a time.
template <typename F>
void ForEachCodePoint(std::string_view utf8, F f) {
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0xFF >> (n + 1));
        for (size_t k = 1; k < n && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        f(c, utf8.substr(i, n));
        i += n;
    }
}

}  // namespace

std::optional<int> ReadInt(std::string_view field) {
    field = TrimBlanks(field);
    bool negative = false;
    if (!field.empty() && field.front() == '-') {
        negative = true;
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > 6) return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string_view PayloadOf(std::string_view line) {
    return line.size() > 3 ? line.substr(3) : std::string_view{};
}

bool IsBare(std::string_view line) {
    return line.size() >= 2 && TrimBlanks(line.substr(2)).empty();
}

std::optional<Hello> ParseHello(std::string_view line, bool fromHost, Fault& fault) {
    Hello hello;
    const std::string_view payload = PayloadOf(line);
    const size_t caret = payload.find('^');
    if (caret == std::string_view::npos) return hello;  // an old program: no version
    std::string_view rest = payload.substr(caret + 1);
    const size_t second = rest.find('^');
    const std::string_view version = rest.substr(0, second);
    int parts[3] = {};
    std::string_view v = version;
    for (int k = 0; k < 3; ++k) {
        const size_t dot = k < 2 ? v.find('.') : std::string_view::npos;
        if (k < 2 && dot == std::string_view::npos) {
            Fail(fault, "a hello without a version number");
            return std::nullopt;
        }
        const auto n = ReadInt(v.substr(0, dot));
        if (!n || *n < 0 || *n > 999) {
            Fail(fault, "a hello with a damaged version number");
            return std::nullopt;
        }
        parts[k] = *n;
        if (k < 2) v.remove_prefix(dot + 1);
    }
    hello.hasVersion = true;
    hello.version = {parts[0], parts[1], parts[2]};
    const bool withSocket = fromHost && VersionDigits(hello.version) > "74";
    if (withSocket) {
        const auto socket =
            second == std::string_view::npos ? std::nullopt : ReadInt(rest.substr(second + 1));
        if (!socket || *socket < 1 || *socket > 4) {
            Fail(fault, "a hello without the seat's connection number");
            return std::nullopt;
        }
        hello.socket = *socket;
    } else if (second != std::string_view::npos) {
        Fail(fault, "a hello with more than a version");
        return std::nullopt;
    }
    return hello;
}

bool IsGoodPeerName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
    return NameFault(name).empty();
}

std::string NameFault(std::string_view name) {
    if (name.empty()) return "the name is empty";
    size_t count = 0;
    bool control = false;
    ForEachCodePoint(name, [&](char32_t c, std::string_view) {
        ++count;
        control = control || IsControl(c);
    });
    if (control) return "the name holds control characters";
    if (count > kMaxNameLength)
        return "the name is longer than " + std::to_string(kMaxNameLength) + " characters";
    // The name names the player's files (scores, pictures, comments).
    if (HasBadFileChars(std::string(name))) {
        std::string list;
        for (const char* c = kForbiddenFileChars; *c; ++c)
            list += std::string(list.empty() ? "" : " ") + *c;
        return "the name holds a character a player's name may not have (" + list + ")";
    }
    return "";
}

std::string ShownName(std::string_view name) {
    std::string shown;
    size_t count = 0;
    ForEachCodePoint(name, [&](char32_t c, std::string_view bytes) {
        if (++count > kMaxNameLength) return;
        shown += IsControl(c) ? std::string_view("?") : bytes;
    });
    return count > kMaxNameLength ? shown + "..." : shown;
}

std::string GivenName(std::string_view line) {
    return FromCp1252(TrimBlanks(PayloadOf(line)));
}

std::optional<std::string> ParseName(std::string_view line, Fault& fault) {
    std::string name = GivenName(line);
    if (name.empty()) {
        Fail(fault, "an empty name");
        return std::nullopt;
    }
    if (!IsGoodPeerName(name)) {
        Fail(fault, "a name that cannot be a player's name");
        return std::nullopt;
    }
    return name;
}

std::optional<int> ParseTurn(std::string_view line, int players, Fault& fault) {
    const auto n = ReadInt(PayloadOf(line));
    if (!n || *n < 1 || *n > players) {
        Fail(fault, "a first player who is not at the table");
        return std::nullopt;
    }
    return n;
}

std::optional<Move> ParseMove(std::string_view line, int centers, Fault& fault) {
    const std::string_view payload = PayloadOf(line);
    const size_t hash = payload.find('#');
    if (hash == std::string_view::npos) {
        Fail(fault, "a damaged card move");
        return std::nullopt;
    }
    const int from = ReadInt(payload.substr(0, hash)).value_or(-1);
    const int to = ReadInt(payload.substr(hash + 1)).value_or(-1);
    const bool center = to >= 1 && to <= centers;
    const bool hold = to >= 7 && to <= 10;
    const bool hand = to >= 12 && to <= 16;
    const bool fromHand = from >= 2 && from <= 6;
    if (from < 1 || from > 10 || !(center || hold || hand) || ((hold || hand) && !fromHand)) {
        Fail(fault, "a card move from or to a place that does not exist");
        return std::nullopt;
    }
    return Move{from, to};
}

std::optional<ChatText> ParseChat(std::string_view line, Fault& fault) {
    const std::string_view payload = PayloadOf(line);
    const size_t hash = payload.find('#');
    const auto seq =
        hash == std::string_view::npos ? std::nullopt : ReadInt(payload.substr(0, hash));
    if (!seq) {
        Fail(fault, "a chat line without its number");
        return std::nullopt;
    }
    std::string text;
    ForEachCodePoint(FromCp1252(payload.substr(hash + 1)), [&](char32_t c, std::string_view bytes) {
        if (IsControl(c))
            text += ' ';
        else
            text += bytes;
    });
    return ChatText{*seq, Trim(text)};
}

std::optional<bool> ParsePeek(std::string_view line, Fault& fault) {
    const std::string_view flag = TrimBlanks(PayloadOf(line));
    if (flag == "True") return true;
    if (flag == "False") return false;
    Fail(fault, "a peek notice that is neither True nor False");
    return std::nullopt;
}

std::optional<Layout> ParseLayout(std::string_view line, Fault& fault) {
    const std::string_view payload = PayloadOf(line);
    const size_t bar = payload.find('|');
    if (bar == std::string_view::npos) {
        Fail(fault, "a layout without its end mark");
        return std::nullopt;
    }
    const std::string_view head = TrimBlanks(payload.substr(0, bar));
    const size_t gap = head.find(' ');
    const auto value = gap == std::string_view::npos ? std::nullopt : ReadInt(head.substr(0, gap));
    const auto seat = gap == std::string_view::npos ? std::nullopt : ReadInt(head.substr(gap));
    if (!value || !seat || *value < 2 || *value > 5) {
        Fail(fault, "a layout with a damaged player count");
        return std::nullopt;
    }
    Layout layout;
    layout.players = *value == 5 ? 2 : *value;
    layout.centers = *value == 2 ? 3 : 4;
    if (*seat < 1 || *seat >= layout.players) {
        Fail(fault, "a layout with a seat that is not at the table");
        return std::nullopt;
    }
    layout.seat = *seat;
    std::string_view rest = payload.substr(bar + 1);
    if (layout.players > 2) {
        for (int k = 0; k < layout.players - 1; ++k) {
            const size_t end = rest.find('|');
            if (end == std::string_view::npos) {
                Fail(fault, "a layout with names missing");
                return std::nullopt;
            }
            std::string name = FromCp1252(rest.substr(0, end));
            // An empty name is a seat still waiting for its player.
            if (!name.empty() && !IsGoodPeerName(name)) {
                Fail(fault, "a layout with a name that cannot be a player's name");
                return std::nullopt;
            }
            layout.names.push_back(std::move(name));
            rest.remove_prefix(end + 1);
        }
    }
    if (!TrimBlanks(rest).empty()) {
        Fail(fault, "a layout with more than the table's names");
        return std::nullopt;
    }
    return layout;
}

std::optional<std::vector<int>> ParseFields(std::string_view payload, size_t most, Fault& fault) {
    std::vector<int> fields;
    size_t start = 0;
    for (size_t hash = payload.find('#'); hash != std::string_view::npos;
         hash = payload.find('#', start)) {
        const auto n = ReadInt(payload.substr(start, hash - start));
        if (!n || fields.size() >= most) {
            Fail(fault, n ? "more numbers than the message can hold" : "a damaged number");
            return std::nullopt;
        }
        fields.push_back(*n);
        start = hash + 1;
    }
    if (!TrimBlanks(payload.substr(start)).empty()) {
        Fail(fault, "numbers without their end mark");
        return std::nullopt;
    }
    return fields;
}

bool FieldReader::Next(int& value, int lo, int hi) {
    if (!ok_ || pos_ >= fields_.size() || fields_[pos_] < lo || fields_[pos_] > hi) {
        ok_ = false;
        return false;
    }
    value = fields_[pos_++];
    return true;
}

}  // namespace net
