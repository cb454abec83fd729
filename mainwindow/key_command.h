#pragma once
// The keyboard's commands: every key pressed on the main window (and on the tutorial window)
// comes here. Function keys run menu rows through the command gate, the numeric keypad moves
// the player's cards without the mouse, the arrows change the table background, letters show an
// emoticon beside the player, digits make the opponent speak, and a few Ctrl and Ctrl+Shift
// keys give hidden aids. Plain C++: the window hands in key codes and the calls below.
#include <functional>
#include <optional>
#include <string>

#include "board/layout_control.h"
#include "engine/engine.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/key_tables.h"
#include "mainwindow/main_window_state.h"
#include "platform/hook_check.h"
#include "records/game_records.h"

// The keyboard move's prompts in message label 1, which holds the move's state between keys.
namespace keypad_text {
inline constexpr const char* kChosen = "Move card: ";
inline constexpr const char* kWhichPile = "Move card to which pile?";
inline constexpr const char* kDone = "Done!";
}  // namespace keypad_text

// What the keys reach outside the game's state; the window sets each one.
struct KeyCommandCalls {
    std::function<void()> stopIdleTimer;
    std::function<bool()> tutorialOn;
    std::function<bool()> dealButtonVisible;
    std::function<void(bool visible)> showDealButton;
    // The table shows the changed label, highlight or emoticon.
    std::function<void()> refresh;
    // The command gate: true when the row of `menu` may run now; a refusal or a deferral has
    // been dealt with (told, or marked pending) when it answers false.
    std::function<bool(int menu, int row)> gate;
    // Carries a menu row out once the gate let it through.
    std::function<void(int menu, int row)> menuRow;
    // Esc: the drawn menu bar hidden and an open list closed.
    std::function<void()> hideMenus;
    // The table background: stepped back (Up) or on (Down) and tiled, or shown whole.
    std::function<void(int keyCode)> cycleBackground;
    std::function<void()> stretchBackground;
    std::function<void(int style)> animateCardsFlow;
    std::function<void(int statsMode)> showScores;
    std::function<void()> displayStats;
    std::function<void()> toggleLabelNames;
    std::function<void()> showBackgroundWindow;
    std::function<void()> flash;
    std::function<void()> showSplash;
    std::function<void()> chatOnTop;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("KeyCommandCalls")
            .Need("stopIdleTimer", stopIdleTimer)
            .Need("tutorialOn", tutorialOn)
            .Need("dealButtonVisible", dealButtonVisible)
            .Need("showDealButton", showDealButton)
            .Need("refresh", refresh)
            .Need("gate", gate)
            .Need("menuRow", menuRow)
            .Need("hideMenus", hideMenus)
            .Need("cycleBackground", cycleBackground)
            .Need("stretchBackground", stretchBackground)
            .Need("animateCardsFlow", animateCardsFlow)
            .Need("showScores", showScores)
            .Need("displayStats", displayStats)
            .Need("toggleLabelNames", toggleLabelNames)
            .Need("showBackgroundWindow", showBackgroundWindow)
            .Need("flash", flash)
            .Need("showSplash", showSplash)
            .Need("chatOnTop", chatOnTop);
    }
};

struct KeyCommandParts {
    Game& g;
    Engine& engine;
    GameRecords& records;
    MainWindowState& window;
    // The table's controls: message label 1, the highlight frame, the emoticon and the
    // player's card boxes.
    FormModel& form;
    const Services& sv;
};

class KeyCommand {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { calls_.NeedHooks(check); }
    KeyCommand(KeyCommandParts parts, KeyCommandCalls calls);

    // One key: `keyCode` a virtual-key code, `shift` the modifier bits (1 Shift, 2 Ctrl, 4 Alt).
    void Run(i16 keyCode, i16 shift);

    // The slot of the player's row the keypad chose (1-10), 0 when none.
    i16 KeyMoveSlot() const { return keyMoveSlot_; }

  private:
    // The keypad move (keypad_move.cpp); true when the key belonged to it.
    bool KeyboardMove(i16 code);
    bool ChooseOrConfirm(i16 code);
    void CompleteMove(i16 code);
    void PlayToCenter(int pile);
    void DiscardToHold(int holdSlot);
    void DropPendingMove();
    void ShowHighlight(int slot);
    void HideHighlight();
    std::string Label1() const;
    void SetLabel1(const std::string& text);

    // The key tables' rows carried out (key_command_rows.cpp).
    void RunRow(const KeyRow& row, i16 code);
    bool Gate(int menu, int row) const;
    void ShowEmoticon(i16 code);
    void SpeakSound(i16 code);
    void HomeGreeting();
    void SaveTutorialPosition();
    void RestoreTutorialPosition();
    std::optional<int> AskTutorialSlot(const std::string& prompt);
    void ToggleSampleGames();
    void ToggleDevMode();
    void Tell(const std::string& text, int style, const std::string& title) const;
    void Refresh() const;

    KeyCommandParts p_;
    KeyCommandCalls calls_;
    i16 keyMoveSlot_ = 0;
};
