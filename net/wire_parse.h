#pragma once
// Reading one protocol line into checked values. Every reader takes the whole line (code
// included) and either gives values that are known to be in range, or says what is wrong; a
// number is range-checked as text before it becomes an integer, so no payload can overflow one.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/wire_format.h"

namespace net {

// The longest name a player can have (the profile's name field).
constexpr size_t kMaxNameLength = 20;

// A number as Str writes it: blanks, an optional minus sign, one to six digits, blanks.
std::optional<int> ReadInt(std::string_view field);

// The payload: the line from its fourth character ("" for a line that is only its code).
std::string_view PayloadOf(std::string_view line);
// True when the line is its code alone (blanks after it allowed).
bool IsBare(std::string_view line);

// What went wrong with a line, for the message that ends the game with its sender.
struct Fault {
    std::string text;
};

struct Hello {
    bool hasVersion = false;  // a hello without "^" comes from a program without versions
    Version version;
    int socket = 0;  // the joiner's socket on the host, in a host's hello of a version above 7.4
};
// `fromHost`: the host's hello carries the joiner's socket number after the version.
std::optional<Hello> ParseHello(std::string_view line, bool fromHost, Fault& fault);

// A player's name: not empty, at most kMaxNameLength characters, none of the characters a file
// name may not hold, no control characters. Given as UTF-8.
std::optional<std::string> ParseName(std::string_view line, Fault& fault);
// True when `name` (UTF-8) would pass ParseName.
bool IsGoodPeerName(std::string_view name);
// The name a "NM" line gives, trimmed, as UTF-8 (unchecked).
std::string GivenName(std::string_view line);
// Why `name` (UTF-8, trimmed) cannot be a player's name, as the players are told; "" when it
// can be one.
std::string NameFault(std::string_view name);
// `name` as it may be shown to the player: control characters made "?", cut after
// kMaxNameLength characters with "..." after it.
std::string ShownName(std::string_view name);

// "TR": the first player, 1 to `players`.
std::optional<int> ParseTurn(std::string_view line, int players, Fault& fault);

struct Move {
    int from = 0, to = 0;
};
// "PC" with a payload: a slot 1-10, and a center 1-`centers`, a hold pile 7-10 or a hand place
// 12-16. A discard and a move within the hand start from a hand slot.
std::optional<Move> ParseMove(std::string_view line, int centers, Fault& fault);

struct ChatText {
    int seq = 0;
    std::string text;  // UTF-8, control characters made blanks, trimmed
};
std::optional<ChatText> ParseChat(std::string_view line, Fault& fault);
std::optional<bool> ParsePeek(std::string_view line, Fault& fault);

struct Layout {
    int players = 0, centers = 0, seat = 0;
    std::vector<std::string> names;  // the host's opponents, with three or four players
};
std::optional<Layout> ParseLayout(std::string_view line, Fault& fault);

// The "#"-separated numbers of a deck or game-state payload, each read with ReadInt; at most
// `most` of them.
std::optional<std::vector<int>> ParseFields(std::string_view payload, size_t most, Fault& fault);

// Reads the fields of a payload in order, each checked against its range.
class FieldReader {
  public:
    explicit FieldReader(std::vector<int> fields) : fields_(std::move(fields)) {}
    // The next field when it lies in lo..hi; otherwise nothing, and the reader is spoiled.
    bool Next(int& value, int lo, int hi);
    size_t Left() const { return ok_ ? fields_.size() - pos_ : 0; }
    bool Ok() const { return ok_; }

  private:
    std::vector<int> fields_;
    size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace net
