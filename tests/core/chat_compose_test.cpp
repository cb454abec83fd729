#include "net/chat_compose.h"

#include <gtest/gtest.h>

#include "net/chat_history.h"
#include "net/chat_seq.h"

namespace {

struct Case {
    const char* peer;
    const char* input;
    const char* shown;  // the emoticon beside the input line
    const char* text;   // what goes on the wire after the number
    const char* echo;
    ComposedChat::Echo kind = ComposedChat::Echo::Text;
};

ChatDraft Draft(const Case& c) {
    ChatDraft d;
    d.input = c.input;
    d.emoticon = c.shown;
    d.soundFile = "Hi_Tessik.pmw";
    d.playerName = "Ann";
    d.opponentName = "Bob";
    d.peerVersion = c.peer;
    d.sounds = {"Boing.wav", "Hi_Tessik.pmw", "slap.wav"};
    d.icons = {"Angry", "Begging", "Crying", "Grinning", "Sad", "Wink"};
    return d;
}

}  // namespace

TEST(ChatCompose, LinesAndEchoesByPeerVersion) {
    using E = ComposedChat::Echo;
    const Case cases[] = {
        {"81", "hello ;-) all", "", "Ann: ICO Wink!hello  all", "Ann: PIC <Wink> hello ;-) all"},
        {"80", "hello ;-) all", "", "Ann: hello ;-) all", "Ann: hello ;-) all"},
        {"84", "12:30 :-D", "", "Ann: 12:30 :-D", "Ann: 12:30 :-D"},
        {"84", "ok :-) fine", "", "Ann: ok  fine", "Ann: ok :-) fine"},
        {"84", ">:O what?", "", "Ann: ICO Angry! what?", "Ann: PIC <Angry> >:O what?"},
        {"84", "a>b >:o", "", "Ann: ICO Angry!a>b ", "Ann: PIC <Angry> a>b >:o"},
        {"84", "so :'( sad", "", "Ann: ICO Crying!so  sad", "Ann: PIC <Crying> so :'( sad"},
        {"84", "please :-p", "", "Ann: ICO Begging!please ", "Ann: PIC <Begging> please :-p"},
        {"84", "half :-", "", "Ann: half :-", "Ann: half :-"},
        {"84", "cut :-é here", "", "Ann: cut  here", "Ann: cut :-é here"},
        {"84", "  hi  ", "Sad", "Ann: ICO Sad!hi", "Ann: PIC <Sad>   hi"},
        {"84", "", "Wink", "Ann: ICO Wink!", "Ann: PIC <Wink>"},
        {"84", "<SLAP>", "", "Ann: <SMACK>", "Sent: You slapped your opponent! ", E::Slap},
        {"84", "<smack>", "", "Ann: <smack>", "Sent: Smack Slap! (Ouch!) ", E::Smack},
        {"74", "hi: there", "", "hi: there", "Ann: hi: there"},
        {"84", "wav boing", "", "Ann: WAV Boing.wav", "Sent: WAV boing", E::Sound},
        {"84", "WAV Hi_Tessik", "", "Ann: WAV Hi_Tessik.pmw", "Sent: WAV Hi_Tessik", E::Sound},
        {"84", "WAV Unknown", "", "Ann: WAV Unknown.wav", "Sent: WAV Unknown", E::Sound},
        {"70", "WAV Hi_Tessik", "", "WAV Hi_Tessik",
         "Sent: WAV Hi_Tessik\r\n>>> Bob doesn't have the personality sounds. Feature only works "
         "with v.7.5+",
         E::Sound},
        {"52", "WAV Boing", "", "WAV Boing",
         "Sent: WAV Boing\r\n>>> Bob can't hear the sound you are playing. Feature only works "
         "with v.7+",
         E::Sound},
    };
    for (const Case& c : cases) {
        const ComposedChat out = ComposeChat(Draft(c));
        EXPECT_FALSE(out.empty) << c.input;
        EXPECT_EQ(out.text, c.text) << c.peer << " " << c.input;
        EXPECT_EQ(out.echo, c.echo) << c.peer << " " << c.input;
        EXPECT_EQ(out.kind, c.kind) << c.input;
    }
}

TEST(ChatCompose, NothingToSendAndShortcutsWithoutTheirPicture) {
    EXPECT_TRUE(ComposeChat(Draft({"84", "   ", "", "", ""})).empty);
    ChatDraft d = Draft({"84", "hey ;-)", "", "", ""});
    d.icons.clear();  // no Wink picture: the smiley is cut, but no emoticon goes with the line
    const ComposedChat out = ComposeChat(d);
    EXPECT_EQ(out.text, "Ann: hey ");
    EXPECT_EQ(out.emoticon, "");
    EXPECT_EQ(ComposeChat(Draft({"84", "WAV Boing", "", "", ""})).soundFile, "Boing.wav");
}

TEST(ChatHistory, KeepsTheLast3700CharactersOnceItPasses4000) {
    ChatHistory h;
    h.Set(std::string(3990, 'a'));
    h.Add(std::string(9, 'b'));  // 3990 + 2 + 9 = 4001
    EXPECT_EQ(h.text().size(), 3700u);
    EXPECT_EQ(h.text().substr(3700 - 11), "\r\nbbbbbbbbb");

    ChatHistory exact;
    exact.Set(std::string(3990, 'a'));
    exact.Add(std::string(8, 'b'));  // exactly 4000 stays whole
    EXPECT_EQ(exact.text().size(), 4000u);

    ChatHistory wide;  // characters, not bytes, and never half a character
    wide.Set(std::string(3000, 'a'));
    std::string e;
    for (int i = 0; i < 1001; ++i) e += "é";
    wide.Add(e);
    EXPECT_EQ(CharCount(wide.text()), 3700u);
    EXPECT_EQ(wide.text().substr(wide.text().size() - 2), "é");
    EXPECT_NE(static_cast<unsigned char>(wide.text()[0]) & 0xC0, 0x80);
}

TEST(ChatSeq, CountsFromOneAndStartsAgainInsteadOfTurningNegative) {
    ChatSeq seq;
    EXPECT_EQ(seq.Next(), 1);
    for (int i = 2; i < 32767; ++i) seq.Next();
    EXPECT_EQ(seq.Next(), 32767);
    EXPECT_EQ(seq.Next(), 1);
}
