#include "net/chat_sound_sets.h"

#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

struct SoundFolder {
    TempProgramFolder dir;
    CallLog log;
    ScriptedDialogs dialogs{log};
    ChatSoundSet chosen{};
    std::vector<PersonalityEntry> personalities = {{"Brivo", "The one and only."},
                                                   {"Tessik", "The card counter."},
                                                   {"Ruun", "Slow as a river."},
                                                   {"Zed", "A player's own."},
                                                   {"Pellor", "The teacher."}};

    SoundFolder() {
        Put("Data/PMS/Tessik/Hello_Tessik.pmw", "tessik hello");
        Put("Data/PMS/Tessik/Bye_Tessik.pmw", "tessik bye");
        Put("Data/PMS/Tessik/notes.txt", "not a sound");
        Put("Data/PMS/Ruun/Hi_Ruun.pmw", "ruun hi");
        Put("Data/PMS/Zed/Hi_Zed.pmw", "zed hi");
        Put("Sounds/Hello_Tessik.pmw", "stale");
        Put("Sounds/Old_Ruun.pmw", "old ruun");
        Put("Sounds/slap.wav", "slap");
        Put("Sounds/Mine.pmw", "a player's own sound");
    }
    void Put(const std::string& rel, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(dir.File(rel)).parent_path());
        ASSERT_TRUE(WriteFileAtomically(dir.File(rel), bytes, nullptr));
    }
    std::vector<std::string> Sounds() const { return ListFiles(dir.File("Sounds"), ""); }
    ChatSoundSets Dialog() { return ChatSoundSets(dir.path(), personalities, chosen, dialogs); }
};

std::vector<std::string> AllFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(ChatSoundSets, ListsEveryoneButPellorWithTheirOwnDescriptionAndTheChoiceTicked) {
    SoundFolder f;
    f.chosen = {"", "Ruun", "", ""};
    ChatSoundSets d = f.Dialog();
    ASSERT_EQ(d.items().size(), 4u);
    EXPECT_EQ(d.items()[3].name, "Zed");
    EXPECT_EQ(d.Description(1), "The card counter.");
    EXPECT_FALSE(d.items()[1].ticked);
    EXPECT_TRUE(d.items()[2].ticked);
}

TEST(ChatSoundSets, UpdateCopiesExactlyTheChosenPersonalitiesSounds) {
    SoundFolder f;
    f.chosen = {"", "Ruun", "Zed", "Tessik"};
    ChatSoundSets d = f.Dialog();
    d.Tick(2, false);  // Ruun
    d.Tick(3, false);  // Zed
    d.Tick(0, true);   // Brivo, who ships no chat sounds
    ASSERT_TRUE(d.Update());
    EXPECT_EQ(f.chosen, (ChatSoundSet{"", "Brivo", "Tessik", ""}));
    EXPECT_EQ(
        AllFiles(f.dir.File("Sounds")),
        (std::vector<std::string>{"Bye_Tessik.pmw", "Hello_Tessik.pmw", "Mine.pmw", "slap.wav"}));
    EXPECT_EQ(*ReadWholeFile(f.dir.File("Sounds/Hello_Tessik.pmw")), "tessik hello");
    EXPECT_EQ(f.dialogs.asked, 1);
    EXPECT_EQ(f.dialogs.lastTitle, "Missing Person");
}

TEST(ChatSoundSets, AFourthTickIsRefusedAndNothingChanges) {
    SoundFolder f;
    f.chosen = {"", "Tessik", "", ""};
    ChatSoundSets d = f.Dialog();
    for (int i = 0; i < 4; ++i) d.Tick(i, true);
    const auto before = AllFiles(f.dir.File("Sounds"));
    EXPECT_FALSE(d.Update());
    EXPECT_EQ(f.dialogs.lastTitle, "3 Maximum");
    EXPECT_EQ(f.chosen, (ChatSoundSet{"", "Tessik", "", ""}));
    EXPECT_EQ(AllFiles(f.dir.File("Sounds")), before);

    d.Tick(0, false);
    EXPECT_TRUE(d.Update());
    EXPECT_EQ(f.chosen, (ChatSoundSet{"", "Tessik", "Ruun", "Zed"}));
    EXPECT_TRUE(FileExists(f.dir.File("Sounds/Hi_Zed.pmw")));
}

TEST(ChatSoundSets, EveryListedShippedPersonalityHasChatSoundsThatUpdateCopies) {
    TempProgramFolder dir;
    std::filesystem::copy(JoinPath(QUORVANE_STAGE_DIR, "Data/PMS"), dir.File("Data/PMS"),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    CallLog log;
    ScriptedDialogs dialogs{log};
    ChatSoundSet chosen{};
    ChatSoundSets d(dir.path(), {{"Brivo", ""}, {"Tessik", ""}, {"Ruun", ""}, {"Pellor", ""}},
                    chosen, dialogs);
    for (int i = 0; i < 3; ++i) d.Tick(i, true);
    ASSERT_TRUE(d.Update());
    EXPECT_EQ(dialogs.asked, 0);
    const auto sounds = ListFiles(dir.File("Sounds"), ".pmw");
    for (const char* name : {"Brivo", "Tessik", "Ruun"}) {
        const std::string ending = std::string("_") + name + ".pmw";
        const auto count = std::count_if(sounds.begin(), sounds.end(), [&](const std::string& s) {
            return s.size() > ending.size() && s.ends_with(ending);
        });
        EXPECT_GE(count, 5) << name;
    }
    for (const std::string& s : sounds) {
        auto bytes = ReadWholeFile(dir.File("Sounds/" + s));
        ASSERT_TRUE(bytes && bytes->size() > 44) << s;
        EXPECT_EQ(bytes->substr(0, 4), "RIFF") << s;
    }
}
