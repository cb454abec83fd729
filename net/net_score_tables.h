#pragma once
// The Internet score window without its window: which player's score files it shows (the
// signed-in player's first, then the other players of this machine in turn), for which player
// count and which competition, the table of the shown file, what a click on the table selects,
// and the deletes of a file, an opponent or a group of opponents with their questions.
#include <string>
#include <vector>

#include "net/net_score_file.h"
#include "platform/dialogs.h"
#include "platform/sounds.h"

class NetScoreTables {
  public:
    NetScoreTables(std::string appFolder, std::string playerName, Dialogs& dialogs, Sounds* sounds)
        : app_(std::move(appFolder)),
          player_(std::move(playerName)),
          dialogs_(dialogs),
          sounds_(sounds) {}

    // Lists the score files and shows the signed-in player's two-player table (or the first
    // file's owner). False when there is no score file at all.
    bool Open();

    // The player-count box: index 0 two players, 1 three, 2 four. The competition goes back
    // to the default file.
    void ChoosePlayers(int index);
    // The score-file box: 0 the default file, then the owner's competitions.
    void ChooseCompetition(int index);
    // "Next ->": the next player's files (after the last comes the first).
    void Next();
    // A click on the table's cell (row, column); row 0 is the heading.
    void GridClicked(int row, int column);
    // "Delete Opponent": the selected opponent (two players) or group (three or four).
    void DeleteOpponent();
    // "Delete File": false when no score file is left and the window should close.
    bool DeleteFile();

    const std::string& label() const { return label_; }
    int players() const { return players_; }
    // The score-file box: "Default Score File", then the owner's competitions.
    const std::vector<std::string>& scoreFiles() const { return scoreFiles_; }
    int scoreFile() const { return scoreFile_; }
    bool nextEnabled() const { return entries_.size() > 1; }
    const std::vector<NetScoreRow>& rows() const { return rows_; }
    // The selected rows (grid rows from 1), first > last when nothing is selected.
    int selectedFirst() const { return selFirst_; }
    int selectedLast() const { return selLast_; }
    // The file shown (it may not exist: the grid is then empty).
    std::string ShownPath() const;
    const std::string& owner() const { return owner_; }

  private:
    void ListEntries();
    void ShowEntry(size_t entry);
    void ResetScoreFiles();
    void Redraw();
    void ClearSelection() { selFirst_ = 1, selLast_ = 0; }
    void Failed(const std::string& what, const std::string& error);

    std::string app_;
    std::string player_;
    Dialogs& dialogs_;
    Sounds* sounds_;

    std::vector<std::string> entries_;  // the score files "<owner>_<n>", without ".ran"
    size_t entry_ = 0;
    std::string owner_;
    int players_ = 2;
    std::vector<std::string> scoreFiles_;
    int scoreFile_ = 0;
    std::string label_;
    std::vector<NetScoreRow> rows_;
    int selFirst_ = 1, selLast_ = 0;
};
