#pragma once
// The rows of the four drop-down menus as the list shows them: captions, key names, separators
// and the rows that appear only in an Internet game. Row numbers count from 0 and include the
// separators, so a row's number is the same in the list, in the command dispatcher and in the
// key table.
#include <string>
#include <vector>

struct MenuView {
    bool peeking = false;
    bool statusBarShown = true;
    int netConnected = 0;  // 0 local, 99 set up with nobody connected, else connected peers
    int isHost = 0;
};

struct MenuRow {
    std::string caption;
    std::string key;  // the key name shown right of the caption, "" for none
    bool separator = false;
    bool enabled = true;
};

// The rows of `menu` (1 Game, 2 Options, 3 Internet, 4 Help) in this situation; empty for any
// other number.
std::vector<MenuRow> MenuRows(int menu, const MenuView& view);

// A separator row of `menu` (these never carry a command).
bool IsSeparatorRow(int menu, int row);
// A row that carries a command in some situation.
bool IsCommandRow(int menu, int row);
// The number of rows `menu` lists in this situation.
int RowCount(int menu, const MenuView& view);

// 21 em dashes.
extern const char* const kSeparatorText;
