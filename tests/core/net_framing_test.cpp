// Cutting the peers' byte streams into lines.
#include <gtest/gtest.h>

#include <random>

#include "net/line_framer.h"
#include "net/wire_format.h"

using net::Inbox;
using net::LineFramer;

namespace {

std::vector<std::string> Lines(Inbox& in) {
    std::vector<std::string> out;
    while (auto l = in.Take()) out.push_back(l->text);
    return out;
}

}  // namespace

TEST(LineFramer, AnyChunkingOfAStreamGivesTheSameLinesOnceEach) {
    const std::string stream =
        "OK\nWT\nPC  3# 2\r\nSY  1#Hi there\n\nDK  1# 2# 3#\nTR  2\nLO  3  1|Ann|Bob|\nGS";
    const std::vector<std::string> expected = {
        "OK", "WT", "PC  3# 2", "SY  1#Hi there", "", "DK  1# 2# 3#", "TR  2", "LO  3  1|Ann|Bob|"};
    std::mt19937 rng(7);
    for (int trial = 0; trial < 500; ++trial) {
        LineFramer f;
        std::vector<std::string> got;
        size_t at = 0;
        while (at < stream.size()) {
            size_t n = std::uniform_int_distribution<size_t>(0, 9)(rng);
            n = std::min(n, stream.size() - at);
            ASSERT_TRUE(f.Feed(std::string_view(stream).substr(at, n), got));
            at += n;
        }
        ASSERT_EQ(got, expected) << "trial " << trial;
        EXPECT_EQ(f.Held(), 2u);  // "GS" waits for its line feed
    }
}

TEST(LineFramer, AnOverlongLineStopsThatPeerOnly) {
    Inbox in;
    const std::string chunk(4096, 'x');
    bool ok = true;
    for (int i = 0; i < 256 && ok; ++i) ok = in.Feed(2, chunk);  // a megabyte without a line end
    EXPECT_FALSE(ok);
    EXPECT_TRUE(in.Broken(2));
    EXPECT_EQ(in.Held(2), 0u);
    EXPECT_FALSE(in.Feed(2, "OK\n"));  // nothing more is taken from it
    EXPECT_TRUE(in.Feed(1, "OK\n"));
    EXPECT_EQ(Lines(in), std::vector<std::string>{"OK"});
    in.Drop(2);  // the socket is reused by a new joiner
    EXPECT_TRUE(in.Feed(2, "IP ^ 8. 4. 0\n"));
    EXPECT_EQ(Lines(in), std::vector<std::string>{"IP ^ 8. 4. 0"});
}

TEST(LineFramer, ALineOfExactlyTheLimitPassesAndOneMoreByteDoesNot) {
    LineFramer f;
    std::vector<std::string> got;
    EXPECT_TRUE(f.Feed(std::string(net::kMaxLine, 'a') + "\n", got));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_FALSE(f.Feed(std::string(net::kMaxLine + 1, 'a') + "\n", got));
    EXPECT_EQ(got.size(), 1u);
}

TEST(LineFramer, APeerThatFloodsCompleteLinesIsStoppedAtWhatItMayHold) {
    Inbox in;
    const std::string line = std::string(1000, 'y') + "\n";
    int fed = 0;
    while (in.Feed(3, line)) ++fed;
    EXPECT_EQ(fed, static_cast<int>(net::kMaxHeld / line.size()));
    EXPECT_TRUE(in.Empty());  // what it sent is dropped with it
}

TEST(LineFramer, EachPeerHoldsItsOwnUnfinishedLine) {
    Inbox in;
    EXPECT_TRUE(in.Feed(1, "TR "));
    EXPECT_TRUE(in.Feed(2, "SY  4#hel"));
    EXPECT_TRUE(in.Feed(4, "W"));
    EXPECT_TRUE(in.Feed(1, " 2\nOK\n"));
    EXPECT_TRUE(in.Feed(2, "lo\n"));
    EXPECT_TRUE(in.Feed(4, "T\n"));
    std::vector<std::pair<int, std::string>> got;
    while (auto l = in.Take()) got.emplace_back(l->peer, l->text);
    const std::vector<std::pair<int, std::string>> expected = {
        {1, "TR  2"}, {1, "OK"}, {2, "SY  4#hello"}, {4, "WT"}};
    EXPECT_EQ(got, expected);
    EXPECT_FALSE(in.Feed(5, "OK\n"));  // there is no socket 5
}

TEST(WireFormat, EveryLineIsWrittenAsThePeersExpectIt) {
    const net::Version v{8, 4, 0};
    const std::vector<std::string> names = {"Ann", "Bob", "Cy"};
    const std::pair<std::string, std::string> cases[] = {
        {net::MyVersion(v), " 8. 4. 0"},
        {net::HostHelloLine(v, 2), "IP ^ 8. 4. 0^ 2"},
        {net::RemoteHelloLine(v), "IP ^ 8. 4. 0"},
        {net::NameLine("Zo\xC3\xAB"), "NM Zo\xEB"},  // one byte per character on the wire
        {net::MoveLine(3, 2), "PC  3# 2"},
        {net::MoveLine(5, 12), "PC  5# 12"},
        {net::ChatLine(7, "Ann: hi"), "SY  7#Ann: hi"},
        {net::PeekLine(true), "PK True"},
        {net::PeekLine(false), "PK False"},
        {net::LayoutLine(2, 3, 1, names), "LO  2  1|"},
        {net::LayoutLine(2, 4, 1, names), "LO  5  1|"},
        {net::LayoutLine(3, 4, 2, names), "LO  3  2|Ann|Bob|"},
        {net::LayoutLine(4, 4, 3, names), "LO  4  3|Ann|Bob|Cy|"},
        {net::BareLine(net::CodeOf("GS")), "GS"},
        {net::BareLine(99), ""},
        {net::VersionDigits(v), "84"},
        {net::VersionDigits({12, 15, 1}), "99"},
        {net::VersionDigits({7, 10, 0}), "79"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

TEST(WireFormat, CodesAreKnownByTheirFirstTwoLetters) {
    EXPECT_EQ(net::CodeOf("IP ^ 8. 4. 0"), 1);
    EXPECT_EQ(net::CodeOf("EG"), 15);
    EXPECT_EQ(net::CodeOf("PC  1# 2"), 7);
    EXPECT_EQ(net::CodeOf("pc  1# 2"), 0);
    EXPECT_EQ(net::CodeOf("X"), 0);
    EXPECT_EQ(net::CodeOf(""), 0);
}
