#pragma once
// A chat window's link to the game for tests: the context it reports, and the lines it was given
// to send (reaching the peers or not).
#include <string>
#include <vector>

#include "net/chat_room.h"

class FakeChatLink : public ChatLink {
  public:
    ChatContext Context() const override { return context; }
    bool SendChat(const std::string& line) override {
        sent.push_back(line);
        return reaches;
    }
    void AvatarSlap() override { ++slaps; }

    ChatContext context{"Ann", "Bob", "84", 1};
    bool reaches = true;
    std::vector<std::string> sent;
    int slaps = 0;
};
