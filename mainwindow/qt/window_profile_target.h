#pragma once
// The profile's hands on the running program: a profile being applied sets the game's play
// options and rules, the table's looks and layout, the opponents and the window's own choices
// (status bar, avatar, label colours and size); saving collects them back from where they live.
#include <set>
#include <string>

#include "board/board_looks.h"
#include "engine/engine.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/main_window_state.h"
#include "records/game_records.h"
#include "records/profile_target.h"

class BoardShell;
class FrmBrivo;

struct ProfileTargetParts {
    Game& game;
    Engine& engine;
    GameRecords& records;
    MainWindowState& state;
    FrmBrivo& window;
    BoardShell& board;
    BoardLooks& looks;
    const Services& services;
};

class WindowProfileTarget : public ProfileTarget {
  public:
    explicit WindowProfileTarget(ProfileTargetParts parts) : p_(parts) {}

    ProfileSurroundings Surroundings() const override;
    TableCounts Counts() const override;
    void TakeWorkingPrefs(const WorkingPrefs& prefs) override;
    WorkingPrefs CurrentWorkingPrefs() const override;
    void PlayIntro() override;
    void ShowPlayerLooks(const WorkingPrefs& prefs, bool startingUp) override;
    void PrepareBoard(bool clearTable, bool createSideStacks) override;
    void SeatOpponents(std::array<SeatRecord, 4>& seats) override;
    void ShowLevel(const std::string& caption) override;
    void PrepareTable(const BestRunArray& bestRun) override;
    void LayOutTable(TableCounts previous, TableCounts now) override;
    void ShowTableNames() override;
    void ShowDisplay(const DisplayPrefs& display) override;
    void CloseMoveHistory() override;
    void Beep() override;
    void ReportProblem(const std::string& text, const std::string& title) override;

    // The choices kept only by the profile: the label colour and backdrop, the hold-cards
    // window's place, the intro music.
    const WorkingPrefs& Kept() const { return kept_; }

  private:
    void ColourNameLabels();

    ProfileTargetParts p_;
    WorkingPrefs kept_;
    // What the opponents' seats lost to missing files, as already told in this run.
    std::set<std::string> toldLost_;
};
