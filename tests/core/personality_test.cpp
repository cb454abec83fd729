// Seats and personalities: the defaults of a blank seat, the fall-backs for a missing
// personality, sound, comment file or the whole personality folder, the remarks copied by seat,
// and names that must never become paths outside the program folder.
#include "engine/personality.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "engine/opp_swap.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/comment_record.h"
#include "shared/record_io.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

void Touch(const std::string& path) {
    std::ofstream(path) << "RIFF";
}

void WritePersonality(const TempProgramFolder& f, const std::string& name) {
    PmsRecord pms;
    pms.Comments[0] = name + " plays it cool.";
    for (int i = 1; i <= 35; ++i) pms.Comments[i] = name + " line" + std::to_string(i);
    pms.Sounds[0] = "7";
    for (int e = 1; e <= kSoundEvents; ++e) {
        pms.Sound(e, 0) = name + "_d" + std::to_string(e) + ".wav";
        pms.Sound(e, 1) = name + "_c" + std::to_string(e) + ".wav";
    }
    pms.DefaultAvatar = name + ".jpg";
    ASSERT_TRUE(
        WriteRecord(RecordFile(f.File("Data/PMS/" + name + ".pms"), PmsRecord::kSize), 1, pms));
}

void WriteCommentFile(const TempProgramFolder& f, const std::string& name) {
    RecordFile file(f.File("users/" + name + ".cmt"), CommentRecord::kSize);
    for (int i = 1; i <= 20; ++i)
        ASSERT_TRUE(WriteRecord(file, i, CommentRecord{"custom" + std::to_string(i)}));
}

struct Seats {
    Seats() : h(g) {
        g.AppFolder = folder.path();
        WritePersonality(folder, "Brivo");
        WritePersonality(folder, "Tessik");
        for (int e = 1; e <= kSoundEvents; ++e) {
            Touch(folder.File("Sounds/Brivo_d" + std::to_string(e) + ".wav"));
            if (e != 4) Touch(folder.File("Sounds/Tessik_c" + std::to_string(e) + ".wav"));
        }
    }
    SeatRecord& Seat(int s) { return seats[s]; }
    std::array<SeatRecord, 4> seats{};
    TempProgramFolder folder;
    Game g;
    HeadlessServices h;
};

}  // namespace

TEST(Personality, ABlankSeatGetsTheDefaultPersonality) {
    Seats s;
    s.Seat(1).Name = "";
    SeatToOpp(s.g, 1, s.Seat(1));
    EXPECT_EQ(s.Seat(1).Name, "Brivo");
    EXPECT_EQ(s.g.Opp[1].Avatar, "Brivo.jpg");
    EXPECT_EQ(s.g.Opp[1].CommentFile, "Default Personality");
    EXPECT_EQ(s.g.Opp[1].Level, 0);
    EXPECT_EQ(LoadPersonality(s.g, 1, 1, &s.h.board), "");
    EXPECT_EQ(s.g.CompComments[35], "Brivo line35");
    EXPECT_EQ(s.g.CompSounds[13], s.folder.File("Sounds/Brivo_d13.wav"));
    EXPECT_EQ(s.g.Opp[1].Sounds[0], " 7");
    EXPECT_TRUE(s.h.log.Contains("Brivo.jpg"));  // the first opponent's avatar is shown
}

TEST(Personality, FieldsNeverWrittenCountAsBlank) {
    const std::string nul(1, '\0');
    struct Case {
        std::string name, avatar, becomes, avatarBecomes;
    } cases[] = {
        {"   ", "", "Brivo", "Brivo.jpg"},
        {nul + "Zed", "Mine.jpg", "Brivo", "Brivo.jpg"},  // the whole seat takes the defaults
        {"Tessik", nul + "x.jpg", "Tessik", "Tessik.jpg"},
        {"Tessik", "  Mine.jpg", "Tessik", "Mine.jpg"},
    };
    for (const Case& c : cases) {
        Seats s;
        s.Seat(2) = SeatRecord{c.name, c.avatar, "Default Personality", 1, 0};
        SeatToOpp(s.g, 2, s.Seat(2));
        LoadPersonality(s.g, 2, 2, nullptr);
        EXPECT_EQ(s.g.Opp[2].Name, c.becomes);
        EXPECT_EQ(s.g.Opp[2].Avatar, c.avatarBecomes);
    }
}

TEST(Personality, TheFilesNumberIsCopiedAsTheRuntimeWritesIt) {
    struct Case {
        const char* stored;
        const char* becomes;
    } cases[] = {{"7", " 7"}, {"1.5", " 1.5"}, {"-2", "-2"}, {"x", " 0"}, {"", " 0"}};
    for (const Case& c : cases) {
        Seats s;
        RecordFile file(s.folder.File("Data/PMS/Tessik.pms"), PmsRecord::kSize);
        PmsRecord pms;
        ASSERT_TRUE(ReadRecord(file, 1, pms));
        pms.Sounds[0] = c.stored;
        ASSERT_TRUE(WriteRecord(file, 1, pms));
        s.Seat(1) = SeatRecord{"Tessik", "", "Default Personality", 0, 0};
        SeatToOpp(s.g, 1, s.Seat(1));
        LoadPersonality(s.g, 1, 1, nullptr);
        EXPECT_EQ(s.g.Opp[1].Sounds[0], c.becomes) << c.stored;
    }
    Seats s;  // a damaged number far past any integer must not upset the load
    RecordFile file(s.folder.File("Data/PMS/Brivo.pms"), PmsRecord::kSize);
    PmsRecord pms;
    ASSERT_TRUE(ReadRecord(file, 1, pms));
    pms.Sounds[0] = "1e300";
    ASSERT_TRUE(WriteRecord(file, 1, pms));
    SeatToOpp(s.g, 1, s.Seat(1));
    LoadPersonality(s.g, 1, 1, nullptr);
    EXPECT_EQ(s.g.Opp[1].Sounds[0].substr(0, 2), " 1");
}

TEST(Personality, FallsBackForMissingOrUnsafeNamesAndFiles) {
    struct Case {
        const char* name;
        const char* comments;
        int soundSet;
        const char* becomes;
        const char* commentsBecome;
        const char* told;  // a missing file is named to the player; an unsafe name is not a file
    } cases[] = {
        {"Zed", "Default Personality", 0, "Brivo", "Default Personality",
         "The personality file Data/PMS/Zed.pms is missing, so Brivo plays in Zed's place."},
        {"../../etc/passwd", "Default Personality", 0, "Brivo", "Default Personality", ""},
        {"Tessik", "Gone", 1, "Tessik", "Default Personality",
         "The comment file users/Gone.cmt is missing, so the personality's own remarks are used."},
        {"Tessik", "../Prefs", 1, "Tessik", "Default Personality", ""},
    };
    for (const Case& c : cases) {
        Seats s;
        s.Seat(2) = SeatRecord{c.name, "", c.comments, 1, static_cast<i16>(c.soundSet)};
        SeatToOpp(s.g, 2, s.Seat(2));
        EXPECT_EQ(LoadPersonality(s.g, 2, 2, nullptr), c.told);
        const OpponentRecord& o = s.g.Opp[2];
        EXPECT_EQ(o.Name, c.becomes) << c.name;
        EXPECT_EQ(o.CommentFile, c.commentsBecome) << c.name;
        EXPECT_EQ(o.Avatar, std::string(c.becomes) + ".jpg");
        EXPECT_EQ(o.Comments[27], std::string(c.becomes) + " line27");
    }
    Seats s;
    s.Seat(1) = SeatRecord{"Tessik", "Own.jpg", "Default Personality", 2, 1};
    SeatToOpp(s.g, 1, s.Seat(1));
    LoadPersonality(s.g, 1, 1, nullptr);
    EXPECT_EQ(s.g.Opp[1].Avatar, "Own.jpg");
    EXPECT_EQ(s.g.DefaultAvatar, "Tessik.jpg");
    EXPECT_EQ(s.g.Opp[1].Sounds[3], s.folder.File("Sounds/Tessik_c3.wav"));
    EXPECT_EQ(s.g.Opp[1].Sounds[4], s.folder.File("Data/empty.wav"));  // a sound that is missing
}

// The twenty lines are read on their own: a comment file far larger than them (a sparse
// gigabyte here) costs no more time or memory than a small one.
TEST(Personality, ACommentFileIsReadTwentyLinesAndNoMore) {
    Seats s;
    WriteCommentFile(s.folder, "Huge");
    std::filesystem::resize_file(s.folder.File("users/Huge.cmt"), std::uintmax_t{1} << 30);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(LoadCmtFile(s.g, "Huge"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(s.g.CompComments[1], "custom1");
    EXPECT_EQ(s.g.CompComments[20], "custom20");
}

TEST(Personality, CommentSetsReplaceOrSilenceTheRemarks) {
    Seats s;
    WriteCommentFile(s.folder, "Mine");
    s.Seat(1) = SeatRecord{"Tessik", "", "Mine", 0, 0};
    s.Seat(2) = SeatRecord{"Brivo", "", "No Comments", 0, 0};
    s.Seat(3) = SeatRecord{"Brivo", "", "Default Personality", 0, 0};
    s.g.Opp[2].Comments[34] = "own 34";
    EXPECT_EQ(ApplyOpponentSeats(s.g, s.seats, nullptr), "");
    EXPECT_EQ(s.g.Opp[1].Comments[20], "custom20");
    EXPECT_EQ(s.g.Opp[1].Comments[21], "Tessik line21");
    // Seat 2 is quiet; it keeps its own lines 34-35 and carries the list's 28-33.
    EXPECT_EQ(s.g.Opp[2].Comments[34], "own 34");
    EXPECT_EQ(s.g.Opp[3].Comments[28], "Tessik line28");
    EXPECT_EQ(s.g.Opp[3].Comments[5], "Brivo line5");

    Seats q;
    q.Seat(1) = SeatRecord{"Tessik", "", "No Comments", 0, 0};
    SeatToOpp(q.g, 1, q.Seat(1));
    LoadPersonality(q.g, 1, 1, nullptr);
    EXPECT_EQ(q.g.CompComments[33], "");
    EXPECT_EQ(q.g.CompComments[34], "Tessik line34");
    q.g.CompComments[5] = "kept";
    OppSwap(q.g, 1, false);
    EXPECT_EQ(q.g.QuietComp, VbTrue);
    EXPECT_EQ(q.g.CompComments[5], "kept");

    EXPECT_FALSE(LoadCmtFile(q.g, "../../x"));
    EXPECT_TRUE(LoadPmsComments(q.g, "Nobody"));  // the default personality's lines
    EXPECT_EQ(q.g.CompComments[20], "Brivo line20");
}

TEST(Personality, AMissingPersonalityFolderPlaysQuietlyAndSaysSo) {
    Seats s;
    std::filesystem::remove_all(s.folder.File("Data/PMS"));
    s.Seat(1) = SeatRecord{"Tessik", "", "Default Personality", 0, 0};
    SeatToOpp(s.g, 1, s.Seat(1));
    const std::string warning = LoadPersonality(s.g, 1, 1, nullptr);
    EXPECT_NE(warning.find("without remarks or sounds"), std::string::npos);
    EXPECT_EQ(s.g.CompComments[1], "");
    EXPECT_EQ(s.g.CompSounds[1], s.folder.File("Data/empty.wav"));
}

TEST(OppSwap, OnlineTheLevelIsTheSeatsSocketAndTheAvatarFollowsTheTurn) {
    Game g;
    HeadlessServices h(g);
    g.NumPlayers = 4;
    g.Opp[2].Avatar = "Ruun.jpg";
    g.Opp[2].Level = 2;
    g.Pturn = 3;
    OppSwap(g, 2, false, &h.board);
    EXPECT_EQ(g.CompLevel, 2);
    EXPECT_TRUE(h.log.Contains("Ruun.jpg"));

    g.NetConnected = 2;
    g.IsHost = 1;
    g.NetSeats[2] = NetSeat{"Ann", 5, 7, 2};
    OppSwap(g, 2, false);
    EXPECT_EQ(g.CompLevel, 5);
    g.IsHost = 0;
    OppSwap(g, 2, false);
    EXPECT_EQ(g.CompLevel, 0);
}

TEST(OppSwap, EachDirectionCopiesOnlyItsOwnFields) {
    Game g;
    g.NumPlayers = 2;
    OpponentRecord& r = g.Opp[1];
    r.Name = "Tessik";
    r.Level = 1;
    r.CommentFile = "Default Personality";
    r.Comments[33] = "record 33";
    r.Comments[34] = "record 34";
    r.Sounds[3] = "record sound";
    r.HoldPileInfo[2][0] = 9;
    r.HoldPileInfo[2][1] = 4;
    g.CompComments[34] = "own 34";
    g.HoldPileInfo[2][0] = 5;
    g.HoldPileInfo[2][3] = 6;

    OppSwap(g, 1, false);
    EXPECT_EQ(g.CompComments[33], "record 33");
    EXPECT_EQ(g.CompComments[34], "own 34");  // lines 34 and 35 stay the first opponent's
    EXPECT_EQ(g.HoldPileInfo[2][1], 4);
    EXPECT_EQ(g.HoldPileInfo[2][0], 5);  // planning depth and link are the working copy's own
    EXPECT_EQ(g.HoldPileInfo[2][3], 6);

    g.CurName = "Other";
    g.CompLevel = 2;
    g.CompSounds[3] = "working sound";
    g.CompComments[1] = "working 1";
    g.HoldPileInfo[2][1] = 3;
    OppSwap(g, 1, true);
    EXPECT_EQ(r.HoldPileInfo[2][1], 3);
    EXPECT_EQ(r.HoldPileInfo[2][0], 9);
    EXPECT_EQ(r.Name, "Tessik");  // the personality is never written back
    EXPECT_EQ(r.Level, 1);
    EXPECT_EQ(r.Sounds[3], "record sound");
    EXPECT_EQ(r.Comments[1], "");
}
