#pragma once
// The test keys of the human's card row, which need no developer mode: Shift+Ctrl+P and
// Shift+Ctrl+Alt+S bring the player's or the opponent's side pile down to two cards, so that a
// game can be brought to its end quickly; Shift+Ctrl+Alt+A, H and V tell the connection's own
// address, the host's address and the peer's version. A key that has a command of its own for
// the player (Shift+Ctrl+S saves a tutorial position) is never a test key: the player's command
// always wins.
#include <string>

#include "engine/game.h"

enum class DevKey { None, HumanSideToTwo, OppSideToTwo, OwnAddress, HostAddress, PeerVersion };

DevKey Picture7KeyAction(int keyCode, bool shift, bool ctrl, bool alt);

// Leaves the side pile with its bottom card and its top; the cards between go to the used pile,
// so every card of the game stays in play. The human's, or the opponent's whose cards are in
// the working copy (the first opponent's record when none is).
void HumanSideToTwo(Game& g);
void OppSideToTwo(Game& g);
