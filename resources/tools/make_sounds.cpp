// Synthesises every sound the program ships into the staged program folder: the built-in
// sounds, each personality's fifteen sounds and its chat sounds ("Data/PMS/<name>/", which the
// chat sound sets copy into "Sounds/" when a player chooses that personality). Spoken remarks use
// espeak-ng when it is installed; without it they become a short tune in the personality's rhythm,
// so the build never depends on it. Usage: make_sounds <personality sources> <program folder>
// [espeak-ng program]
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "builtin_sounds.h"
#include "personality_source.h"
#include "platform/file_util.h"

namespace {

// Runs the speech synthesiser with an argument list (no shell) and waits for it.
bool Speak(const std::string& espeak, const PersonalitySource& p, const std::string& words,
           const std::string& out) {
    std::vector<std::string> args = {
        espeak, "-v", p.voice, "-p", std::to_string(p.pitch), "-s", std::to_string(p.speed),
        "-w",   out,  words};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        execv(espeak.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Without a speech synthesiser: one note a word, rising like a remark.
Wave SpokenTune(const PersonalitySource& p, const std::string& words) {
    std::istringstream in(words);
    std::string word;
    Wave w;
    double hz = 220 + 4.0 * p.pitch;
    while (in >> word) {
        w.Append(Tone(hz, 0.06 + 0.02 * static_cast<double>(std::min<size_t>(word.size(), 8)),
                      p.timbre, 0.5f, 6));
        hz *= 1.06;
    }
    return w;
}

std::optional<Wave> Make(const PersonalitySource& p, const SoundSpec& s, const std::string& espeak,
                         const std::string& scratch) {
    std::istringstream in(s.recipe);
    std::string kind;
    in >> kind;
    std::string rest;
    std::getline(in, rest);
    if (kind == "tune") {
        std::vector<std::string> notes;
        std::istringstream n(rest);
        for (std::string note; n >> note;) notes.push_back(note);
        return Tune(notes, 0.12, p.timbre);
    }
    if (!espeak.empty() && Speak(espeak, p, rest, scratch))
        if (auto w = ReadSpeechWav(scratch)) return w;
    return SpokenTune(p, rest);
}

bool Save(const std::string& path, Wave w) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (!w.samples.empty() && w.Seconds() > 0.06) w.Normalise(0.85f);
    std::string error;
    if (WriteWav(path, w, &error)) return true;
    std::cerr << path << ": " << error << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: make_sounds <sources> <program folder> [espeak-ng]\n";
        return 2;
    }
    const std::string stage = argv[2];
    std::string espeak = argc == 4 ? argv[3] : "";
    if (!espeak.empty() && access(espeak.c_str(), X_OK) != 0) espeak.clear();

    for (auto& [rel, wave] : BuiltinSounds())
        if (!Save(JoinPath(stage, rel), wave)) return 1;

    std::string error;
    auto sources = LoadPersonalitySources(argv[1], &error);
    if (!sources) {
        std::cerr << error << "\n";
        return 1;
    }
    const std::string scratch = JoinPath(stage, "Sounds/.speech.tmp.wav");
    for (const PersonalitySource& p : *sources)
        for (int e = 1; e <= kSoundEvents; ++e) {
            auto wave = Make(p, p.sounds[e], espeak, scratch);
            if (!wave) {
                std::cerr << p.name << ": sound" << e << ": bad recipe '" << p.sounds[e].recipe
                          << "'\n";
                return 1;
            }
            if (!Save(JoinPath(stage, "Sounds/" + p.sounds[e].file), *wave)) return 1;
        }
    for (const PersonalitySource& p : *sources)
        for (const SoundSpec& chat : p.chat) {
            auto wave = Make(p, chat, espeak, scratch);
            if (!wave) {
                std::cerr << p.name << ": " << chat.file << ": bad recipe '" << chat.recipe
                          << "'\n";
                return 1;
            }
            if (!Save(JoinPath(stage, "Data/PMS/" + p.name + "/" + chat.file), *wave)) return 1;
        }
    std::error_code ec;
    std::filesystem::remove(scratch, ec);
    return 0;
}
