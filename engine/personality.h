#pragma once
// Filling the opponent records from the signed-in player's seats and the personality files:
// name, level, avatar, sound set, comment set, the fifteen sound events and the remarks.
// Names come from the profile, from files and from other players, so a name is only ever
// turned into a path after it has passed the file-name checks; nothing found on disk is run.
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/ports/board_port.h"
#include "shared/comment_record.h"
#include "shared/pms_record.h"
#include "shared/seat_record.h"

// Copies a seat of the profile into Opp[opp]; a blank seat first gets the defaults.
void SeatToOpp(Game& g, int opp, SeatRecord& seat);

// Loads Opp[opp]'s personality file: sounds, remarks, avatar. `mode` 1 is the first opponent,
// whose remarks and sounds also become the current ones and whose avatar is shown. A missing,
// damaged or unsafe personality loads the default personality, and a missing or damaged comment
// file gives way to the personality's own remarks; a missing sound plays "Data/empty.wav".
// Returns what the player loses (a message for them: a missing file by name), or "" when all
// loaded.
std::string LoadPersonality(Game& g, int opp, int mode, BoardPort* board);

// The profile's seats 1-3 applied to the three opponents in order; returns LoadPersonality's
// warnings.
std::string ApplyOpponentSeats(Game& g, std::array<SeatRecord, 4>& seats, BoardPort* board);
// Remarks 1-20 from comment file "users/<name>.cmt" into CompComments; false (nothing changed)
// when the name is unsafe or the file is missing.
bool LoadCmtFile(Game& g, const std::string& name);
// Remarks 1-20 of a personality file into CompComments (the default personality's when the file
// is missing); false when neither can be read.
bool LoadPmsComments(Game& g, const std::string& name);

// Reads personality `name` of the program folder; false when the name is unsafe or the file is
// missing, unreadable or damaged.
bool ReadPersonalityFile(const std::string& appFolder, const std::string& name, PmsRecord& out);
// Reads the personality file at `path`: false when it cannot be read or is damaged (shorter
// than its record, or a text that is not text), so that a damaged file is never played from.
bool ReadPmsFile(const std::string& path, PmsRecord& out);

// The full path of sound file `name` in the Sounds folder, or "Data/empty.wav" when the name is
// unsafe or the file is missing.
std::string SoundPath(const std::string& appFolder, const std::string& name);
