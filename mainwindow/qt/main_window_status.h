#pragma once
// The status bar as the game fills it: the player's and the shown opponent's names and wild
// Kings, the run counts of the turn, the card counter's grid while its window is open, and the
// notice of a new best run beside the table.
#include <functional>

#include "engine/game.h"
#include "engine/ports/status_port.h"
#include "mainwindow/status_texts.h"
#include "platform/hook_check.h"

class FrmBrivo;
class FrmCounter;

struct MainWindowStatusParts {
    Game& game;
    FrmBrivo& window;
    // The level names of the opponents' tool tips.
    const std::array<std::string, 3>& levelNames;
    // The screen's width in twips: a narrow one leaves the "Wild: " prefix out.
    std::function<i32()> screenWidth;
    // The card counter while its window is open, else null.
    std::function<FrmCounter*()> counter;
    // Shows a text in a label of the table (LabelPeek for the new-record notice).
    std::function<void(const std::string& label, const std::string& text)> showLabel;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("MainWindowStatusParts")
            .Need("screenWidth", screenWidth)
            .Need("counter", counter)
            .Need("showLabel", showLabel);
    }
};

class MainWindowStatus : public StatusPort {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit MainWindowStatus(MainWindowStatusParts parts) : p_(std::move(parts)) {}

    void StatusBar_Clear() override;
    void WildUpdate() override;
    void ShowOppStatus(int opp) override;
    void ShowCounter() override;
    void SetPanelText(int panel, const std::string& text) override;
    void StatsNotify() override;

    void Apply(const StatusUpdate& update);

  private:
    i32 ScreenWidth() const;
    MainWindowStatusParts p_;
};
