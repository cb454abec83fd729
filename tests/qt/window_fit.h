#pragma once
// What a player would see cut off or covered: the texts of a window's labels, buttons, check
// boxes and table cells that do not fit their boxes, and the table's labels and piles that lie
// on each other. Each finding is one line naming the window and the control.
#include <QRect>
#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "board/layout_control.h"

using Findings = std::vector<std::string>;
// Control keys and where each control stands.
using Geometry = std::map<std::string, QRect>;

// Every visible label, button, check box, radio button and table cell of `window` whose text is
// wider or taller than the box it is drawn in (wrapped where the control wraps), or reaches
// outside the window.
void CheckTextsFit(QWidget& window, const std::string& where, Findings& out);

// A window that does not lie whole within its screen's free area, or whose buttons the player
// cannot reach there.
void CheckOnScreen(QWidget& window, const std::string& where, Findings& out);

// What the table shows, by control key: the piles, frames and pictures painted where the layout
// has them, the labels' texts as aligned in their widgets and the buttons' widgets.
Geometry TableItems(QWidget& table, const FormModel& form);

// Every two items of the table that overlap, apart from the pairs the layout puts on each other.
void CheckTableOverlaps(QWidget& table, const FormModel& form, const std::string& where,
                        Findings& out);

// Where the layout puts every loaded control, shown or not (a control hidden now shows later
// where it stands), and where each label and button widget shows ("shown " and the key).
Geometry TableSnapshot(QWidget& table, const FormModel& form);

// Each control that stands elsewhere in `got` than in `fresh`, or is in only one of them.
void CompareTables(const Geometry& got, const Geometry& fresh, const std::string& where,
                   Findings& out);

// What the table tells the player, by key: the texts of the labels it shows, the buttons it
// shows, the status bar's panels (when the bar shows) and the avatar's picture.
using Sayings = std::map<std::string, QString>;
Sayings TableSayings(QWidget& window, QWidget& table, const FormModel& form);

// Each saying of `got` that differs from `fresh`'s, or is in only one of them.
void CompareSayings(const Sayings& got, const Sayings& fresh, const std::string& where,
                    Findings& out);
