#include "mainwindow/menu_rows.h"

#include <algorithm>
#include <initializer_list>

const char* const kSeparatorText =
    "\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014"
    "\u2014\u2014\u2014\u2014\u2014\u2014";

namespace {

MenuRow Row(const char* caption, const char* key = "") {
    return MenuRow{caption, key, false, true};
}
MenuRow Separator() {
    return MenuRow{kSeparatorText, "", true, true};
}

std::vector<MenuRow> GameRows() {
    return {Row("New Game", "F2"),
            Row("Change/New Player"),
            Separator(),
            Row("Save", "Ctrl+S"),
            Row("Restore", "Ctrl+R"),
            Separator(),
            Row("Previous Turn", "F4"),
            Row("Restart Current Game"),
            Separator(),
            Row("Scores and Stats", "F3"),
            Separator(),
            Row("Exit", "F12")};
}

std::vector<MenuRow> OptionsRows() {
    return {Row("Speed", "F5"),
            Row("Sound"),
            Row("Preferences"),
            Separator(),
            Row("Rules", "F6"),
            Row("Opponents Setup", "F10"),
            Separator(),
            Row("Customize Comments"),
            Separator(),
            Row("Change Background  [up/down arrows]"),
            Row("Stretch Background  [right arrow key]"),
            Row("Add Background"),
            Separator(),
            Row("Display Size")};
}

std::vector<MenuRow> InternetRows(const MenuView& v) {
    std::vector<MenuRow> rows;
    if (v.netConnected == 0)
        rows.push_back(Row("Start Internet Game", "F11"));
    else
        rows.push_back(
            Row(v.isHost != 0 ? "Host - END Internet Game" : "Remote - END Internet Game"));
    rows.push_back(Row("Internet Game Scores"));
    rows.push_back(Separator());
    const bool connected = v.netConnected >= 1 && v.netConnected != 99;
    if (!connected) return rows;
    rows.push_back(Row("Internet Players Setup", "F10"));
    rows.push_back(Row("Save This Game"));
    if (v.isHost != 1) return rows;
    rows.push_back(Row("Send Saved Internet Game"));
    rows.push_back(Separator());
    rows.push_back(Row("Host Setup and Rules"));
    rows.push_back(Separator());
    rows.push_back(Row("Restart Current Game"));
    rows.push_back(Row("New Game", "F2"));
    return rows;
}

std::vector<MenuRow> HelpRows(const MenuView& v) {
    return {Row("Help - User's Manual", "F1"),
            Row("Tutorial"),
            Row("Daily Tips"),
            Row(v.peeking ? "Stop Peeking" : "Peek", "F7"),
            Row("Card Counter", "F8"),
            Row(v.statusBarShown ? "Hide Status Bar" : "Show Status Bar", "F9"),
            Separator(),
            Row("Visit the Internet Site"),
            Row("About")};
}

bool In(int row, std::initializer_list<int> rows) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

int FullRowCount(int menu) {
    switch (menu) {
        case 1:
            return 12;
        case 2:
            return 14;
        case 3:
            return 11;
        case 4:
            return 9;
        default:
            return 0;
    }
}

}  // namespace

std::vector<MenuRow> MenuRows(int menu, const MenuView& view) {
    switch (menu) {
        case 1:
            return GameRows();
        case 2:
            return OptionsRows();
        case 3:
            return InternetRows(view);
        case 4:
            return HelpRows(view);
        default:
            return {};
    }
}

bool IsSeparatorRow(int menu, int row) {
    switch (menu) {
        case 1:
            return In(row, {2, 5, 8, 10});
        case 2:
            return In(row, {3, 6, 8, 12});
        case 3:
            return In(row, {2, 6, 8});
        case 4:
            return row == 6;
        default:
            return false;
    }
}

bool IsCommandRow(int menu, int row) {
    return row >= 0 && row < FullRowCount(menu) && !IsSeparatorRow(menu, row);
}

int RowCount(int menu, const MenuView& view) {
    return static_cast<int>(MenuRows(menu, view).size());
}
