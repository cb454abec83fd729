// Joiners whose names a host copy of the whole program cannot take: each is turned away with the
// reason on both sides - the joiner hears it before the farewell (a joining copy shows it in a
// box), the host's table says who tried and why - and nothing
// is written outside the copy's folder. A name the host can keep as it stands is seated.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include "tests/app_machine/copies.h"
#include "tests/app_machine/machine_setup.h"
#include "tests/app_machine/raw_joins.h"

using namespace app_copies;

namespace {

constexpr const char* kRefused = "You cannot join this game under the name you gave: ";
constexpr const char* kBadChars =
    "the name holds a character a player's name may not have (! \" * . / : < > ? \\ |)";
constexpr const char* kTaken = "a player of that name is at this table already";

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::string LogsOf(const fs::path& home) {
    return ReadFile(home / "steps") + ReadFile(home / "boxes") + ReadFile(home / "table");
}

// Nothing under the copies' root but their homes, and no file or folder named after the
// joiner's name anywhere in them.
void NothingOutside(const Copies& copies, size_t homes) {
    std::error_code e;
    size_t n = 0;
    for (const auto& entry : fs::directory_iterator(copies.root(), e)) {
        ++n;
        EXPECT_EQ(entry.path().filename().string().rfind("m", 0), 0u) << entry.path();
    }
    EXPECT_EQ(n, homes);
    for (const auto& entry : fs::recursive_directory_iterator(copies.root(), e)) {
        const std::string file = entry.path().filename().string();
        EXPECT_EQ(file.find("outside"), std::string::npos) << entry.path();
        EXPECT_EQ(file.find("Bob"), std::string::npos) << entry.path();
    }
    EXPECT_FALSE(fs::exists(copies.root().parent_path() / "outside"));
}

// The host, set up for three, with Ann seated; the table says so.
fs::path HostWithAnn(Copies& copies, MachineSetup& host, std::optional<RawPeer>& ann) {
    host.host = true;
    host.players = 3;
    host.port = FreePort();
    const fs::path h = copies.Start(host);
    ann.emplace(JoinWhenListening(host.port));
    EXPECT_TRUE(ann->Hear("IP ^", 10)) << ann->heard();
    ann->Send("IP ^ 8. 4. 0\nNM Ann\n");
    size_t layouts = 0;
    EXPECT_GE(SecondsUntil(
                  [&] {
                      // Ann answers each layout, as a remote program does.
                      ann->Hear("\x01", 0.05);
                      for (const size_t n = Count(ann->heard(), "\nLO "); layouts < n; ++layouts)
                          ann->Send("LO\n");
                      return Says(h / "table", "Number of players is 3");
                  },
                  20),
              0)
        << LogsOf(h);
    return h;
}

}  // namespace

// Each name a remote's program may send, as a hand-written peer sends it: characters a file
// name cannot hold, none at all, a seated player's or the host's in other capitals, 5,000
// characters; a carriage return at its end is no part of the name, which is kept.
TEST(NetLoopback, AJoinerWhoseNameCannotBeTakenIsToldWhyOnBothSides) {
    struct Case {
        const char* what;
        std::string name;
        std::string why;  // empty: the name is kept as `kept`
        std::string kept = "";
    };
    const Case cases[] = {
        {"a slash", "Ann/Bob", kBadChars},
        {"a backslash", "Ann\\Bob", kBadChars},
        {"a star", "Ann*", kBadChars},
        {"a question mark", "Ann?", kBadChars},
        {"angle brackets", "<Bob>", kBadChars},
        {"a bar", "Ann|Bob", kBadChars},
        {"a climb out of the folder", "../../outside", kBadChars},
        {"no name", "", "the name is empty"},
        {"only blanks", "   ", "the name is empty"},
        {"a seated player's in other capitals", "ANN", kTaken},
        {"the host's in other capitals", "p0", kTaken},
        {"5,000 characters", std::string(5000, 'x'), "the name is longer than 20 characters"},
        {"a carriage return at its end", "Bea\r", "", "Bea"},
    };
    ForEachCase(std::size(cases), [&](size_t i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        Copies copies("names" + std::to_string(i));
        MachineSetup host;
        std::optional<RawPeer> ann;
        const fs::path h = HostWithAnn(copies, host, ann);
        RawPeer mallory = RawPeer::Connect(host.port);
        ASSERT_TRUE(mallory.Hear("IP ^", 5)) << mallory.heard();
        mallory.Send("IP ^ 8. 4. 0\nNM " + c.name + "\n");
        if (c.why.empty()) {
            // Taken under the name, as every player's table will name it.
            EXPECT_TRUE(mallory.Hear("|" + c.kept + "|", 10)) << mallory.heard() << LogsOf(h);
            EXPECT_TRUE(mallory.connected());
        } else {
            EXPECT_TRUE(mallory.HearClosed(5)) << mallory.heard();
            EXPECT_NE(mallory.heard().find(kRefused + c.why + "."), std::string::npos)
                << mallory.heard();
            EXPECT_GE(
                SecondsUntil([&] { return Says(h / "table", "was turned away: " + c.why); }, 5), 0)
                << LogsOf(h);
        }
        NothingOutside(copies, 1);
    });
}

// A joining copy whose player's name is the host's in other capitals: the copy's box says why it
// cannot join, and the copy closes cleanly; the host's table says who tried and why.
TEST(NetLoopback, AJoiningCopyTurnedAwayForItsNameSaysWhy) {
    Copies copies("namecopy");
    MachineSetup host;
    std::optional<RawPeer> ann;
    const fs::path h = HostWithAnn(copies, host, ann);
    MachineSetup joiner;
    joiner.port = host.port;
    joiner.name = "p0";
    joiner.leaveIfCut = 1;
    const fs::path j = copies.Start(joiner);
    EXPECT_GE(copies.UntilEnded(1, 30), 0) << LogsOf(j);
    EXPECT_TRUE(copies.EndedCleanly(1));
    EXPECT_TRUE(Says(j / "boxes", std::string("[Impossible] ") + kRefused + kTaken + "."))
        << LogsOf(j);
    EXPECT_GE(SecondsUntil(
                  [&] {
                      return Says(h / "table",
                                  "A player who tried to join as \"p0\" was turned away: " +
                                      std::string(kTaken) + ".");
                  },
                  5),
              0)
        << LogsOf(h);
    NothingOutside(copies, 2);
}
