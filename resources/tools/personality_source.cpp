#include "personality_source.h"

#include <sstream>

#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"

namespace {

std::optional<Timbre> TimbreNamed(const std::string& name) {
    if (name == "sine") return Timbre::Sine;
    if (name == "square") return Timbre::Square;
    if (name == "triangle") return Timbre::Triangle;
    if (name == "saw") return Timbre::Saw;
    if (name == "bell") return Timbre::Bell;
    return std::nullopt;
}

bool Fits(const std::string& text, size_t width) {
    return ToCp1252(text).size() <= width;
}

class Parser {
  public:
    Parser(const std::string& where, std::string* error) : where_(where), error_(error) {}

    bool Line(const std::string& raw, int number) {
        line_ = number;
        const std::string text = Trim(raw);
        if (text.empty() || text[0] == '#') return true;
        const size_t colon = text.find(':');
        if (colon == std::string::npos) return Fail("expected 'key: value'");
        const std::string key = Trim(text.substr(0, colon));
        const std::string value = Trim(text.substr(colon + 1));
        if (key == "name") return Set(p.name, value, 20) && Safe(p.name);
        if (key == "avatar") return Set(p.avatar, value, 20);
        if (key == "number") return Number(value);
        if (key == "voice") return Voice(value);
        if (key == "timbre") return SetTimbre(value);
        if (key == "description") return Set(p.lines[0], value, 100);
        if (key.rfind("sound ", 0) == 0) return Sound(key.substr(6), value);
        if (key == "chat") return Chat(value);
        const int n = static_cast<int>(Val(key));
        if (n < 1 || n > 35 || Str(n) != " " + key) return Fail("unknown key '" + key + "'");
        return Set(p.lines[n], value, 100);
    }

    bool Finish() {
        if (p.name.empty()) return Fail("no name");
        if (p.avatar.empty()) return Fail("no avatar");
        for (int i = 0; i <= 35; ++i)
            if (p.lines[i].empty()) return Fail("remark" + Str(i) + " is missing");
        for (int e = 1; e <= kSoundEvents; ++e)
            if (p.sounds[e].file.empty()) return Fail("sound" + Str(e) + " is missing");
        // The chat sound sets replace a personality's sounds by removing the files that end in
        // its name, so every chat sound must.
        for (const SoundSpec& s : p.chat)
            if (!EndsWith(s.file, "_" + p.name + ".pmw"))
                return Fail(s.file + ": a chat sound's file ends in _" + p.name + ".pmw");
        return true;
    }

    PersonalitySource p;

  private:
    bool Fail(const std::string& what) {
        if (error_) *error_ = where_ + ":" + std::to_string(line_) + ": " + what;
        return false;
    }
    bool Set(std::string& field, const std::string& value, size_t width) {
        if (value.empty()) return Fail("empty value");
        if (!Fits(value, width))
            return Fail("longer than" + Str(static_cast<int>(width)) + " characters");
        field = value;
        return true;
    }
    bool Safe(const std::string& name) {
        return HasBadFileChars(name) ? Fail("not a file name") : true;
    }
    bool Number(const std::string& value) {
        p.number = static_cast<int>(Val(value));
        return true;
    }
    bool Voice(const std::string& value) {
        std::istringstream in(value);
        if (!(in >> p.voice >> p.pitch >> p.speed)) return Fail("voice: name pitch speed");
        return true;
    }
    bool SetTimbre(const std::string& value) {
        auto t = TimbreNamed(value);
        if (!t) return Fail("unknown timbre");
        p.timbre = *t;
        return true;
    }
    bool Sound(const std::string& event, const std::string& value) {
        const int e = static_cast<int>(Val(event));
        if (e < 1 || e > kSoundEvents) return Fail("sound events are 1 to 15");
        return Spec(value, p.sounds[e]);
    }
    bool Chat(const std::string& value) {
        p.chat.emplace_back();
        return Spec(value, p.chat.back());
    }
    bool Spec(const std::string& value, SoundSpec& s) {
        const size_t bar = value.find('|');
        if (bar == std::string::npos) return Fail("sound: file | recipe");
        s.file = Trim(value.substr(0, bar));
        s.recipe = Trim(value.substr(bar + 1));
        if (!IsPlainFileName(s.file) || !Fits(s.file, 30)) return Fail("bad sound file name");
        if (s.recipe.rfind("say ", 0) != 0 && s.recipe.rfind("tune ", 0) != 0)
            return Fail("a sound is made by 'say' or 'tune'");
        return true;
    }
    static bool EndsWith(const std::string& text, const std::string& end) {
        return text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    }

    std::string where_;
    std::string* error_;
    int line_ = 0;
};

}  // namespace

std::optional<PersonalitySource> ParsePersonality(const std::string& text, const std::string& where,
                                                  std::string* error) {
    Parser parser(where, error);
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (!parser.Line(line, n)) return std::nullopt;
    if (!parser.Finish()) return std::nullopt;
    return parser.p;
}

PmsRecord ToPms(const PersonalitySource& p) {
    PmsRecord pms;
    pms.Comments = p.lines;
    pms.Sounds[0] = std::to_string(p.number);
    for (int e = 1; e <= kSoundEvents; ++e) pms.Sound(e, 0) = pms.Sound(e, 1) = p.sounds[e].file;
    pms.DefaultAvatar = p.avatar;
    return pms;
}

std::optional<std::vector<PersonalitySource>> LoadPersonalitySources(const std::string& dir,
                                                                     std::string* error) {
    std::vector<PersonalitySource> all;
    for (const std::string& file : ListFiles(dir, ".txt")) {
        const std::string path = JoinPath(dir, file);
        auto text = ReadWholeFile(path);
        if (!text) {
            if (error) *error = path + ": cannot be read";
            return std::nullopt;
        }
        auto p = ParsePersonality(*text, path, error);
        if (!p) return std::nullopt;
        all.push_back(*p);
    }
    if (all.empty() && error) *error = dir + ": no personality sources";
    if (all.empty()) return std::nullopt;
    return all;
}
