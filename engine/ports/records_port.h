#pragma once
// The records the game's flow writes as it goes: the signed-in player's profile, the automatic
// save and the move history.
#include <string>

#include "shared/profile_state.h"

class RecordsPort {
  public:
    virtual ~RecordsPort() = default;
    // The signed-in player's profile: the end of a game counts the game into its statistics.
    virtual ProfileState& Profile() = 0;
    // Writes the signed-in player's profile back to its record; false when it could not be
    // written (the caller tells the player).
    virtual bool SaveProfile() = 0;
    // At the start of the human's turn (after the deal, and when a computer's turn hands over to
    // the human, MoveCounter already counted): the autosave records for Previous Turn and
    // Restart Turn and, while the move history is on, a fresh history starting at this position
    // (MoveRecordNo back to 1).
    virtual void AutoSave() = 0;
    // After each of the human's plays onto a center pile: the position goes into the move
    // history, so that Undo can step back to it.
    virtual void SaveMove() = 0;
    // The current game's play counts: a card played from `slot` (1 side, 2-6 hand, 7-10 hold)
    // by `who` (1 the human, 3 the computer on turn).
    virtual void StatsAdd(int slot, int who) {
        (void)slot;
        (void)who;
    }
    // Compares the run just ended (row ckNew) with the best (row ckOld).
    virtual void StatsCk(int ckNew, int ckOld) {
        (void)ckNew;
        (void)ckOld;
    }
    // Stores the best runs into the profile, before it is written back.
    virtual void StatsSave(int ckNew, int whoSaved) {
        (void)ckNew;
        (void)whoSaved;
    }
    // After an Internet game: the score file for this set of opponents (`winner` empty when the
    // human won).
    virtual void Scores_Net(const std::string& winner) { (void)winner; }
};
