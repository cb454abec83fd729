#pragma once
// The opponent seats (players 2-4) and the working copy of the player on turn, which the game
// logic and the computer opponent play on and copy back at the end of the turn.
#include <array>
#include <string>

#include "engine/card_state.h"

// (pile 1-4, column): 0 planning depth, 1 number of cards (the top included), 2 pattern flag,
// 3 link to another pile.
using HoldInfo = std::array<std::array<i16, 4>, 5>;

struct OpponentRecord {
    i16 SideShape = 0;
    i16 SideCount = 0;
    SidePile Side{};
    PorC Cards{};
    HoldInfo HoldPileInfo{};
    HoldPiles Hold{};  // positions 1..count; the top sits at position count and in Cards slot 6 + p
    i16 WildHand = 0;
    i16 WildSide = 0;
    i16 Level = 0;
    std::string Avatar;
    std::string Name;
    std::array<std::string, 16> Sounds{};
    i16 SoundSet = 0;
    std::string CommentFile;
    std::array<std::string, 36> Comments{};
    std::array<std::array<i16, 6>, 2> Stats{};
};

// The working copy: the player on turn's cards and personality.
struct WorkingCopy {
    std::string CurName;
    i16 CurSideShape = 0;
    i16 CurSideCount = 0;
    SidePile CurSide{};
    PorC CurCards{};
    HoldPiles HoldCards{};
    HoldInfo HoldPileInfo{};
    i16 CurWildHand = 0;
    i16 CurWildSide = 0;
    i16 CompLevel = 0;
    std::array<std::string, 16> CompSounds{};
    std::array<std::string, 36> CompComments{};
    i16 QuietComp = VbFalse;
    std::string DefaultAvatar;

    // Which opponent (1-3) the working copy was last loaded from and not yet stored back; 0 when
    // the records are current. The card-conservation check reads that player from here.
    int WorkingOpp = 0;
};
