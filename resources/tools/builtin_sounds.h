#pragma once
// The program's own sounds: the eighteen built-in sounds that start-up writes out as
// "Data/~<id>.tmp" (shipped as "Data/snd<id>.wav"), the silent "Data/empty.wav" that stands in
// for a missing personality sound, and the intro tune and the avatar slap of "Sounds/".
#include <string>
#include <utility>
#include <vector>

#include "wav_synth.h"

// (path relative to the program folder, sound).
std::vector<std::pair<std::string, Wave>> BuiltinSounds();
