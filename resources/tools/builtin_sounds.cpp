#include "builtin_sounds.h"

namespace {

// A card snapping down: a wooden set (dull, short) and a metallic one (bright, ringing).
Wave CardSnap(bool metallic, double length, double pitch, unsigned seed) {
    Wave w = Noise(length, metallic ? 0.8 : 0.35, metallic ? 30 : 45, seed);
    if (metallic)
        w.MixAt(Tone(pitch, length, Timbre::Bell, 0.35f, 18), 0);
    else
        w.MixAt(Tone(pitch, 0.04, Timbre::Sine, 0.5f, 60), 0);
    w.Normalise(0.8f);
    return w;
}

Wave Riffle() {
    Wave w;
    for (int i = 0; i < 14; ++i) w.MixAt(Noise(0.03, 0.5, 90, 100 + i, 0.5f), 0.035 * i);
    w.Normalise(0.7f);
    return w;
}

Wave Notes(const std::vector<std::string>& notes, double each, Timbre t) {
    Wave w = *Tune(notes, each, t);
    w.Normalise(0.7f);
    return w;
}

std::string Builtin(int id) {
    return "Data/snd" + std::to_string(id) + ".wav";
}

}  // namespace

std::vector<std::pair<std::string, Wave>> BuiltinSounds() {
    std::vector<std::pair<std::string, Wave>> s;
    s.emplace_back(Builtin(105),
                   Notes({"E5", "G5"}, 0.08, Timbre::Triangle));  // the computer speaks up
    s.emplace_back(Builtin(106), Tone(2400, 0.02, Timbre::Sine, 0.3f, 200));  // menu hover
    s.emplace_back(Builtin(107), CardSnap(false, 0.04, 900, 7));              // menu press
    s.emplace_back(Builtin(108), Tone(140, 0.28, Timbre::Square, 0.5f, 4));   // a rule says no
    s.emplace_back(Builtin(110), Notes({"A5", "E6"}, 0.1, Timbre::Bell));     // chat line
    // Card sounds by kind, wooden set: 113 turn up, 112 to a center, 111 deal to an opponent,
    // 115 to a hold pile, 114 deal to the player; metallic set 118, 117, 116, 120, 119.
    s.emplace_back(Builtin(111), CardSnap(false, 0.07, 300, 11));
    s.emplace_back(Builtin(112), CardSnap(false, 0.10, 220, 12));
    s.emplace_back(Builtin(113), CardSnap(false, 0.06, 420, 13));
    s.emplace_back(Builtin(114), CardSnap(false, 0.07, 340, 14));
    s.emplace_back(Builtin(115), CardSnap(false, 0.12, 180, 15));
    s.emplace_back(Builtin(116), CardSnap(true, 0.10, 1250, 16));
    s.emplace_back(Builtin(117), CardSnap(true, 0.14, 990, 17));
    s.emplace_back(Builtin(118), CardSnap(true, 0.09, 1480, 18));
    s.emplace_back(Builtin(119), CardSnap(true, 0.10, 1320, 19));
    s.emplace_back(Builtin(120), CardSnap(true, 0.16, 880, 20));
    s.emplace_back(Builtin(121), Sweep(300, 1200, 0.35, Timbre::Triangle));  // a game restored
    s.emplace_back(Builtin(122),
                   Notes({"C5", "E5", "G5", "C6"}, 0.09, Timbre::Square));  // new game
    s.emplace_back(Builtin(123), Riffle());                                 // the deal
    s.emplace_back("Data/empty.wav", Silence(0.05));
    s.emplace_back("Sounds/IntroB.wav",
                   Notes({"G4", "C5", "E5", "G5", "-", "E5", "G5", "C6"}, 0.14, Timbre::Bell));
    Wave slap = Noise(0.18, 0.9, 25, 3);
    slap.Normalise(0.9f);
    s.emplace_back("Sounds/slap.wav", slap);
    return s;
}
