#pragma once
// Small changes to single controls of the table: the model takes the change and the widget that
// stands for the control follows at once, without laying out the whole table again.
#include <string>
#include <string_view>

class BoardShell;
class BoardPort;
struct FormModel;

// The control `key` ("LabelPeek", "Label9_1") shows `text` and is made visible.
void ShowTableLabel(BoardShell& board, const std::string& key, const std::string& text);
void SetTableControlVisible(BoardShell& board, const std::string& key, bool visible);
// Brings the widget and the model of `key` in line and repaints the table.
void SyncTableControl(BoardShell& board, const std::string& key);

// The emoticon box beside the player's row, right of the last hold pile.
void PlaceTableEmoticon(FormModel& f);
// The emoticon a peer sent: `path`, a picture of the Icons folder, shown there; "" hides it.
void ShowTableEmoticon(BoardShell& board, const std::string& path);

// Message label Label9(`index`) shows `text` through the game's board, and is made visible.
void SayOnTable(BoardShell& board, BoardPort* port, int index, const std::string& text);
