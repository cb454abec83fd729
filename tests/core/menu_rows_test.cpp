#include "mainwindow/menu_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// A row read as one text: the caption, and after one tab the key name.
std::string RowText(const MenuRow& row) {
    return row.key.empty() ? row.caption : row.caption + "\t" + row.key;
}
std::vector<std::string> Texts(int menu, const MenuView& v) {
    std::vector<std::string> out;
    for (const MenuRow& r : MenuRows(menu, v)) out.push_back(r.separator ? "--" : RowText(r));
    return out;
}
MenuView Net(int connected, int host) {
    MenuView v;
    v.netConnected = connected;
    v.isHost = host;
    return v;
}
}  // namespace

TEST(MenuRows, GameAndOptionsListEveryRowWithItsKeyAfterATab) {
    const std::vector<std::string> game{"New Game\tF2",
                                        "Change/New Player",
                                        "--",
                                        "Save\tCtrl+S",
                                        "Restore\tCtrl+R",
                                        "--",
                                        "Previous Turn\tF4",
                                        "Restart Current Game",
                                        "--",
                                        "Scores and Stats\tF3",
                                        "--",
                                        "Exit\tF12"};
    EXPECT_EQ(Texts(1, {}), game);
    const std::vector<std::string> options{"Speed\tF5",
                                           "Sound",
                                           "Preferences",
                                           "--",
                                           "Rules\tF6",
                                           "Opponents Setup\tF10",
                                           "--",
                                           "Customize Comments",
                                           "--",
                                           "Change Background  [up/down arrows]",
                                           "Stretch Background  [right arrow key]",
                                           "Add Background",
                                           "--",
                                           "Display Size"};
    EXPECT_EQ(Texts(2, {}), options);
    EXPECT_TRUE(MenuRows(5, {}).empty());
}

TEST(MenuRows, InternetRowsFollowTheConnection) {
    EXPECT_EQ(Texts(3, Net(0, 0)),
              (std::vector<std::string>{"Start Internet Game\tF11", "Internet Game Scores", "--"}));
    EXPECT_EQ(Texts(3, Net(99, 1)),
              (std::vector<std::string>{"Host - END Internet Game", "Internet Game Scores", "--"}));
    EXPECT_EQ(Texts(3, Net(1, 0)),
              (std::vector<std::string>{"Remote - END Internet Game", "Internet Game Scores", "--",
                                        "Internet Players Setup\tF10", "Save This Game"}));
    EXPECT_EQ(Texts(3, Net(2, 1)),
              (std::vector<std::string>{"Host - END Internet Game", "Internet Game Scores", "--",
                                        "Internet Players Setup\tF10", "Save This Game",
                                        "Send Saved Internet Game", "--", "Host Setup and Rules",
                                        "--", "Restart Current Game", "New Game\tF2"}));
    // A failed connection (IsHost 9) is no host.
    EXPECT_EQ(RowCount(3, Net(1, 9)), 5);
}

TEST(MenuRows, HelpCaptionsFollowPeekingAndTheStatusBar) {
    MenuView v;
    v.peeking = false;
    v.statusBarShown = true;
    std::vector<std::string> help{"Help - User's Manual\tF1",
                                  "Tutorial",
                                  "Daily Tips",
                                  "Peek\tF7",
                                  "Card Counter\tF8",
                                  "Hide Status Bar\tF9",
                                  "--",
                                  "Visit the Internet Site",
                                  "About"};
    EXPECT_EQ(Texts(4, v), help);
    v.peeking = true;
    v.statusBarShown = false;
    help[3] = "Stop Peeking\tF7";
    help[5] = "Show Status Bar\tF9";
    EXPECT_EQ(Texts(4, v), help);
}

TEST(MenuRows, SeparatorsAreTwentyOneEmDashesAndCarryNoCommand) {
    const MenuRow sep = MenuRows(1, {})[2];
    EXPECT_TRUE(sep.separator);
    std::string dashes;
    for (int i = 0; i < 21; ++i) dashes += "\u2014";
    EXPECT_EQ(sep.caption, dashes);
    EXPECT_EQ(sep.caption.size(), 21u * 3);
    for (auto [menu, row] : {std::pair{1, 10}, {2, 3}, {2, 12}, {3, 6}, {4, 6}})
        EXPECT_FALSE(IsCommandRow(menu, row)) << menu << "," << row;
    for (auto [menu, row] : {std::pair{1, 11}, {2, 13}, {3, 10}, {4, 8}})
        EXPECT_TRUE(IsCommandRow(menu, row)) << menu << "," << row;
    EXPECT_FALSE(IsCommandRow(4, 9));
    EXPECT_FALSE(IsCommandRow(1, -1));
}
