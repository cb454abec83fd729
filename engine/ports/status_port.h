#pragma once
#include <string>

// The status bar and the small windows that follow the game.
class StatusPort {
  public:
    virtual ~StatusPort() = default;
    virtual void StatusBar_Clear() = 0;
    virtual void WildUpdate() = 0;
    // Fills the status bar with opponent `opp`'s (1-3) counts, name, level and wild cards.
    virtual void ShowOppStatus(int opp) = 0;
    virtual void ShowCounter() = 0;
    // The text of status-bar panel `panel` (2 the player's run, 6 the computer's).
    virtual void SetPanelText(int panel, const std::string& text) {
        (void)panel;
        (void)text;
    }
    // A new all-time best run: "New Stats Record!" beside the table.
    virtual void StatsNotify() {}
};
