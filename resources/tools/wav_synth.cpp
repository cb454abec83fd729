#include "wav_synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <random>

#include "platform/file_util.h"

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

size_t SamplesFor(double seconds) {
    return static_cast<size_t>(std::max(0.0, seconds) * kSampleRate);
}

double Oscillator(Timbre t, double phase) {
    const double x = phase - std::floor(phase);  // 0..1
    switch (t) {
        case Timbre::Sine:
            return std::sin(kTwoPi * x);
        case Timbre::Square:
            return x < 0.5 ? 0.6 : -0.6;
        case Timbre::Triangle:
            return 4 * std::abs(x - 0.5) - 1;
        case Timbre::Saw:
            return 0.7 * (2 * x - 1);
        case Timbre::Bell:
            return 0.6 * std::sin(kTwoPi * x) + 0.3 * std::sin(kTwoPi * 2.76 * x) +
                   0.1 * std::sin(kTwoPi * 5.4 * x);
    }
    return 0;
}

// Attack of 5 ms so that no note clicks, then the fade.
float Envelope(size_t i, double decay) {
    const double t = static_cast<double>(i) / kSampleRate;
    return static_cast<float>(std::min(1.0, t / 0.005) * std::exp(-decay * t));
}

void PutLe(std::string& out, std::uint32_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}

std::uint32_t GetLe(const std::string& in, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(in[at + k]);
    return v;
}

}  // namespace

void Wave::Append(const Wave& other) {
    samples.insert(samples.end(), other.samples.begin(), other.samples.end());
}

void Wave::MixAt(const Wave& other, double atSeconds, float gain) {
    const size_t start = SamplesFor(atSeconds);
    if (samples.size() < start + other.samples.size()) samples.resize(start + other.samples.size());
    for (size_t i = 0; i < other.samples.size(); ++i) samples[start + i] += gain * other.samples[i];
}

void Wave::Normalise(float peak) {
    float loudest = 0;
    for (float s : samples) loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (float& s : samples) s *= peak / loudest;
}

Wave Silence(double seconds) {
    return Wave{std::vector<float>(SamplesFor(seconds), 0.0f)};
}

Wave Tone(double hz, double seconds, Timbre timbre, float amp, double decay) {
    Wave w{std::vector<float>(SamplesFor(seconds))};
    for (size_t i = 0; i < w.samples.size(); ++i)
        w.samples[i] =
            amp * Envelope(i, decay) *
            static_cast<float>(Oscillator(timbre, hz * static_cast<double>(i) / kSampleRate));
    return w;
}

Wave Sweep(double fromHz, double toHz, double seconds, Timbre timbre, float amp) {
    Wave w{std::vector<float>(SamplesFor(seconds))};
    double phase = 0;
    for (size_t i = 0; i < w.samples.size(); ++i) {
        const double f = fromHz + (toHz - fromHz) * static_cast<double>(i) /
                                      static_cast<double>(w.samples.size());
        phase += f / kSampleRate;
        w.samples[i] = amp * Envelope(i, 1.0) * static_cast<float>(Oscillator(timbre, phase));
    }
    return w;
}

Wave Noise(double seconds, double brightness, double decay, unsigned seed, float amp) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> white(-1.0f, 1.0f);
    Wave w{std::vector<float>(SamplesFor(seconds))};
    const float keep = static_cast<float>(std::clamp(1.0 - brightness, 0.0, 0.98));
    float last = 0;
    for (size_t i = 0; i < w.samples.size(); ++i) {
        last = keep * last + (1 - keep) * white(rng);  // one-pole low-pass
        w.samples[i] = amp * Envelope(i, decay) * last * (1.0f + 2.0f * keep);
    }
    return w;
}

std::optional<double> NoteHz(const std::string& name) {
    static const std::string kLetters = "C D EF G A B";
    if (name.size() < 2) return std::nullopt;
    const size_t letter = kLetters.find(static_cast<char>(std::toupper(name[0])));
    if (letter == std::string::npos || name[0] == ' ') return std::nullopt;
    int semitone = static_cast<int>(letter);
    size_t pos = 1;
    if (name[pos] == '#')
        ++semitone, ++pos;
    else if (name[pos] == 'b')
        --semitone, ++pos;
    if (pos + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[pos])))
        return std::nullopt;
    const int octave = name[pos] - '0';
    const int fromA4 = semitone - 9 + 12 * (octave - 4);
    return 440.0 * std::pow(2.0, fromA4 / 12.0);
}

std::optional<Wave> Tune(const std::vector<std::string>& notes, double noteSeconds, Timbre timbre) {
    Wave w;
    for (const std::string& n : notes) {
        if (n == "-") {
            w.Append(Silence(noteSeconds));
            continue;
        }
        auto hz = NoteHz(n);
        if (!hz) return std::nullopt;
        w.Append(Tone(*hz, noteSeconds, timbre, 0.6f, 2.5 / noteSeconds));
    }
    return w;
}

bool WriteWav(const std::string& path, const Wave& wave, std::string* error) {
    std::string data;
    for (float s : wave.samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
        PutLe(data, static_cast<std::uint16_t>(v), 2);
    }
    std::string out = "RIFF";
    PutLe(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, kSampleRate, 4);
    PutLe(out, kSampleRate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    out += "data";
    PutLe(out, static_cast<std::uint32_t>(data.size()), 4);
    return WriteFileAtomically(path, out + data, error);
}

std::optional<Wave> ReadSpeechWav(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes || bytes->size() < 44 || bytes->compare(0, 4, "RIFF") != 0) return std::nullopt;
    const std::string& in = *bytes;
    int channels = 0, rate = 0, bits = 0;
    for (size_t at = 12; at + 8 <= in.size();) {
        const std::string id = in.substr(at, 4);
        const size_t size = GetLe(in, at + 4, 4);
        const size_t body = at + 8;
        if (body + size > in.size() && id != "data") return std::nullopt;
        if (id == "fmt " && size >= 16) {
            channels = static_cast<int>(GetLe(in, body + 2, 2));
            rate = static_cast<int>(GetLe(in, body + 4, 4));
            bits = static_cast<int>(GetLe(in, body + 14, 2));
        } else if (id == "data") {
            if (bits != 16 || channels < 1 || rate < 1000) return std::nullopt;
            const size_t frames = std::min(size, in.size() - body) / (2 * channels);
            std::vector<float> mono(frames);
            for (size_t f = 0; f < frames; ++f)
                mono[f] = static_cast<float>(
                              static_cast<std::int16_t>(GetLe(in, body + 2 * channels * f, 2))) /
                          32768.0f;
            auto loud = [](float s) { return std::abs(s) > 0.01f; };
            auto first = std::find_if(mono.begin(), mono.end(), loud);
            auto last = std::find_if(mono.rbegin(), mono.rend(), loud).base();
            Wave w;
            const double step = static_cast<double>(rate) / kSampleRate;
            const auto kept = static_cast<double>(std::max<std::ptrdiff_t>(0, last - first));
            for (double pos = 0; pos < kept; pos += step) {
                // Averages the source samples this output sample stands for.
                const auto a = static_cast<size_t>(pos),
                           b = std::max(a + 1, static_cast<size_t>(pos + step));
                float sum = 0;
                for (size_t k = a; k < b && first + static_cast<std::ptrdiff_t>(k) < last; ++k)
                    sum += *(first + static_cast<std::ptrdiff_t>(k));
                w.samples.push_back(sum / static_cast<float>(b - a));
            }
            return w;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
