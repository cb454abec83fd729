#pragma once
// The tutorial window: a small window above the main window that walks the player through the
// script "tutorial.txt", loading prepared positions, pointing at the card to move and letting
// the computer play. While it runs the table is a two-player, three-center game, the menus are
// refused and only the cards a step allows can be moved.
#include <QDialog>
#include <functional>
#include <string>

#include "board/board_looks.h"
#include "board/table_layout.h"
#include "engine/game.h"
#include "engine/services.h"
#include "records/game_records.h"
#include "records/tutorial_flow.h"

class QLabel;
class QPushButton;
class QTimer;

struct TutorialParts {
    Game& g;
    GameRecords& records;
    const Services& sv;
    // The main window's table, where the pointers stand; `tableChanged` repaints it.
    TableLayout* layout = nullptr;
    std::function<void()> tableChanged{};
    // The card sound set in use.
    const BoardLooks* looks = nullptr;
    // The program's own copy of the shipped files: a damaged prepared position is taken from
    // there again.
    std::string stagedFolder{};
    // Keys pressed on the tutorial window go to the main window's key commands.
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> keyCommand{};
    // The tutorial has ended. Optional: the window itself gives back the Deal button and the
    // menus; a caller that follows the tutorial's end may listen here.
    std::function<void()> ended{};
};

class FrmTutorial : public QDialog, private TutorialHost {
    Q_OBJECT
  public:
    explicit FrmTutorial(TutorialParts parts, QWidget* parent = nullptr);
    ~FrmTutorial() override;

    // Sets the table up and shows the first step; false (the player told, the ending run)
    // without a script.
    bool Start();
    bool running() const { return running_; }

    // What the game tells the tutorial (through the main window's window port).
    void TurnStarting();
    void TurnOver();
    void CardPlayed();

    void cmdNextTip_Click();
    void cmdBack_Click();
    void cmdOK_Click();

    const TutorialFlow& flow() const { return flow_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override { close(); }

  private:
    // TutorialHost.
    void ShowText(const std::string& text) override;
    void SetNextEnabled(bool enabled) override;
    void SetNextVisible(bool visible) override;
    void SetBackEnabled(bool enabled) override;
    void SetBackVisible(bool visible) override;
    void ClearPicture() override;
    void MoveToScreenEdge() override;
    void PointAtCenterArea() override;
    void PointAtSideStack() override;
    void PointAtPile(int pile) override;
    void HideUpPointer() override;
    void HidePointers() override;
    void PointersToFront() override;
    void ResetTable() override;
    void EnablePlayerPiles(bool enabled) override;
    void EnablePile(int pile) override;
    bool LoadPosition(int record) override;
    void ComputerTurn() override;
    int PlayerOnTurn() const override { return parts_.g.Pturn; }
    bool GameBusy() const override;
    void Pause(double seconds) override { parts_.sv.Pause(seconds); }
    void PlayCardSound(int kind) override;
    void Abandon(const std::string& message) override;

    void TwoPlayerTable();
    void TableChanged();
    // Ends the tutorial once nothing is moving on the table.
    void EndWhenStill();
    void Ending();
    std::optional<GameStateRecord> ShippedPosition(int record) const;

    TutorialParts parts_;
    TutorialFlow flow_{*this};
    bool running_ = false;
    bool ended_ = false;
    i32 tutorialScreenWidth_ = 0;
    QLabel* picture1_ = nullptr;
    QLabel* lblTipText_ = nullptr;
    QPushButton* cmdNextTip_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QTimer* endTimer_ = nullptr;
};
