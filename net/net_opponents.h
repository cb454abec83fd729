#pragma once
// The opponent seats around an Internet game: the picture this machine keeps for each person
// met, the computer personalities coming back when the game is over, and the offer to save a
// game that ended early.
#include <array>
#include <functional>
#include <string>

#include "engine/game.h"
#include "engine/services.h"
#include "shared/seat_record.h"

// Opp[opp] takes the picture kept on this machine for the person of its name, when there is one
// whose file is still there; otherwise it keeps its own.
void LoadNetAvatar(Game& g, int opp);
// Keeps Opp[opp]'s picture for the person of its name (the comment set kept with it stays).
bool SaveNetAvatar(const Game& g, int opp, std::string* error);

// After an Internet game (unless the program is closing): the personalities' chat sounds
// unpacked for it are deleted and the opponent seats are the signed-in player's computer
// personalities again, from `seats`.
void ResetNetPlayers(Game& g, std::array<SeatRecord, 4>& seats, BoardPort* board);

// A game that the other players ended while somebody was on turn: the player may save it
// (`save` runs the Game menu's save); the table is then cleared. Nothing happens between games.
void AskSaveEndedGame(Game& g, const Services& sv, const std::function<void()>& save);
