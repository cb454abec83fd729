#pragma once
// The house rules dialog without its window: what each control shows, the pending rules the
// controls change, and the one step (Apply) that makes them the game's rules. Nothing reaches
// the game before Apply; Cancel and the close box simply drop this object.
#include <array>

#include "engine/engine.h"

// The states of the dialog's controls, as the window shows them.
struct HouseRulesControls {
    int side = 0;     // optSide: 0 "20 cards", 1 "26", 2 "15", 3 "10"; -1 none selected
    int shuffle = 0;  // optShuffle: 0 together, 1 separately
    int center = 0;   // optCenter: 0 "3", 1 "4"
    bool fourCentersEnabled = true;
    bool wild = false;      // chkWild
    bool noForced = false;  // chkNoForced
    // chkForced(1), (2), (4); elements 0 and 3 are unused.
    std::array<bool, 5> forced{};
    std::array<bool, 5> forcedEnabled{};
};

// The rules the dialog would apply.
struct PendingRules {
    i16 NewSidePileSize = 19;
    i16 NewForcedCards = 0;
    i16 NewNoWildAce = VbFalse;
    i16 NewShuffle = VbFalse;
    i16 NewNumCenters = 3;
};

// Side-pile sizes by option index.
inline constexpr std::array<i16, 4> kSidePileSizes{19, 25, 14, 9};

class HouseRules {
  public:
    // Reads the game's rules into the controls and the pending values. The engine gives the
    // game, the message boxes and the board.
    explicit HouseRules(Engine& engine) : e_(engine) {}

    // False when the dialog may not open (an Internet peer too old for it): the player has been
    // told and nothing changed.
    bool Open();

    void SideClicked(int index);
    void ShuffleClicked(int index);
    void WildClicked(bool ticked);
    void CenterClicked(int index);
    void ForcedClicked(int box, bool ticked);
    void NoForcedClicked(bool ticked);
    // The default rules into the controls and the pending values only.
    void RestoreDefaults();

    enum class ApplyResult { Applied, StayOpen };
    // Asks for a new game where the change needs one; StayOpen (nothing applied) when the
    // player cancels that question.
    ApplyResult Apply();

    const HouseRulesControls& controls() const { return c_; }
    const PendingRules& pending() const { return p_; }
    // The change needs a new game (read by the caller after the dialog closed).
    bool rulesChanged() const { return rulesChanged_; }
    Dialogs* dialogs() const { return e_.sv.dialogs; }

  private:
    void ShowForced(int mask);
    void FollowForcedBoxes();

    Engine& e_;
    HouseRulesControls c_;
    PendingRules p_;
    bool rulesChanged_ = false;
};
