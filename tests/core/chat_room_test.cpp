#include "net/chat_room.h"

#include <gtest/gtest.h>

#include "fake_chat_link.h"
#include "platform/file_util.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

struct ChatFixture {
    TempProgramFolder dir;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};
    ChatSeq seq;
    FakeChatLink link;
    ChatSoundSet sets{};
    ChatRoom room{dir.path(), link, sounds, dialogs, seq};

    ChatFixture() {
        for (const char* f :
             {"Sounds/slap.wav", "Sounds/Boing.WAV", "Sounds/Hi_Tessik.pmw", "Sounds/notes.txt",
              "Icons/Wink.gif", "Icons/Sad.gif", "Icons/photo.jpg"})
            WriteFileAtomically(dir.File(f), "x", nullptr);
        CannedPhrases phrases{};
        phrases[7] = "Nice move!";
        room.Load(phrases, sets, {"Brivo", "Tessik", ""});
    }
    int IndexOf(const std::vector<ChatRoom::ListEntry>& list, const std::string& name) {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].name == name) return static_cast<int>(i);
        return -1;
    }
    std::string LastLine() const {
        const std::string& h = room.history().text();
        return h.substr(h.rfind("\r\n") + 2);
    }
};

std::vector<std::string> Names(const std::vector<ChatRoom::ListEntry>& list) {
    std::vector<std::string> n;
    for (const auto& e : list) n.push_back(e.name);
    return n;
}

}  // namespace

TEST(ChatRoom, ListsSoundsAndPicturesBetweenTheirHeads) {
    ChatFixture f;
    EXPECT_EQ(
        Names(f.room.soundList()),
        (std::vector<std::string>{"-Select Sound:", "Boing", "Hi_Tessik", "slap", "(refresh)"}));
    EXPECT_EQ(f.room.soundList()[2].file, "Hi_Tessik.pmw");
    EXPECT_EQ(Names(f.room.iconList()),
              (std::vector<std::string>{"-Select Icon:", "Sad", "Wink", "(refresh)"}));
    EXPECT_EQ(f.sets, (ChatSoundSet{"", "", "Tessik", ""}));  // Brivo's set is never offered
}

TEST(ChatRoom, SendingNumbersTheLineEchoesItAndEmptiesTheInput) {
    ChatFixture f;
    f.room.SetInput("   ");
    f.room.Send();
    EXPECT_TRUE(f.link.sent.empty());
    EXPECT_EQ(f.seq.value(), 0);

    f.room.PhraseClicked(7);
    EXPECT_EQ(f.room.input(), "Nice move!");
    f.room.Send();
    ASSERT_EQ(f.link.sent.size(), 1u);
    EXPECT_EQ(f.link.sent[0], "SY  1#Ann: Nice move!");
    EXPECT_EQ(f.LastLine(), "Ann: Nice move!");
    EXPECT_EQ(f.room.input(), "");

    f.room.IconChosen(f.IndexOf(f.room.iconList(), "Wink"));
    EXPECT_EQ(f.room.EmoticonPicture(), f.dir.File("Icons/Wink.gif"));
    f.room.Send();
    EXPECT_EQ(f.link.sent[1], "SY  2#Ann: ICO Wink!");
    EXPECT_EQ(f.room.emoticon(), "");
}

TEST(ChatRoom, ALineThatCouldNotBeSentIsMarkedAndKept) {
    ChatFixture f;
    f.link.reaches = false;
    f.room.SetInput("anyone there?");
    f.room.IconChosen(f.IndexOf(f.room.iconList(), "Sad"));
    f.room.Send();
    EXPECT_EQ(f.LastLine(), ">>> Not sent (no connection): anyone there?");
    EXPECT_EQ(f.room.input(), "anyone there?");
    EXPECT_EQ(f.room.emoticon(), "Sad");
    EXPECT_EQ(f.room.history().text().find("Ann: "), std::string::npos);

    f.link.context.netConnected = 0;  // nobody left: the window closes
    f.room.Send();
    EXPECT_TRUE(f.room.closeRequested());
}

TEST(ChatRoom, SoundsFromTheListGoAtOnceAndSlapSendsASmack) {
    ChatFixture f;
    f.room.ShowSoundList();
    f.room.SoundChosen(f.IndexOf(f.room.soundList(), "slap"));
    EXPECT_FALSE(f.room.soundListOpen());
    EXPECT_EQ(f.link.sent.back(), "SY  1#Ann: <SMACK>");
    EXPECT_TRUE(f.log.Contains("Sounds/slap.wav"));
    EXPECT_EQ(f.LastLine(), "Sent: You slapped your opponent! ");
    EXPECT_EQ(f.link.slaps, 0);

    f.room.SoundChosen(f.IndexOf(f.room.soundList(), "Hi_Tessik"));
    EXPECT_EQ(f.link.sent.back(), "SY  2#Ann: WAV Hi_Tessik.pmw");
    EXPECT_TRUE(f.log.Contains("Sounds/Hi_Tessik.pmw"));

    f.link.context.netConnected = kNetWaiting;  // nobody yet: the sound only plays here
    f.room.SoundChosen(f.IndexOf(f.room.soundList(), "Boing"));
    EXPECT_EQ(f.link.sent.size(), 2u);
    EXPECT_TRUE(f.log.Contains("Sounds/Boing.WAV"));
}

TEST(ChatRoom, OlderPeersAreToldTheyCannotSeePictures) {
    ChatFixture f;
    f.link.context.peerVersion = "80";
    f.room.IconChosen(f.IndexOf(f.room.iconList(), "Wink"));
    EXPECT_EQ(f.LastLine(),
              ">>> Bob can't see the picture you are sending. Feature only works with v.8.2+");
    f.room.BackspaceInEmptyInput();
    EXPECT_EQ(f.room.emoticon(), "");
}

TEST(ChatRoom, LoggingWaitsForAPeerAndWritesWhatTheHistoryShows) {
    ChatFixture f;
    f.link.context.netConnected = kNetWaiting;
    f.room.StartLogging("12/10/2026 17:44");
    EXPECT_EQ(f.dialogs.lastTitle, "Chat Logging");
    EXPECT_FALSE(f.room.logging());
    EXPECT_FALSE(FileExists(f.dir.File("users/Bob.txt")));
    f.room.StopLogging();
    EXPECT_EQ(f.dialogs.lastText, "Logging wasn't on.");

    f.link.context.netConnected = 1;
    f.room.StartLogging("12/10/2026 17:44");
    EXPECT_EQ(f.dialogs.lastText, "Logging Started");
    f.room.SetInput("hi");
    f.room.Send();
    f.room.ShowLine("Bob: <b>hey</b>\tthere\x07");
    f.room.StopLogging();
    f.room.ShowLine("not logged");
    EXPECT_EQ(*ReadWholeFile(f.dir.File("users/Bob.txt")),
              " \r\n12/10/2026 17:44 Online with Bob\r\n \r\nAnn: hi\r\nBob: <b>hey</b> there "
              "\r\n");
}

TEST(ChatLog, AHostileOpponentNameKeepsTheLogInsideUsers) {
    TempProgramFolder dir;
    const struct {
        std::string name;
        std::string file;
    } cases[] = {
        {"../../etc/passwd", "______etc_passwd.txt"},
        {"a|b<i>c</i>", "a_b_i_c__i_.txt"},
        {std::string(300, 'x'), std::string(20, 'x') + ".txt"},
        {"..", "__.txt"},
        {"  ", "opponent.txt"},
        {"tab\there\n", "tab_here_.txt"},
        {"Zoë", "Zoë.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChatLogPath(dir.path(), c.name), dir.File("users/" + c.file)) << c.name;
        ChatLog log;
        ASSERT_TRUE(log.Start(dir.path(), c.name, "now", nullptr)) << c.name;
        log.Write("line\r\nwith break");
        log.Stop();
        auto text = ReadWholeFile(dir.File("users/" + c.file));
        ASSERT_TRUE(text) << c.name;
        EXPECT_NE(text->find("line\r\nwith break\r\n"), std::string::npos);
    }
    EXPECT_EQ(ListFiles(dir.path(), "").size(), 0u);  // nothing landed beside users/
}
