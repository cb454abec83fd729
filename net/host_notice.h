#pragma once
// The host's notice once a player has joined or a new Internet game is laid out: the players and
// centers in force and how to change them, and the house rules the remotes will play by.
#include <string>

namespace net {

std::string HostRulesNotice(int players, int centers);
std::string HostRulesLabel(const std::string& rulesText);

}  // namespace net
