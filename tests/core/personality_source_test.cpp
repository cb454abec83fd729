// The text form of the shipped personalities: a complete source becomes the record, and each
// kind of mistake stops the build naming the file and line.
#include "personality_source.h"

#include <gtest/gtest.h>

namespace {

std::string Complete() {
    std::string s =
        "name: Zed\navatar: Zed.jpg\nnumber: 4\nvoice: en+m2 40 150\ntimbre: bell\n"
        "description: A test personality.\n";
    for (int i = 1; i <= 35; ++i) s += std::to_string(i) + ": line " + std::to_string(i) + "\n";
    for (int e = 1; e <= 15; ++e)
        s += "sound " + std::to_string(e) + ": z" + std::to_string(e) + ".wav | tune C5\n";
    return s + "chat: Hi_Zed.pmw | say Hi\n";
}

}  // namespace

TEST(PersonalitySource, ACompleteSourceBecomesThePersonalityFile) {
    std::string error;
    auto p = ParsePersonality(Complete(), "Zed.txt", &error);
    ASSERT_TRUE(p) << error;
    const PmsRecord pms = ToPms(*p);
    EXPECT_EQ(pms.Comments[0], "A test personality.");
    EXPECT_EQ(pms.Comments[35], "line 35");
    EXPECT_EQ(pms.Sound(15, 0), "z15.wav");
    EXPECT_EQ(pms.Sound(15, 1), "z15.wav");
    EXPECT_EQ(pms.Sounds[0], "4");
    EXPECT_EQ(pms.DefaultAvatar, "Zed.jpg");
    ASSERT_EQ(p->chat.size(), 1u);
    EXPECT_EQ(p->chat[0].file, "Hi_Zed.pmw");
    EXPECT_EQ(p->chat[0].recipe, "say Hi");
}

TEST(PersonalitySource, MistakesAreNamedWithTheirLine) {
    struct Case {
        std::string from, to, says;
    } cases[] = {
        {"7: line 7\n", "", "remark 7 is missing"},
        {"7: line 7", "7: " + std::string(101, 'x'), "longer than 100"},
        {"sound 3: z3.wav | tune C5", "sound 3: ../z3.wav | tune C5", "bad sound file name"},
        {"sound 3: z3.wav | tune C5", "sound 3: z3.wav | play it", "'say' or 'tune'"},
        {"name: Zed", "name: Z/ed", "not a file name"},
        {"timbre: bell", "timbre: kazoo", "unknown timbre"},
        {"7: line 7", "seven: line 7", "unknown key"},
        {"chat: Hi_Zed.pmw", "chat: Hi_Zoe.pmw", "ends in _Zed.pmw"},
        {"chat: Hi_Zed.pmw | say Hi", "chat: ../Hi_Zed.pmw | say Hi", "bad sound file name"},
    };
    for (const Case& c : cases) {
        std::string text = Complete();
        text.replace(text.find(c.from), c.from.size(), c.to);
        std::string error;
        EXPECT_FALSE(ParsePersonality(text, "Zed.txt", &error)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(error.rfind("Zed.txt:", 0), 0u) << error;
    }
}
