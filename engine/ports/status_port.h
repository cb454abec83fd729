#pragma once
// The status bar and the small windows that follow the game.
class StatusPort {
public:
    virtual ~StatusPort() = default;
    virtual void StatusBar_Clear() = 0;
    virtual void WildUpdate() = 0;
    // Fills the status bar with opponent `opp`'s (1-3) counts, name, level and wild cards.
    virtual void ShowOppStatus(int opp) = 0;
    virtual void ShowCounter() = 0;
};
