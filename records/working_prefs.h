#pragma once
// A profile's choices in the form the program works with, and the corrections that make any
// stored record safe to use: every field that counts or picks something is brought into its
// range, so that no stored value can crash or cripple the program.
#include <string>
#include <vector>

#include "shared/prefs_record.h"

// The working values a profile sets. The game, the board and the window each keep the ones they
// read; the profile code hands them over in this form and collects them again to save them.
struct WorkingPrefs {
    std::string PlayerName;    // seat 0's name
    std::string PlayerAvatar;  // seat 0's picture in Avatars/, empty when it is gone
    i32 FontColor = 0;
    i32 MatColor = 0;
    i32 DeckColor = 0;
    i16 NumPlayers = 2;
    i16 NumCenters = 4;
    i16 FontSize = 12;
    i16 BackgroundChoice = 0;  // 0 the default picture, 1..n a picture, n + 1 the plain mat
    i16 SpeedLevel = 2;
    i16 AnimationSpeed = 45;
    i16 SoundMode = 0;
    i16 CardSoundSet = 0;
    i16 FaceDeck = 6;
    i16 BackStyle = 0;
    i16 HoldLeft = 720;
    i16 HoldTop = 3375;
    bool FontBackdrop = false;
    bool StatusBar = true;
    bool NoIntro = false;
    bool PlaceholderStyle = true;  // true wood, false metallic
    i16 MenuStyle = 0;             // 0 wood, 1 metallic
    bool SmallDisplay = false;
    bool ShowAvatar = true;
    bool AutoSave = false;
    bool NoLoseAnimation = false;
    bool NoWinAnimation = false;
    i16 SidePileSize = 19;
    i16 ForcedCards = 0;
    bool ShuffleSeparately = false;
    bool NoWildAce = false;
    bool StretchBackground = false;

    bool operator==(const WorkingPrefs&) const = default;
};

// What the corrections need to know of the machine.
struct PrefsEnvironment {
    std::string appFolder;
    bool lowColour = false;  // a screen of fewer than 16 bits per pixel
    i32 screenWidthTw = 0;
    i32 screenHeightTw = 0;
};

// The default plain-back colours (0xBBGGRR, as the record stores colours).
constexpr i32 kDeckColorHighColour = 0xC0E0FF;
constexpr i32 kDeckColorLowColour = 0xC0FFFF;
constexpr i16 kHoldDefaultLeft = 720;
constexpr i16 kHoldDefaultTop = 3375;
// The card-animation steps the speed dialog offers, slowest first.
inline constexpr i16 kAnimationSpeeds[] = {2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};

// Brings every field of `p` into range, in place; returns the names of the fields it changed.
std::vector<std::string> CorrectProfile(PrefsRecord& p, const PrefsEnvironment& env);

// The working values of a corrected record.
WorkingPrefs WorkingFromRecord(const PrefsRecord& p);

// Writes the working values into the record's settings (seat 0's name and picture included);
// statistics, best runs, seats 1-3 and the reserved bytes stay as they are.
void StoreWorking(const WorkingPrefs& w, PrefsRecord& p);

// The computer's pause between moves for a speed level 0-5 (seconds), or `current` for any
// other level.
float MovePauseFor(int speedLevel, float current);
