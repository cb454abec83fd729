// Reading every protocol line back, and refusing each malformed variant.
#include <gtest/gtest.h>

#include "net/wire_parse.h"

using namespace net;

namespace {

// What a line reads as, written out so that one table covers every reader: the values read, or
// "refused".
std::string Read(const std::string& line) {
    Fault f;
    const i16 code = CodeOf(line);
    auto refused = [&] { return "refused: " + f.text; };
    auto s = [](int n) { return std::to_string(n); };
    switch (code) {
        case IP: {
            const bool fromHost = line.find("^", line.find("^") + 1) != std::string::npos;
            auto h = ParseHello(line, fromHost, f);
            if (!h) return refused();
            if (!h->hasVersion) return "no version";
            return VersionDigits(h->version) + " socket " + s(h->socket);
        }
        case NM: {
            auto n = ParseName(line, f);
            return n ? "name " + *n : refused();
        }
        case TR: {
            auto t = ParseTurn(line, 4, f);
            return t ? "turn " + s(*t) : refused();
        }
        case PC: {
            if (IsBare(line)) return "bare";
            auto m = ParseMove(line, 3, f);
            return m ? "move " + s(m->from) + " to " + s(m->to) : refused();
        }
        case SY: {
            auto c = ParseChat(line, f);
            return c ? "chat " + s(c->seq) + " [" + c->text + "]" : refused();
        }
        case PK: {
            auto p = ParsePeek(line, f);
            return p ? (*p ? "peeking" : "not peeking") : refused();
        }
        case LO: {
            auto l = ParseLayout(line, f);
            if (!l) return refused();
            std::string out = s(l->players) + "p " + s(l->centers) + "c seat " + s(l->seat);
            for (const auto& n : l->names) out += " " + n;
            return out;
        }
        case DK: {
            auto fields = ParseFields(PayloadOf(line), 8, f);
            if (!fields) return refused();
            std::string out = "fields";
            for (int n : *fields) out += " " + s(n);
            return out;
        }
        default:
            return IsBare(line) ? "bare" : "other";
    }
}

}  // namespace

TEST(WireParse, EveryMessageReadsBackAndEachMalformedVariantIsRefused) {
    const Version v{8, 4, 0};
    const std::vector<std::string> three = {"Ann", "Bob"};
    const std::pair<std::string, std::string> cases[] = {
        // Hellos: digits read as numbers, not picked from fixed places.
        {HostHelloLine(v, 2), "84 socket 2"},
        {RemoteHelloLine(v), "84 socket 0"},
        {"IP ^ 10. 2. 0^ 1", "92 socket 1"},
        {"IP ^ 7. 4. 1", "74 socket 0"},
        {"IP ^ 7. 4. 1^ 2", "refused: a hello with more than a version"},
        {"IP", "no version"},
        {"IP ^8^", "refused: a hello without a version number"},
        {"IP ^ 8. x. 0", "refused: a hello with a damaged version number"},
        {"IP ^ 8. 4. 1e10", "refused: a hello with a damaged version number"},
        {"IP ^ 8. 4. 0^ 9", "refused: a hello without the seat's connection number"},
        {"IP ^ 8. 4. 0^", "refused: a hello without the seat's connection number"},
        // Names.
        {NameLine("Ann Lee"), "name Ann Lee"},
        {"NM   Ann  ", "name Ann"},
        {"NM Zo\xEB", "name Zo\xC3\xAB"},
        {"NM ", "refused: an empty name"},
        {"NM ../etc", "refused: a name that cannot be a player's name"},
        {"NM a|b", "refused: a name that cannot be a player's name"},
        {"NM <b>x</b>", "refused: a name that cannot be a player's name"},
        {"NM tab\there", "refused: a name that cannot be a player's name"},
        {"NM bell\x81", "refused: a name that cannot be a player's name"},
        {"NM " + std::string(21, 'n'), "refused: a name that cannot be a player's name"},
        {"NM " + std::string(20, 'n'), "name " + std::string(20, 'n')},
        // The first player.
        {"TR  2", "turn 2"},
        {"TR 0", "refused: a first player who is not at the table"},
        {"TR 9", "refused: a first player who is not at the table"},
        {"TR", "refused: a first player who is not at the table"},
        {"TR  1e10", "refused: a first player who is not at the table"},
        // Card moves (three centers).
        {MoveLine(3, 2), "move 3 to 2"},
        {MoveLine(1, 3), "move 1 to 3"},
        {MoveLine(10, 1), "move 10 to 1"},
        {MoveLine(4, 9), "move 4 to 9"},
        {MoveLine(5, 12), "move 5 to 12"},
        {MoveLine(0, 1), "refused: a card move from or to a place that does not exist"},
        {MoveLine(11, 1), "refused: a card move from or to a place that does not exist"},
        {MoveLine(3, 4), "refused: a card move from or to a place that does not exist"},
        {MoveLine(3, 11), "refused: a card move from or to a place that does not exist"},
        {MoveLine(3, 17), "refused: a card move from or to a place that does not exist"},
        {MoveLine(1, 8), "refused: a card move from or to a place that does not exist"},
        {MoveLine(7, 12), "refused: a card move from or to a place that does not exist"},
        {"PC  3", "refused: a damaged card move"},
        {"PC  3# 2x", "refused: a card move from or to a place that does not exist"},
        {"PC 99999999# 1", "refused: a card move from or to a place that does not exist"},
        {"PC", "bare"},
        // Chat and peek.
        {ChatLine(4, "Ann: hello"), "chat 4 [Ann: hello]"},
        {"SY  5#a\tb\x01", "chat 5 [a b]"},
        {"SY  6#", "chat 6 []"},
        {"SY hello", "refused: a chat line without its number"},
        {PeekLine(true), "peeking"},
        {PeekLine(false), "not peeking"},
        {"PK yes", "refused: a peek notice that is neither True nor False"},
        // Layouts.
        {LayoutLine(2, 3, 1, {}), "2p 3c seat 1"},
        {LayoutLine(2, 4, 1, {}), "2p 4c seat 1"},
        {LayoutLine(3, 4, 2, three), "3p 4c seat 2 Ann Bob"},
        {"LO  4  1|Ann||Cy|", "4p 4c seat 1 Ann  Cy"},  // seat 2 not taken yet
        {"LO  3  0|Ann|Bob|", "refused: a layout with a seat that is not at the table"},
        {"LO  3  3|Ann|Bob|", "refused: a layout with a seat that is not at the table"},
        {"LO  6  1|", "refused: a layout with a damaged player count"},
        {"LO  3  1|Ann|", "refused: a layout with names missing"},
        {"LO  3  1|Ann||", "3p 4c seat 1 Ann "},  // a seat still waiting for its player
        {"LO  3  1|Ann|../x|", "refused: a layout with a name that cannot be a player's name"},
        {"LO  2  1|Ann|", "refused: a layout with more than the table's names"},
        {"LO  2  1", "refused: a layout without its end mark"},
        // Numbers of a deck or a game state.
        {"DK  5# 6# -1#", "fields 5 6 -1"},
        {"DK ", "fields"},
        {"DK  5# 1e10#", "refused: a damaged number"},
        {"DK  5# 6", "refused: numbers without their end mark"},
        {"DK  1# 2# 3# 4# 5# 6# 7# 8# 9#", "refused: more numbers than the message can hold"},
        // Bare codes and lines that are no message.
        {"GS", "bare"},
        {"OK  ", "bare"},
        {"GO x", "other"},
        {"ZZ top", "other"},
    };
    for (const auto& [line, want] : cases) EXPECT_EQ(Read(line), want) << line;
}

TEST(WireParse, NumbersAreRangeCheckedAsText) {
    EXPECT_EQ(ReadInt(" 5"), 5);
    EXPECT_EQ(ReadInt("-1"), -1);
    EXPECT_EQ(ReadInt(" 999999 "), 999999);
    for (const char* bad : {"", " ", "-", "1000000", "1e10", "&H10", "1.5", "+3", "- 3", "3 4"})
        EXPECT_FALSE(ReadInt(bad).has_value()) << bad;
}

TEST(WireParse, AFieldReaderStopsAtTheFirstFieldOutOfRange) {
    FieldReader r({3, 7, 2});
    int a = 0, b = 0;
    EXPECT_TRUE(r.Next(a, 1, 5));
    EXPECT_FALSE(r.Next(b, 1, 5));
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.Left(), 0u);
    EXPECT_FALSE(r.Next(b, 0, 10));  // spoiled for good
    EXPECT_EQ(a, 3);
}
