#pragma once
// Chat and system lines ("SY") and peek notices ("PK") as they arrive: each is parsed into checked
// actions. A sound or an emoticon must be a plain name of the program folder's own lists; a web
// address is only offered; the card show runs only between games; a farewell is the leaving
// player's own sign-off line, never typed chat that happens to end the same way.
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "net/net_actions.h"
#include "net/session_state.h"
#include "net/wire_parse.h"

namespace net {

// The busy line a host sends a joiner it turns away.
constexpr const char* kBusyLine = "BRIVO: So you want to play with us? Sorry I'm busy!";
// The start of the line (after "BRIVO: ") a host sends a joiner whose name it cannot take,
// followed by why.
constexpr const char* kNameRefused = "You cannot join this game under the name you gave: ";

void HandleChat(SessionState& s, const Game& g, int peer, const ChatText& chat,
                std::vector<Action>& out);
void HandlePeek(SessionState& s, const Game& g, int peer, bool peeking, std::vector<Action>& out);

}  // namespace net
