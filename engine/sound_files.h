#pragma once
// The built-in sounds ship as "Data/snd<id>.wav" (ids 105-108 and 110-123); for the run they are
// put where the game plays them from, "Data/~<id>.tmp", and removed again at shutdown.
#include <string>
#include <vector>

// The ids of the built-in sounds.
std::vector<int> BuiltinSoundIds();

// Puts each shipped sound at "Data/~<id>.tmp" (a second name of the shipped file, or a copy); a
// missing one is left out (playing it later is silent). Returns how many were set up.
int SetUpSounds(const std::string& appFolder);
void CleanUpSounds(const std::string& appFolder);
