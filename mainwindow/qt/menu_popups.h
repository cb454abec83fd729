#pragma once
// The second-level pop-ups of the drop-down lists: the sound level (NoiseControl), the display
// size (DisplaySize) and the web pages (ToInternet). Each opens at the pointer and answers with
// the index chosen, or nothing when the player dismissed it.
#include <QPoint>
#include <array>
#include <optional>
#include <string>

class QWidget;

// Items 0 "Full Sound", 1 "Some Sound", 2 "No Sound"; the level in force is the default item.
std::optional<int> NoiseControl(QWidget* parent, QPoint at, int current);
// Items 0 and 1 as the table's display mode names them, 2 "Reset Default Window Size".
std::optional<int> DisplaySize(QWidget* parent, QPoint at,
                               const std::array<std::string, 3>& captions,
                               const std::array<bool, 3>& enabled);
// Items 1 "Brivo's Site", 2 "Quorvane Online Gaming Site", 3 "IP Address Check".
std::optional<int> ToInternet(QWidget* parent, QPoint at);
