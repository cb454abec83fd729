#include "net/host_notice.h"

namespace net {

std::string HostRulesNotice(int players, int centers) {
    std::string text = "Number of players is " + std::to_string(players) + "\n";
    if (players == 2) text += "Number of centers is " + std::to_string(centers) + "\n";
    return text +
           "To change number of players or centers, go to Internet Menu, Host Setup.\nPress F2 or "
           "choose New to start the game.";
}

std::string HostRulesLabel(const std::string& rulesText) {
    return "HOST RULES SET:\n" + rulesText +
           "\nIf these aren't the rules you want, please change them before starting the game.";
}

}  // namespace net
