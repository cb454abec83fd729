#pragma once
// The records the game's flow writes as it goes: the signed-in player's profile, the automatic
// save and the move history.
class RecordsPort {
public:
    virtual ~RecordsPort() = default;
    // Writes the signed-in player's profile back to its record; false when it could not be
    // written (the caller tells the player).
    virtual bool SaveProfile() = 0;
    // Saves the position for Previous Turn and the automatic save, at a turn boundary.
    virtual void AutoSave() = 0;
    // After each of the human's plays onto a center pile: the position goes into the move
    // history, so that Undo can step back to it.
    virtual void SaveMove() = 0;
};
