#pragma once
// What a chat or peek line asks the player to see and hear, carried out: the line in the chat
// history, the notice in the main window's label, the sounds, the emoticon beside the player,
// the slap, a web address offered (never opened by itself), the card show and the peek notice.
// The protocol core has already checked every name and address against this machine's own
// files; here they only become paths inside the program folder.
#include <string>
#include <vector>

#include "net/net_actions.h"
#include "platform/sounds.h"

class ChatEffectsTarget {
  public:
    virtual ~ChatEffectsTarget() = default;
    // A line for the chat history (and the chat log while it is on).
    virtual void ShowChatLine(const std::string& line) = 0;
    // Element `index` of the main window's message labels.
    virtual void SetLabel(int index, const std::string& text) = 0;
    virtual void ShowPeek(const std::string& text) = 0;
    // The emoticon beside the player's avatar: a picture of the Icons folder, or none ("").
    virtual void ShowEmoticon(const std::string& path) = 0;
    virtual void AvatarSlap() = 0;
    // A web address the player may open with a click.
    virtual void OfferLink(const std::string& url) = 0;
    // The end-of-game card animation, run once the line has been handled.
    virtual void CardShow() = 0;
};

// True for the actions this carries out.
bool IsChatEffect(const net::Action& action);

// Carries out the chat effects among the actions of one handled line, in order (an emoticon of
// no file takes the one shown away). `silent` is the sound level that plays nothing. Other
// actions are left to the caller.
void ApplyChatEffects(const std::vector<net::Action>& actions, const std::string& appFolder,
                      bool silent, ChatEffectsTarget& target, Sounds& sounds);
