#pragma once
// The windows of the profiles and records that the main window's menus, keys and start-up
// open: the saved-game dialog with the Save and Restore commands, the scores window, the comment
// editor, the tips, the tutorial and the about box. One object, made once by the composition
// root, keeps the windows that stay open (tips, comment editor, tutorial) to one of each.
#include <QPointer>
#include <functional>
#include <string>

#include "board/board_looks.h"
#include "board/table_layout.h"
#include "engine/game.h"
#include "engine/services.h"
#include "platform/hook_check.h"
#include "records/game_records.h"
#include "records/saved_games.h"
#include "records/tutorial_flow.h"
#include "shared/profile_state.h"

class FrmCustom;
class FrmTip;
class FrmTutorial;
class QWidget;

struct RecordsWindowsParts {
    Game& g;
    GameRecords& records;
    ProfileState& profile;
    const Services& sv;
    QWidget* window = nullptr;  // the main window, parent of every dialog
    TableLayout* layout = nullptr;
    const BoardLooks* looks = nullptr;
    std::function<void()> repaintTable{};
    std::string stagedFolder{};
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    // Keys pressed on the tutorial window go to the main window's key commands.
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> keyCommand{};
    // The comment files changed: the lists offering them are made again. Optional: the
    // program's windows read the folder each time they open, so it has no list to remake.
    std::function<void()> commentFilesChanged{};
    // Opens the help at a topic; without it the help buttons are hidden.
    std::function<void(const std::string& topic)> showHelp{};
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("RecordsWindowsParts")
            .Need("repaintTable", repaintTable)
            .Need("keyCommand", keyCommand)
            .Need("showHelp", showHelp);
    }
};

class RecordsWindows : public TutorialAsks {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit RecordsWindows(RecordsWindowsParts parts);
    // The shipped program folder, known once start-up has found it.
    void SetStagedFolder(std::string folder) { p_.stagedFolder = std::move(folder); }
    ~RecordsWindows() override;
    RecordsWindows(const RecordsWindows&) = delete;
    RecordsWindows& operator=(const RecordsWindows&) = delete;

    // The Game menu's Save and Restore rows (the dialog, then the record written or restored).
    bool SaveGame();
    RestoreOutcome RestoreGame();
    // "Scores and Stats", opening on tab `statsMode`.
    void ShowScores(int statsMode);
    void ShowCustomComments();
    // The tips window; `showAtStartup` is the start-up switch as start-up read it.
    void ShowTips(bool showAtStartup);
    void ShowAbout();

    void ShowTutorial();
    bool TutorialOn() const;
    // The move the running tutorial's step waits for (none without a tutorial).
    TutorialAsk Asked() const override;
    // What the game tells the tutorial through the main window's window port.
    void TutorialTurnStarting();
    void TutorialTurnOver();
    void TutorialCardPlayed();

  private:
    SavedGamesParts SavedGames();

    RecordsWindowsParts p_;
    QPointer<FrmTip> tips_;
    QPointer<FrmCustom> custom_;
    QPointer<FrmTutorial> tutorial_;
};
