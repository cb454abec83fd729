#pragma once
// The reviewable text form of a shipped personality (resources/personalities/<name>.txt):
//
//   name: Brivo                      avatar: Brivo.jpg          number: 0
//   voice: en+m3 45 165              (speech voice, pitch, words per minute)
//   timbre: square                   (sine, square, triangle, saw or bell, for its tunes)
//   description: one line shown when the personality is chosen
//   1: ... 35:                       the remarks, by line number
//   sound 13: Brivo_yeah.wav | say Yeah!        (event 1-15: file, then how it is made:
//   sound 14: Brivo_win.wav | tune C5 E5 G5     "say <words>" or "tune <notes>")
//   chat: Hello_Brivo.pmw | say Hi there!       (a sound players can send in the chat; its
//                                               file name ends in the personality's name)
//
// Blank lines and lines starting with '#' are skipped. Every field is checked against the
// record it goes into, so a mistake stops the build with the file and line named.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shared/pms_record.h"
#include "wav_synth.h"

struct SoundSpec {
    std::string file;    // in Sounds/
    std::string recipe;  // "say ..." or "tune ..."
};

struct PersonalitySource {
    std::string name;
    std::string avatar;
    int number = 0;
    std::string voice = "en";
    int pitch = 50;
    int speed = 160;
    Timbre timbre = Timbre::Sine;
    std::array<std::string, 36> lines{};  // 0 the description
    std::array<SoundSpec, kSoundEvents + 1> sounds{};
    std::vector<SoundSpec> chat;  // shipped in "Data/PMS/<name>/" for the chat sound sets
};

std::optional<PersonalitySource> ParsePersonality(const std::string& text, const std::string& where,
                                                  std::string* error);
// The personality file: both sound sets start out with the same sounds.
PmsRecord ToPms(const PersonalitySource& p);

// Every "*.txt" source of `dir`, in name order; nothing (with `error`) when one is wrong.
std::optional<std::vector<PersonalitySource>> LoadPersonalitySources(const std::string& dir,
                                                                     std::string* error);
