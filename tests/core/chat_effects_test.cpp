#include "net/chat_effects.h"

#include <gtest/gtest.h>

#include "net/dispatch.h"
#include "tests/support/headless_services.h"

using namespace net;

namespace {

class RecordingTarget : public ChatEffectsTarget {
  public:
    void ShowChatLine(const std::string& line) override { seen.push_back("chat " + line); }
    void SetLabel(int index, const std::string& text) override {
        seen.push_back("label" + std::to_string(index) + " " + text);
    }
    void ShowPeek(const std::string& text) override { seen.push_back("peek " + text); }
    void ShowEmoticon(const std::string& path) override { seen.push_back("icon " + path); }
    void AvatarSlap() override { seen.push_back("slap"); }
    void OfferLink(const std::string& url) override { seen.push_back("link " + url); }
    void CardShow() override { seen.push_back("card show"); }
    std::vector<std::string> seen;
};

}  // namespace

TEST(ChatEffects, EachActionReachesItsPlaceAndSoundsStayInTheProgramFolder) {
    CallLog log;
    RecordingSounds sounds(log);
    RecordingTarget t;
    const std::vector<Action> actions = {act::Emoticon{""},
                                         act::Emoticon{"Wink.gif"},
                                         act::ChatShown{"Bob: PIC <Wink> hi"},
                                         act::DataSound{110},
                                         act::Label{2, "hi"},
                                         act::PeerSound{"Boing.wav"},
                                         act::Slap{},
                                         act::Link{"https://example.org/x"},
                                         act::SendAll{1, "SY  2#Bob: hi"}};
    ApplyChatEffects(actions, "/app", false, t, sounds);
    EXPECT_EQ(t.seen, (std::vector<std::string>{"icon ", "icon /app/Icons/Wink.gif",
                                                "chat Bob: PIC <Wink> hi", "label2 hi", "slap",
                                                "link https://example.org/x"}));
    EXPECT_TRUE(log.Contains("/app/Data/~110.tmp"));
    EXPECT_TRUE(log.Contains("/app/Sounds/Boing.wav"));
    EXPECT_FALSE(IsChatEffect(actions.back()));

    CallLog quiet;
    RecordingSounds none(quiet);
    RecordingTarget peek;
    ApplyChatEffects({act::DataSound{105}, act::PeekLabel{"Opponent is PEEKING!"}}, "/app", true,
                     peek, none);
    EXPECT_EQ(peek.seen, (std::vector<std::string>{"peek Opponent is PEEKING!"}));
    EXPECT_FALSE(quiet.Contains("PlaySound"));
}

TEST(ChatEffects, AReceivedLineFromThePeerShowsAsItsTextWithItsPicture) {
    Game g;
    g.NumPlayers = 2;
    g.NumCenters = 3;
    g.NetConnected = 99;
    SessionConfig c;
    c.playerName = "Remy";
    c.soundFiles = {"Boing.wav"};
    c.iconFiles = {"Wink.gif"};
    SessionState s = Connecting(NewSession(c)).state;
    s = Dispatch(s, g, 0, "IP ^ 8. 4. 0^ 1").state;
    s = Dispatch(s, g, 0, "NM Hana").state;
    s = Dispatch(s, g, 0, "LO  2  1|").state;
    CallLog log;
    RecordingSounds sounds(log);
    RecordingTarget t;
    ApplyChatEffects(Dispatch(s, g, 0, "SY  4#Hana: ICO Wink!<b>hi</b>").actions, "/app", false, t,
                     sounds);
    EXPECT_EQ(t.seen,
              (std::vector<std::string>{"icon ", "icon /app/Icons/Wink.gif",
                                        "chat Hana: PIC <Wink> <b>hi</b>", "label2 <b>hi</b>"}));
    EXPECT_TRUE(log.Contains("/app/Data/~110.tmp"));
}
