#include "net/wire_format.h"

#include <algorithm>

#include "engine/net_state.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"

namespace net {

namespace {
constexpr std::string_view kNames[] = {"",   "IP", "NM", "GS", "DK", "TR", "GO", "PC",
                                       "WT", "OK", "SY", "PK", "RC", "RS", "LO", "EG"};
}

std::string_view CodeName(i16 code) {
    return code >= IP && code <= EG ? kNames[code] : std::string_view{};
}

i16 CodeOf(std::string_view line) {
    if (line.size() < 2) return 0;
    for (i16 code = IP; code <= EG; ++code)
        if (line.substr(0, 2) == kNames[code]) return code;
    return 0;
}

std::string MyVersion(Version v) {
    return Str(v.major) + "." + Str(v.minor) + "." + Str(v.revision);
}

std::string VersionDigits(Version v) {
    auto digit = [](int n) { return static_cast<char>('0' + std::clamp(n, 0, 9)); };
    return {digit(v.major), digit(v.minor)};
}

std::string HostHelloLine(Version v, int socket) {
    return "IP ^" + MyVersion(v) + "^" + Str(socket);
}

std::string RemoteHelloLine(Version v) {
    return "IP ^" + MyVersion(v);
}

std::string NameLine(std::string_view utf8Name) {
    return "NM " + ToCp1252(utf8Name);
}

std::string MoveLine(int from, int to) {
    return "PC " + Str(from) + "#" + Str(to);
}

std::string ChatLine(int seq, std::string_view utf8Text) {
    return "SY " + Str(seq) + "#" + ToCp1252(utf8Text);
}

std::string PeekLine(bool peeking) {
    return peeking ? "PK True" : "PK False";
}

std::string LayoutLine(int players, int centers, int seat, std::span<const std::string> names) {
    const int value = players == 2 && centers == 4 ? 5 : players;
    std::string line = "LO " + Str(value) + " " + Str(seat) + "|";
    if (players > 2)
        for (int k = 0; k < players - 1 && k < static_cast<int>(names.size()); ++k)
            line += ToCp1252(names[static_cast<size_t>(k)]) + "|";
    return line;
}

std::string BareLine(i16 code) {
    return std::string(CodeName(code));
}

}  // namespace net
