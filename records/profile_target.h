#pragma once
// What the program around the profile tells it and does for it: the profile code decides, in
// order, and the game, the board and the main window carry each step out. The composition root
// implements it; tests use a recording one.
#include <array>
#include <string>

#include "records/stats.h"
#include "records/working_prefs.h"
#include "shared/seat_record.h"

struct TableCounts {
    int players = 0;  // 0 before the table has ever been laid out
    int centers = 0;
    bool operator==(const TableCounts&) const = default;
};

// The state of the program that a profile's application depends on, as it is at the call.
struct ProfileSurroundings {
    bool startingUp = false;
    bool lowColour = false;  // a screen of fewer than 16 bits per pixel
    i32 screenWidthTw = 0;
    i32 screenHeightTw = 0;
    bool gameOnTable = false;   // a game has been dealt or restored since start-up
    bool netGameSetUp = false;  // an Internet game is set up or connected
    int backgroundCount = 0;    // pictures in the backgrounds folder
    int defaultBackground = 0;  // the default picture's place in that list, 0 when absent
};

// The table's looks decided from the working values (ApplyDisplayPrefs).
struct DisplayPrefs {
    bool clearBoard = false;   // another player signed in and no game is on the table
    i16 backgroundChoice = 0;  // the working choice, changed on a low-colour screen
    i16 backgroundIndex = 0;   // 1..count a picture; count + 1 the plain mat colour
    bool showPicture = false;  // the index names a picture
    float movePause = 0.4f;    // the computer's pause between moves, seconds
    i32 fontColor = 0;         // the player-name labels' colour (0xBBGGRR)
    i16 fontSize = 12;         // name label 2 and, with redrawTable, the wild-card labels
    bool redrawTable = false;  // outside start-up: wild-card labels and the whole table
    bool operator==(const DisplayPrefs&) const = default;
};

class ProfileTarget {
  public:
    virtual ~ProfileTarget() = default;

    virtual ProfileSurroundings Surroundings() const = 0;
    // The table's player and center counts as they stand.
    virtual TableCounts Counts() const = 0;

    // The working values of the game, the board and the window: taken from a profile being
    // applied (colours 0xBBGGRR, as stored), and given back to be saved.
    virtual void TakeWorkingPrefs(const WorkingPrefs& prefs) = 0;
    virtual WorkingPrefs CurrentWorkingPrefs() const = 0;

    // The intro music, and a short pause while it starts (start-up only).
    virtual void PlayIntro() = 0;
    // The player's looks: the moving card's back colour, the status bar (shown at once unless
    // starting up: start-up shows it at its end), the avatar picture, the move history when
    // autosave is on, the hold-cards window's skin, the card faces and the card backs.
    virtual void ShowPlayerLooks(const WorkingPrefs& prefs, bool startingUp) = 0;
    // Clears the table's drawing; at start-up also creates the side-pile depth shapes.
    virtual void PrepareBoard(bool clearTable, bool createSideStacks) = 0;
    // Seats 1-3 into the three opponent records with their personalities loaded; the first
    // opponent's name goes onto the window.
    virtual void SeatOpponents(std::array<SeatRecord, 4>& seats) = 0;
    // The first opponent's level ("Level: Clever").
    virtual void ShowLevel(const std::string& caption) = 0;
    // The card arrays for the player count, the rules caption, and the game's all-time rows of
    // the play counts loaded from the best runs (ChangeBestRun).
    virtual void PrepareTable(const BestRunArray& bestRun) = 0;
    // Lays the table out for `now`: re-laid only when the counts changed, then reset for a new
    // deal; `previous.players` 0 is the very first layout.
    virtual void LayOutTable(TableCounts previous, TableCounts now) = 0;
    // The players' names, the hold-pile picture and the center area.
    virtual void ShowTableNames() = 0;
    virtual void ShowDisplay(const DisplayPrefs& display) = 0;
    // A new player takes over the table: the previous player's move history is closed.
    virtual void CloseMoveHistory() = 0;

    virtual void Beep() = 0;
    // A file could not be read or written: the player is told; nothing has been lost.
    virtual void ReportProblem(const std::string& text, const std::string& title) = 0;
};
