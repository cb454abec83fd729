#pragma once
// The game's position to and from the snapshot record, with the checks a record must pass
// before any of it is applied. These only move data: the files, messages and redraws around a
// save or restore are GameRecords' (records/game_records.h).
#include <string>

#include "engine/game.h"
#include "shared/game_state_record.h"

// Copies the position into `rec`; the title and the entries the game does not use (absent
// players, cards past NumCards, reserved bytes) keep what `rec` held.
void GameToRecord(const Game& g, GameStateRecord& rec);

// Empty when `rec` is a position this program can play on; otherwise what is wrong with it.
// Checks the table size and rules, the player on turn, every count and card and that every
// card of the decks is in exactly one place.
std::string ValidateRecord(const GameStateRecord& rec);

// Replaces the position (and the rules that travel with it) by the record's. The record must
// have passed ValidateRecord. The opponents' personalities stay; the working copy is left for
// the caller to load.
void RecordToState(const GameStateRecord& rec, Game& g);

// The human's six counts of the current game as a move-history title ("Move 3 1 0 3 1 0"), and
// back: the words after the first, read as numbers (anything else reads as 0).
std::string StatsTitle(const Game& g);
void StatsFromTitle(const std::string& title, Game& g);
