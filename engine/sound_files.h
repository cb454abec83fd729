#pragma once
// The built-in sounds ship as "Data/snd<id>.wav" (ids 105-108 and 110-123); for the run they are
// put where the game plays them from, "Data/~<id>.tmp", and removed again at shutdown.
#include <string>
#include <vector>

// The ids of the built-in sounds.
std::vector<int> BuiltinSoundIds();

// Writes "Data/~<id>.tmp" from each shipped sound; a missing one is left out (playing it later
// is silent). Returns how many were written.
int SetUpSounds(const std::string& appFolder);
void CleanUpSounds(const std::string& appFolder);
