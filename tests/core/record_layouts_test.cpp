// The stored layouts of the profile, score, high-score, personality, comment and game-state
// records: each field lands at its byte offset, and a record read and written back keeps every
// byte, reserved ones included.
#include <gtest/gtest.h>

#include <functional>

#include "records/high_score_record.h"
#include "records/score_record.h"
#include "shared/comment_record.h"
#include "shared/game_state_record.h"
#include "shared/pms_record.h"
#include "shared/prefs_record.h"

namespace {

template <class R>
RecordBuffer Encoded(const R& r) {
    RecordBuffer buf(R::kSize);
    r.Encode(buf);
    return buf;
}

// Fills a buffer with a byte pattern in which every 16-bit value differs from its neighbours.
RecordBuffer Patterned(size_t size) {
    RecordBuffer buf(size);
    for (size_t i = 0; i < size; ++i) buf.bytes()[i] = static_cast<std::uint8_t>((i * 7 + 3) % 251);
    return buf;
}

struct Golden {
    size_t offset;
    std::function<void(PrefsRecord&)> set;
};

}  // namespace

TEST(PrefsRecordLayout, FieldsAtTheirOffsets) {
    const std::vector<Golden> cases = {
        {12, [](PrefsRecord& p) { p.NumPlayers = 4; }},
        {14, [](PrefsRecord& p) { p.NumCenters = 4; }},
        {20, [](PrefsRecord& p) { p.SpeedLevel = 4; }},
        {22, [](PrefsRecord& p) { p.AnimationSpeed = 4; }},
        {32, [](PrefsRecord& p) { p.HoldLeft = 4; }},
        {44, [](PrefsRecord& p) { p.MenuStyle = 4; }},
        {50, [](PrefsRecord& p) { p.AutoSave = 4; }},
        {54, [](PrefsRecord& p) { p.NoWinAnimation = 4; }},
        {62, [](PrefsRecord& p) { p.Rules[3] = 4; }},
        {64 + 2 * (1 + 4 * 2), [](PrefsRecord& p) { p.BestRun[1][2] = 4; }},
        {88 + 2 * 6, [](PrefsRecord& p) { p.GamesPlayed[6] = 4; }},
        {102, [](PrefsRecord& p) { p.GamesWon[0] = 4; }},
        {116 + 2 * 3, [](PrefsRecord& p) { p.MarginTotal[3] = 4; }},
        {130 + 154 * 2 + 150, [](PrefsRecord& p) { p.Seats[2].Level = 4; }},
        {130 + 154 * 3 + 152, [](PrefsRecord& p) { p.Seats[3].SoundSet = 4; }},
        {746, [](PrefsRecord& p) { p.StretchBackground = 4; }},
    };
    for (const auto& c : cases) {
        PrefsRecord p;
        c.set(p);
        const RecordBuffer buf = Encoded(p);
        EXPECT_EQ(buf.GetI16(c.offset), 4) << "offset " << c.offset;
        PrefsRecord back;
        back.Decode(buf);
        EXPECT_EQ(Encoded(back).bytes()[c.offset], 4);
    }
    PrefsRecord p;
    p.DeckColor = 0x00C0E0FF;
    p.Seats[1].Name = "Tessik";
    p.Seats[1].Avatar = "Tessik.jpg";
    p.Seats[1].Comments = "Default Personality";
    const RecordBuffer buf = Encoded(p);
    EXPECT_EQ(buf.GetI32(8), 0x00C0E0FF);
    EXPECT_EQ(buf.GetRawText(130 + 154, 20), "Tessik              ");
    EXPECT_EQ(buf.GetText(130 + 154 + 20, 30), "Tessik.jpg");
    EXPECT_EQ(buf.GetText(130 + 154 + 50, 100), "Default Personality");
}

TEST(PrefsRecordLayout, ReservedBytesAndEverythingElseSurviveARoundTrip) {
    RecordBuffer stored = Patterned(PrefsRecord::kSize);
    // Text fields are blank padded on disk; put real text there so the bytes can compare.
    for (int s = 0; s < 4; ++s) {
        stored.SetText(130 + 154 * s, 20, "Seat" + std::to_string(s));
        stored.SetText(130 + 154 * s + 20, 30, "pic.jpg");
        stored.SetText(130 + 154 * s + 50, 100, "No Comments");
    }
    PrefsRecord p;
    p.Decode(stored);
    const RecordBuffer rewritten = Encoded(p);
    EXPECT_TRUE(
        std::equal(stored.bytes().begin(), stored.bytes().end(), rewritten.bytes().begin()));
}

TEST(SmallRecordLayouts, FieldsAtTheirOffsets) {
    ScoreRecord s;
    s.Name = "Ada";
    s.Numbers = {1, -2, 3, 32000};
    RecordBuffer sb = Encoded(s);
    EXPECT_EQ(sb.GetRawText(0, 30), "Ada" + std::string(27, ' '));
    EXPECT_EQ(sb.GetI16(32), -2);
    EXPECT_EQ(sb.GetI16(36), 32000);

    HighScoreRecord h;
    h.When = DayCountOf(2026, 12, 10);
    h.Name = "Brivo";
    h.Side = 5, h.Hand = 6, h.Hold = 7, h.Total = 18;
    RecordBuffer hb = Encoded(h);
    EXPECT_DOUBLE_EQ(hb.GetF64(0), 46366.0);  // the runtime's day number of that date
    EXPECT_EQ(hb.GetText(8, 20), "Brivo");
    EXPECT_EQ(hb.GetI16(28), 5);
    EXPECT_EQ(hb.GetI16(34), 18);
    int y;
    unsigned m, d;
    DateOfDayCount(2.0, y, m, d);
    EXPECT_EQ(y * 10000 + static_cast<int>(m * 100 + d), 19000101);
    DateOfDayCount(1e300, y, m, d);  // a damaged date stays a date
    EXPECT_EQ(y, 9999);

    PmsRecord pms;
    pms.Comments[0] = "The description";
    pms.Comments[35] = "Last remark";
    pms.Sounds[0] = "3";
    pms.Sound(15, 1) = "loser.wav";
    pms.DefaultAvatar = "Brivo.jpg";
    RecordBuffer pb = Encoded(pms);
    EXPECT_EQ(pb.GetText(3500, 100), "Last remark");
    EXPECT_EQ(pb.GetText(3600, 30), "3");
    EXPECT_EQ(pb.GetText(3600 + 30 * 31, 30), "loser.wav");
    EXPECT_EQ(pb.GetText(4560, 20), "Brivo.jpg");
    PmsRecord pmsBack;
    pmsBack.Decode(pb);
    EXPECT_EQ(pmsBack.Comments, pms.Comments);
    EXPECT_EQ(pmsBack.Sounds, pms.Sounds);

    CommentRecord c{"Well played!"};
    EXPECT_EQ(Encoded(c).GetRawText(0, 100), "Well played!" + std::string(88, ' '));
}

TEST(GameStateRecordLayout, FieldsAtTheirOffsets) {
    GameStateRecord r;
    r.Pturn = 3;
    r.NumPlayers = 4;
    r.Stock[kRank][208] = 11;
    r.Used[kId][1] = 99;
    r.Side[3][kRank][26] = 12;  // Opp3's side pile, entry 26
    r.OppSideShape[2] = 21;
    r.Cards[2][kId][10] = 150;  // Opp2's slot 10
    r.Center[kRank][4][12] = 12;
    r.CenterCount[3] = 7;
    r.OppHold[2][kId][4][30] = 201;  // Opp3, pile 4, position 30
    r.HumanHold[kRank][2][5] = 9;
    r.Wild(8) = 6;            // Opp3 WildHand
    r.OppHoldFlag[2][2] = 1;  // Opp3, pile 2
    r.OppHoldCount[1][0] = 17;
    r.HumanHoldCount[4] = 29;
    r.Title = "AutoSave";
    const RecordBuffer b = Encoded(r);
    EXPECT_EQ(b.GetI16(2), 3);
    EXPECT_EQ(b.GetI16(24), 4);
    EXPECT_EQ(b.GetI16(866 + 4 * 208 + 2), 11);
    EXPECT_EQ(b.GetI16(1702 + 4), 99);
    EXPECT_EQ(b.GetI16(2862 + 4 * 26 + 2), 12);
    EXPECT_EQ(b.GetI16(2980), 21);
    EXPECT_EQ(b.GetI16(3070 + 40), 150);
    EXPECT_EQ(b.GetI16(3158 + 2 + 16 + 240), 12);
    EXPECT_EQ(b.GetI16(3424), 7);
    EXPECT_EQ(b.GetI16(3428 + 4 + 48 + 1800), 201);
    EXPECT_EQ(b.GetI16(5288 + 2 + 8 + 100), 9);
    EXPECT_EQ(b.GetI16(5310 + 20 * 7), 6);
    EXPECT_EQ(b.GetI16(5972 + 12), 1);
    EXPECT_EQ(b.GetI16(5938 + 6), 17);
    EXPECT_EQ(b.GetI16(6006), 29);
    EXPECT_EQ(b.GetRawText(6008, 30), "AutoSave" + std::string(22, ' '));
}

// Every header field at its own offset: a round trip cannot tell two swapped fields apart.
TEST(GameStateRecordLayout, HeaderFieldsAtTheirOffsets) {
    GameStateRecord r;
    r.NoWildAce = 101;
    r.Pturn = 102;
    r.CurSideCount = 103;
    r.HumanSideCount = 104;
    r.CurSideShape = 105;
    r.HumanSideShape = 106;
    r.StockCount = 107;
    r.UsedCount = 108;
    r.HandCount = 109;
    r.SidePileSize = 110;
    r.ForcedCards = 111;
    r.NumCenters = 112;
    r.NumPlayers = 113;
    const RecordBuffer b = Encoded(r);
    const std::uint8_t want[26] = {101, 0,   102, 0,   103, 0,   104, 0,   105, 0,   106, 0,   107,
                                   0,   108, 0,   109, 0,   110, 0,   111, 0,   112, 0,   113, 0};
    for (size_t i = 0; i < sizeof want; ++i) EXPECT_EQ(b.bytes()[i], want[i]) << "byte " << i;
}

TEST(GameStateRecordLayout, EveryByteSurvivesARoundTrip) {
    RecordBuffer stored = Patterned(GameStateRecord::kSize);
    stored.SetText(6008, 30, "^^Saved net game");
    GameStateRecord r;
    r.Decode(stored);
    EXPECT_EQ(r.Title, "^^Saved net game");
    const RecordBuffer rewritten = Encoded(r);
    EXPECT_TRUE(
        std::equal(stored.bytes().begin(), stored.bytes().end(), rewritten.bytes().begin()));
}
