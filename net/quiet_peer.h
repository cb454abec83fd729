#pragma once
// A peer that goes quiet in the middle of an exchange: its program answers card plays, their
// closes, the first player and the layout by itself, so a wait for one of those that lasts is a
// program that hangs or is stopped, not a person thinking. The waits go on as they are; the
// player is told whom the game waits for and how to end it. With three or four players a remote
// sees only the host, which waits in turn for the other remotes: the host tells the others whom
// it waits for and when that wait is over, and a remote names the host itself only when no such
// word comes.
#include <optional>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "net/session_state.h"

namespace net {

// How long a wait goes without the awaited line before the player is told.
inline constexpr double kQuietSeconds = 20;
// How much longer a remote of a game of three or four players waits for the host's word.
inline constexpr double kHostWordSeconds = 5;

// The peer whose program owes the line a wait is held up by; -1 when the game waits for a
// person (a card play, the Deal button) or for nothing.
int AwaitedPeer(const SessionState& s, const Game& g);

// How long a held-up wait goes before the player is told.
double QuietSeconds(const SessionState& s, const Game& g);

// The name of the player the game waits for when `peer` is quiet.
std::string QuietName(const SessionState& s, const Game& g, int peer);

// The notice naming the player the game waits for and the key of END Internet Game.
std::string QuietNotice(const SessionState& s, const Game& g, int peer, const std::string& endKey);

// Host: the system line that tells the other players whom the game waits for; with no name, that
// the wait it told of is over.
std::string QuietLine(int seq, const std::string& name);
// Remote: the player a chat text from the host names as the one the game waits for ("" when it
// says the wait is over), when it is that line and names another player at this table or none.
std::optional<std::string> QuietNamed(const SessionState& s, const Game& g, std::string_view text);

}  // namespace net
