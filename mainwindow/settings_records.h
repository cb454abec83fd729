#pragma once
// The machine-wide settings kept in "Data/scores.ran" beside the computer players' best runs:
// 38-byte score records whose text and four numbers carry the last session's choices. Start-up
// reads the display mode and the window's place (records 14 and 15); shutdown writes records 1,
// 12 to 18. The file is read and written whole, so a failed write leaves it as it was.
#include <array>
#include <optional>
#include <string>

#include "platform/vb_types.h"
#include "records/score_record.h"

namespace settings_rec {
constexpr long kLastLevel = 1;   // font colour, the computer's level
constexpr long kLooks = 12;      // avatar shown, animations, face deck
constexpr long kPlayer = 13;     // player, background, speed, sound
constexpr long kDisplay = 14;    // display mode + 20, the saved-window mark
constexpr long kWindow = 15;     // the normal window's height, width, left and top (twips)
constexpr long kBackStyle = 16;  // deck colour, back, status bar, avatar, move file
constexpr long kMat = 17;        // mat colour, font size, animation, personality
constexpr long kRules = 18;      // animation speed and the four house rules
constexpr long kCount = 18;      // the file holds at least this many records

// Record 14's fourth number when record 15 holds a window, and the offset of its display mode.
constexpr i16 kSavedWindow = 20;
constexpr i16 kDisplayBase = 20;
// Record 15's first number for a window that was maximised or minimised.
constexpr i16 kMaximised = 2;
}  // namespace settings_rec

// What shutdown stores of the session (records 1, 12, 13, 16, 17 and 18).
struct SessionSettings {
    i32 FontColor = 0;
    i16 CompLevel = 0;
    std::string ShownAvatarName;
    i16 NoLoseAnimation = 0;
    i16 FontBackdrop = 0;
    i16 FaceDeck = 0;
    std::string PlayerName;
    i16 BackgroundChoice = 0;
    i16 SpeedLevel = 0;
    i16 SoundMode = 0;
    i32 DeckColor = 0;
    i16 BackStyle = 0;
    bool StatusBarVisible = false;
    bool AvatarVisible = false;
    bool MoveFileOpen = false;
    i32 MatColor = 0;
    double MessageFontSize = 9;  // the remark line's font size, stored as a whole number
    i16 NoWinAnimation = 0;
    i16 PersonalityIndex = 0;
    i16 AnimationSpeed = 0;
    i16 SidePileSize = 0;
    i16 ForcedCards = 0;
    i16 ShuffleSeparately = 0;
    i16 NoWildAce = 0;
};

// The main window's place at shutdown, in pixels. Sizes are 32-bit here: a window wider than
// 2184 pixels does not fit the record's 16-bit twips, which are clamped only when written.
struct WindowPlace {
    bool Normal = true;  // neither maximised nor minimised
    i32 Height = 0;
    i32 Width = 0;
    i32 Left = 0;
    i32 Top = 0;
};

// What start-up reads: record 14's display mode and saved-window mark, record 15's numbers.
struct StartupSettings {
    i16 StoredDisplayMode = 0;  // record 14, third number (the mode + 20)
    i16 SavedWindowFlag = 0;    // record 14, fourth number
    std::array<i16, 4> Window{};
};

// The whole settings file in memory, record by record.
class ScoresFile {
  public:
    explicit ScoresFile(std::string path) : path_(std::move(path)) {}

    // False (with `error`) when the file is missing or cannot be read.
    bool Load(std::string* error);
    // Writes every record in one step; false (with `error`) leaves the file on disk unchanged.
    bool Save(std::string* error) const;

    ScoreRecord Get(long n) const;
    void Set(long n, const ScoreRecord& rec);

  private:
    std::string path_;
    std::string bytes_;
};

StartupSettings ReadStartupSettings(const ScoresFile& file);

// Record 1, 12, 13, 16, 17 and 18 as the session leaves them; the numbers of record 1 not named
// here keep what the file held.
void PutSessionSettings(ScoresFile& file, const SessionSettings& s);
// Record 14 gets the display mode and the saved-window mark (its text and first two numbers are
// kept); record 15 the window, or the maximised mark.
void PutWindowSettings(ScoresFile& file, int displayMode, const WindowPlace& place);
