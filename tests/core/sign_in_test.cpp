// What the sign-in window offers and refuses.
#include "records/sign_in.h"

#include <gtest/gtest.h>

#include "tests/support/headless_services.h"

namespace {
using Names = std::vector<std::string>;

TEST(SignIn, TheListStartsWithTheCurrentPlayerAndEndsWithANewName) {
    EXPECT_EQ(WelcomeNames("Ann", "Ann", {"Bob", "Ann", "Cy"}), (Names{"Ann", "Bob", "Cy", ""}));
    // Nobody signed in yet in this run: the remembered player comes first.
    EXPECT_EQ(WelcomeNames("", " Cy ", {"Bob", "Cy"}), (Names{"Cy", "Bob", ""}));
    // A first start: no players at all.
    EXPECT_EQ(WelcomeNames("", "", {}), (Names{"", ""}));
    // A record without a name keeps its place in the file but is not offered.
    EXPECT_EQ(WelcomeNames("Ann", "Ann", {"", "Ann"}), (Names{"Ann", ""}));
}

TEST(SignIn, RefusedNamesAreExplained) {
    const struct {
        const char* typed;
        NameCheck check;
        const char* title;
        const char* startOfText;
    } rows[] = {
        {"bRiVo", NameCheck::ClearAndRetry, "Impersonator Alert", "There can ONLY be\nONE Brivo"},
        {"  TESSIK ", NameCheck::ClearAndRetry, "Impersonator Alert", "Sorry dear"},
        {"   ", NameCheck::Retry, "Unknown Player", "Please enter a name...\nI'd like"},
        {"Ann.B", NameCheck::Retry, "Non-standard filename character", "Please do not use"},
        {"Brivo Fan", NameCheck::Ok, "", ""},
        {"Zo\xC3\xAB", NameCheck::Ok, "", ""},
        {"\xE5\xBC\xA0\xE4\xBC\x9F", NameCheck::Retry, "Non-standard name character", "Your name"},
        {"bob", NameCheck::Ok, "", ""},
    };
    for (const auto& r : rows) {
        CallLog log;
        ScriptedDialogs dialogs(log);
        EXPECT_EQ(CheckSignInName(r.typed, {"Bob"}, "Ann", dialogs), r.check) << r.typed;
        EXPECT_EQ(dialogs.lastTitle, r.title) << r.typed;
        EXPECT_EQ(dialogs.lastText.rfind(r.startOfText, 0), 0u) << r.typed;
    }
}

}  // namespace

TEST(SignIn, ANameReadBackIsTextOnlyWithoutControlsOrUnassignedBytes) {
    const struct {
        const char* name;
        bool text;
    } cases[] = {
        {"Ann", true},
        {"Zo\xC3\xAB", true},    // ë
        {"\xE2\x82\xAC", true},  // the euro sign, a letter of the set
        {"", true},
        {"A\x01z", false},
        {"tab\t", false},
        {"\x7F", false},
        {"x\xC2\x9D", false},  // U+009D: a byte with no letter
        {"\xC2\x80", false},
    };
    for (const auto& c : cases) EXPECT_EQ(NameIsText(c.name), c.text) << c.name;
}
