#pragma once
// "Scores and Stats": on three tabs the scoreboard of every player against the computer with its
// maintenance buttons, the two high-score lists, and one player's statistics with the best runs.
// Every change is written at once, each file in one step.
#include <QDialog>
#include <array>
#include <string>

#include "engine/game.h"
#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "records/scoreboard.h"
#include "shared/profile_state.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

struct ScoreStatParts {
    Game& g;
    ProfileState& profile;
    Dialogs* dialogs = nullptr;
    Sounds* sounds = nullptr;
    int statsMode = 0;  // the tab to open on
};

class FrmScoreStat : public QDialog {
    Q_OBJECT
  public:
    explicit FrmScoreStat(ScoreStatParts parts, QWidget* parent = nullptr);

    void PrintNames();
    void GetStats();
    void GetRun();
    void HighStuff(int first);
    void GridScores_Click(int row, int column);
    // The selected scoreboard row highlighted, or none.
    void ShowSelectedRow();
    void Maintance_Click(int index);
    void cmdSwitch_Click();
    void cmdClear_Click();
    void cmdClearStats_Click();
    void Combo1_Click(int index);
    void SSTab1_Click(int tab);

    int selectedRow() const { return selectedRow_; }
    int statsRecNum() const { return statsRecNum_; }

  private:
    QWidget* ScoresTab();
    QWidget* HighTab();
    QWidget* StatsTab();
    std::string PrefsPath() const;
    bool Ask(const std::string& text, const std::string& title);
    void Say(const std::string& text, bool beep);
    void Failed(const std::string& error);
    // The players the profile file now holds, after a change of its records.
    void ReadKnownPlayers();

    ScoreStatParts parts_;
    Scoreboard board_;
    BestRunTable bestRun_{};
    int selectedRow_ = 0;
    int statsRecNum_ = 0;
    int highStart_ = kBestRunsFirst;
    QTabWidget* ssTab1_ = nullptr;
    QTableWidget* gridScores_ = nullptr;
    QTableWidget* gridHigh_ = nullptr;
    QTableWidget* gridStats_ = nullptr;
    QTableWidget* gridRun_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* lblBest_ = nullptr;
    QPushButton* cmdSwitch_ = nullptr;
    QPushButton* cmdClearStats_ = nullptr;
    QComboBox* combo1_ = nullptr;
    std::array<QPushButton*, 4> maintance_{};
};
