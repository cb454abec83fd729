// Re-laying a table for other counts of players and centers, in any display mode, gives the
// table a fresh start would give for those counts.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "tests/core/layout_fixture.h"

namespace {

bool Near(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

std::string ControlDiff(const std::string& key, const ControlGeom& a, const ControlGeom& b) {
    std::ostringstream out;
    if (!Near(a.Left, b.Left) || !Near(a.Top, b.Top) || !Near(a.Width, b.Width) ||
        !Near(a.Height, b.Height))
        out << key << " at " << a.Left << "," << a.Top << " " << a.Width << "x" << a.Height
            << " vs " << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height << "\n";
    if (a.Visible != b.Visible || a.Enabled != b.Enabled)
        out << key << " visible/enabled " << a.Visible << a.Enabled << " vs " << b.Visible
            << b.Enabled << "\n";
    if (a.Caption != b.Caption || a.Picture != b.Picture || a.Stretch != b.Stretch ||
        !Near(a.FontSize, b.FontSize))
        out << key << " caption/picture/stretch/font differ\n";
    return out.str();
}

// Everything a player sees of the table, and the geometry the next step reads.
std::string TableDiff(const TableLayout& a, const TableLayout& b) {
    std::ostringstream out;
    for (const auto& [key, ca] : a.Form().Controls) {
        auto it = b.Form().Controls.find(key);
        if (it == b.Form().Controls.end())
            out << key << " only in the re-laid table\n";
        else
            out << ControlDiff(key, ca, it->second);
    }
    for (const auto& [key, cb] : b.Form().Controls)
        if (!a.Form().Controls.count(key)) out << key << " only in the fresh table\n";
    const int va[] = {
        a.DisplayMode,   a.CardWidthPx,   a.CardHeightPx,       a.HoldRowLeft,
        a.HoldRowTop,    a.HandRowLeft,   a.HandRowTop,         a.CenterTop,
        a.CenterLeft,    a.NumPlayers,    a.NumCenters,         a.CenterLoaded,
        a.Player3Loaded, a.Player4Loaded, a.DefaultWindowWidth, a.DefaultWindowHeight};
    const int vb[] = {
        b.DisplayMode,   b.CardWidthPx,   b.CardHeightPx,       b.HoldRowLeft,
        b.HoldRowTop,    b.HandRowLeft,   b.HandRowTop,         b.CenterTop,
        b.CenterLeft,    b.NumPlayers,    b.NumCenters,         b.CenterLoaded,
        b.Player3Loaded, b.Player4Loaded, b.DefaultWindowWidth, b.DefaultWindowHeight};
    for (std::size_t i = 0; i < std::size(va); ++i)
        if (va[i] != vb[i]) out << "variable " << i << ": " << va[i] << " vs " << vb[i] << "\n";
    for (int i = 0; i < 3; ++i)
        if (a.Display[i].Caption != b.Display[i].Caption ||
            a.Display[i].Enabled != b.Display[i].Enabled)
            out << "Display(" << i << ") " << a.Display[i].Caption << " vs " << b.Display[i].Caption
                << "\n";
    if (!Near(a.Form().Width, b.Form().Width) || !Near(a.Form().Height, b.Form().Height))
        out << "window " << a.Form().Width << "x" << a.Form().Height << " vs " << b.Form().Width
            << "x" << b.Form().Height << "\n";
    return out.str();
}

struct Counts {
    int players, centers;
};
constexpr Counts kTables[] = {{2, 3}, {2, 4}, {3, 4}, {4, 4}};

class RoundTrip : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(RoundTrip, AnyTableToAnyOtherEqualsAFreshOne) {
    const auto [mode, screen] = GetParam();
    for (const Counts from : kTables) {
        for (const Counts to : kTables) {
            SCOPED_TRACE(testing::Message() << from.players << "x" << from.centers << " to "
                                            << to.players << "x" << to.centers);
            TableLayout t = FreshTable(from.players, from.centers, mode, screen);
            // Rows stay up with small cards except on a two-player table.
            const int kept = t.DisplayMode == 3 && to.players == 2 ? 2 : t.DisplayMode;
            const Game g = TableGame(to.players, to.centers);
            t.Setup_Layout(g, from.players, from.centers);
            t.Reset_Table(g);
            const TableLayout fresh = FreshTable(to.players, to.centers, kept, screen);
            EXPECT_EQ(TableDiff(t, fresh).substr(0, 400), "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ModesAndScreens, RoundTrip,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3),
                                            ::testing::Values(9600, 10000, 12000, 12001, 12100,
                                                              12288, kScreen1024, 38400)));

}  // namespace
