#include "net/host_notice.h"

namespace net {

namespace {

constexpr i16 kDefaultSidePileSize = 19;  // 20 cards
constexpr int kForcedAce = 1, kForcedTwo = 2, kForcedVisibleOnly = 4;

std::string ForcedCards(int mask) {
    const bool ace = (mask & kForcedAce) != 0, two = (mask & kForcedTwo) != 0;
    if (!ace && !two) return "";  // the visible-only mark alone forces nothing
    std::string text = ace && two ? "Forced Ace and Two" : ace ? "Forced Ace" : "Forced Two";
    if ((mask & kForcedVisibleOnly) != 0) text += " (visible only)";
    return text;
}

}  // namespace

std::string HostRulesNotice(int players, int centers) {
    std::string text = "Number of players is " + std::to_string(players) + "\n";
    if (players == 2) text += "Number of centers is " + std::to_string(centers) + "\n";
    return text +
           "To change number of players or centers, go to Internet Menu, Host Setup.\nPress F2 or "
           "choose New to start the game.";
}

std::string HostRulesList(const Game& g) {
    std::string list;
    auto add = [&list](const std::string& rule) {
        if (!rule.empty()) list += (list.empty() ? "" : ", ") + rule;
    };
    if (g.SidePileSize != kDefaultSidePileSize)
        add("Side piles of " + std::to_string(g.SidePileSize + 1) + " cards");
    add(ForcedCards(g.ForcedCards));
    if (g.NoWildAce) add("No Wild Ace");
    if (g.ShuffleSeparately) add("Decks shuffled separately");
    return list;
}

std::string HostRulesLabel(const std::string& rulesList) {
    return "HOST RULES SET:\n" + rulesList +
           "\nIf these aren't the rules you want, please change them before starting the game.";
}

}  // namespace net
