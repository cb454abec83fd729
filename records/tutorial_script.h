#pragma once
// The tutorial's script: one step per line, a text to show and, after the first "<", a
// directive read at fixed places: "<L1?NNL2?NN" (the "?" are separators). L1 names what the
// player moves (H or P the human's pile NN, R nothing), L2 what follows (R load prepared
// position NN, C or H point at pile NN).
#include <optional>
#include <string>
#include <string_view>

struct TutorialDirective {
    char L1 = ' ';
    int N1 = 0;
    char L2 = ' ';
    int N2 = 0;

    // The player is to move the human's pile N1 (H and P mean the same).
    bool MovesPile() const { return L1 == 'H' || L1 == 'P'; }
    // A step that only talks: neither a pile to move nor a position to load.
    bool ReadOnly() const { return !MovesPile() && L1 != 'R'; }
    bool LoadsPosition() const { return !ReadOnly() && L2 == 'R'; }
    bool ShowsPointer() const { return !ReadOnly() && (L2 == 'C' || L2 == 'H'); }
};

struct TutorialStepLine {
    std::string text;  // what the window shows, paragraph breaks expanded
    std::optional<TutorialDirective> directive;
};

// Splits a script line into its text and directive (paragraph breaks expanded first). A number is
// its two characters read as the runtime's Val reads them (" 7", "07" and "7x" are 7; "x7" and a
// line cut short are 0). Letters are compared as written.
TutorialStepLine ParseTutorialLine(std::string_view line);

// The prepared position a step belongs to, for the Back button: going back into one of these
// ranges reloads the range's position and shows its first step.
struct TutorialBackRange {
    int first;
    int last;
    int record;
};
std::optional<TutorialBackRange> TutorialBackRangeOf(int step);

inline constexpr int kFirstTutorialRecord = 31;
inline constexpr int kLastTutorialRecord = 38;
