#pragma once
// How every protocol line is written: a two-letter code, a blank, the payload, and a line feed
// added by the sender. Numbers are written as the classic runtime's Str writes them (a blank
// before a number of 0 or more); text goes on the wire one byte per character (Windows-1252).
#include <span>
#include <string>
#include <string_view>

#include "engine/net_state.h"
#include "platform/vb_types.h"

namespace net {

// The two letters of a code (1-15), or "" for any other number.
std::string_view CodeName(i16 code);
// The code a line begins with, 0 when its first two characters are no code.
i16 CodeOf(std::string_view line);

// A program version as the hello carries it.
struct Version {
    int major = 0, minor = 0, revision = 0;
};

// Str(major) & "." & Str(minor) & "." & Str(revision): " 8. 4. 0" for version 8.4.0.
std::string MyVersion(Version v);
// The peer's version as the game compares it: the major and minor digits ("84"), each part
// above 9 written as 9 so that a comparison as text stays right; "40" for a peer without one.
std::string VersionDigits(Version v);
constexpr const char* kNoVersion = "40";

// The host's hello to the joiner on `socket`, and a remote's answer.
std::string HostHelloLine(Version v, int socket);
std::string RemoteHelloLine(Version v);
std::string NameLine(std::string_view utf8Name);
// A card moved from slot `from` to destination `to`.
std::string MoveLine(int from, int to);
// A chat or system line with the sender's running number.
std::string ChatLine(int seq, std::string_view utf8Text);
std::string PeekLine(bool peeking);
// The table for a seated remote: the player count (5 for two players with four centers), its
// seat, and with three or four players the host's opponent names.
std::string LayoutLine(int players, int centers, int seat, std::span<const std::string> names);
// A line that is only its code ("GS", "OK", the answers).
std::string BareLine(i16 code);

}  // namespace net
