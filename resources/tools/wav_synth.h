#pragma once
// A small sound synthesiser for the sounds the game ships: tones with a few timbres, tunes,
// sweeps, noise bursts for card snaps and silence, mixed into a mono buffer and written as a
// 16-bit PCM WAV file. Spoken remarks made by a speech synthesiser are read back, trimmed and
// brought to the same rate so that every shipped sound is small and alike.
#include <optional>
#include <string>
#include <vector>

constexpr int kSampleRate = 11025;

enum class Timbre { Sine, Square, Triangle, Saw, Bell };

struct Wave {
    std::vector<float> samples;  // -1..1

    double Seconds() const { return static_cast<double>(samples.size()) / kSampleRate; }
    // Appends `other`, or mixes it in from `atSeconds` when given.
    void Append(const Wave& other);
    void MixAt(const Wave& other, double atSeconds, float gain = 1.0f);
    // Scales so that the loudest sample reaches `peak`.
    void Normalise(float peak = 0.85f);
};

Wave Silence(double seconds);
// One note with a short attack and an exponential fade.
Wave Tone(double hz, double seconds, Timbre timbre, float amp = 0.6f, double decay = 3.0);
// A glide from `fromHz` to `toHz`.
Wave Sweep(double fromHz, double toHz, double seconds, Timbre timbre, float amp = 0.5f);
// Filtered noise: `brightness` 0 (dull thud) to 1 (hiss), fading at `decay` per second.
Wave Noise(double seconds, double brightness, double decay, unsigned seed, float amp = 0.7f);

// Notes by name ("C5", "F#4", "Bb3"; "-" a rest), each `noteSeconds` long.
std::optional<Wave> Tune(const std::vector<std::string>& notes, double noteSeconds, Timbre timbre);
std::optional<double> NoteHz(const std::string& name);

// Writes the wave as 16-bit mono PCM at kSampleRate; false (with `error`) when it cannot.
bool WriteWav(const std::string& path, const Wave& wave, std::string* error);
// Reads a 16-bit PCM WAV (mono or stereo, any rate), trims its leading and trailing silence and
// resamples it to kSampleRate.
std::optional<Wave> ReadSpeechWav(const std::string& path);
