#pragma once
// The first opponent becomes the table's current opponent: its name stands on the table, and its
// place in the personality list tells the scoreboard whether the computer's row is Brivo alone
// or Brivo and friends, and is kept with the session's settings.
#include <string>
#include <vector>

#include "board/table_layout.h"
#include "engine/game.h"
#include "records/folder_lists.h"

// The first entry of `list` named `name` exactly; the list's length when none is.
int PersonalityIndexOf(const std::vector<PersonalityEntry>& list, const std::string& name);

// Opponent record 1's name on the table and its place among the personalities of the program
// folder.
void ChangePerson(Game& g, TableLayout& layout);
