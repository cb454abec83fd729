#pragma once
// The host's notice once a player has joined or a new Internet game is laid out: the players and
// centers in force and how to change them, and the house rules the remotes will play by.
#include <string>

#include "engine/game.h"

namespace net {

std::string HostRulesNotice(int players, int centers);
// Every house rule of `g` that is not the game's default, on one line that the host's notice
// line has room for; empty when the defaults are in force.
std::string HostRulesList(const Game& g);
std::string HostRulesLabel(const std::string& rulesList);

}  // namespace net
