#pragma once
// A player's profile, one 756-byte record of "Data/Prefs.sav": display and sound choices, house
// rules and table size last used, speeds, statistics, best runs and the four seats. Record 1 is
// the header (seat 0's name is the last player signed in) and the template for new players.
#include <array>
#include <cstdint>

#include "platform/record_buffer.h"
#include "shared/seat_record.h"

// Statistics rows: 0 overall, 1-3 by opponent level, 4-6 by player count (2, 3, 4).
constexpr int kStatRows = 7;

struct PrefsRecord {
    static constexpr size_t kSize = 756;

    i32 FontColor = 0;
    i32 MatColor = 0;
    i32 DeckColor = 0;  // 0 stands for the default colour
    i16 NumPlayers = 0;
    i16 NumCenters = 0;
    i16 FontSize = 0;
    i16 BackgroundChoice = 0;
    i16 SpeedLevel = 0;
    i16 AnimationSpeed = 0;
    i16 SoundMode = 0;
    i16 CardSoundSet = 0;
    i16 FaceDeck = 0;
    i16 BackStyle = 0;
    i16 HoldLeft = 0;
    i16 HoldTop = 0;
    i16 FontBackdrop = 0;
    i16 StatusBar = 0;
    i16 IntroMusic = 0;
    i16 PlaceholderStyle = 0;
    i16 MenuStyle = 0;  // 0 Wood, -1 Metallic
    i16 SmallDisplay = 0;
    i16 ShowAvatar = 0;
    i16 AutoSave = 0;
    i16 NoLoseAnimation = 0;
    i16 NoWinAnimation = 0;
    // SidePileSize, ForcedCards, ShuffleSeparately, NoWildAce.
    std::array<i16, 4> Rules{};
    // (row 0-3, column 0-2): rows the player's best run and best side run, then the computer
    // players'; columns side, hand and hold-pile cards.
    std::array<std::array<i16, 3>, 4> BestRun{};
    std::array<i16, kStatRows> GamesPlayed{};
    std::array<i16, kStatRows> GamesWon{};
    std::array<i16, kStatRows> MarginTotal{};
    std::array<SeatRecord, 4> Seats{};
    i16 StretchBackground = 0;
    std::array<std::uint8_t, 8> Reserved{};  // written back as read

    void Encode(RecordBuffer& buf, size_t at = 0) const;
    void Decode(const RecordBuffer& buf, size_t at = 0);
};
