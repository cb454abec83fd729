#include "records/personality_sounds.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"
#include "shared/record_io.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kSoundNameWidth = 30;

std::string SoundsFolder(const std::string& appFolder) {
    return JoinPath(appFolder, "Sounds");
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The name can stand in the record's field as it is: every character has a byte and it is not
// cut.
bool FitsSoundField(const std::string& name) {
    const std::string bytes = ToCp1252(name);
    return bytes.size() <= kSoundNameWidth && FromCp1252(bytes) == name;
}

bool InFolder(const std::string& path, const std::string& folder) {
    std::error_code ec1, ec2;
    const fs::path parent = fs::weakly_canonical(fs::path(path).parent_path(), ec1);
    const fs::path dir = fs::weakly_canonical(folder, ec2);
    return !ec1 && !ec2 && parent == dir;
}

bool Fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

bool ReadPms(const std::string& path, PmsRecord& pms, std::string* error) {
    if (path.empty() || !ReadRecord(RecordFile(path, PmsRecord::kSize), 1, pms))
        return Fail(error, "The personality file could not be read.");
    return true;
}

// One chosen file that has to be brought into the Sounds folder.
struct SoundCopy {
    std::string bytes;
    std::string target;  // full path in the Sounds folder
};

// The name a chosen outside file gets in the Sounds folder: its own, unless a different file
// already has it (or another file of this save takes it); then the first free "<stem>_<n><ext>"
// that fits the field. Empty when no name fits.
std::string FreeName(const std::string& folder, const std::string& name, const std::string& bytes,
                     std::set<std::string>& taken, bool& reuse) {
    const fs::path p(name);
    const std::string stem = p.stem().string(), ext = p.extension().string();
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = n == 1 ? name : stem + "_" + std::to_string(n) + ext;
        if (!FitsSoundField(candidate)) return "";
        if (taken.count(Lower(candidate))) continue;
        const auto existing = FindNoCase(folder, candidate);
        if (!existing) {
            reuse = false;
            return candidate;
        }
        if (ReadWholeFile(JoinPath(folder, *existing)) == bytes) {
            reuse = true;
            return *existing;
        }
    }
    return "";
}

std::string TooLong(const std::string& name) {
    return "The sound file name \"" + name +
           "\" does not fit the personality file (30 letters at most).\n\nPlease rename the file "
           "and choose it again.";
}

// Decides where every chosen file goes; nothing is written yet.
bool PlanSounds(const std::string& appFolder, SoundChoices& choices, std::vector<SoundCopy>& copies,
                std::string* error) {
    const std::string folder = SoundsFolder(appFolder);
    std::set<std::string> taken;
    for (int e = 1; e <= kSoundEvents; ++e) {
        SoundChoice& c = choices[e];
        if (c.path.empty() || InFolder(c.path, folder)) {
            c.name = c.path.empty() ? Trim(c.name) : fs::path(c.path).filename().string();
            if (!c.name.empty() && !FitsSoundField(c.name)) return Fail(error, TooLong(c.name));
            continue;
        }
        const std::string own = fs::path(c.path).filename().string();
        const auto bytes = ReadWholeFile(c.path);
        if (!bytes || !IsPlainFileName(own))
            return Fail(error, "The sound file \"" + c.path + "\" could not be read.");
        if (!FitsSoundField(own)) return Fail(error, TooLong(own));
        bool reuse = false;
        const std::string name = FreeName(folder, own, *bytes, taken, reuse);
        if (name.empty()) return Fail(error, TooLong(own));
        taken.insert(Lower(name));
        if (!reuse) copies.push_back({*bytes, JoinPath(folder, name)});
        c = {name, JoinPath(folder, name)};
    }
    return true;
}

void RemoveAll(const std::vector<SoundCopy>& copies, size_t count) {
    std::error_code ec;
    for (size_t i = 0; i < count; ++i) fs::remove(copies[i].target, ec);
}

void ChoicesFrom(const std::string& appFolder, const PmsRecord& pms, int set, SoundChoices& out) {
    for (int e = 1; e <= kSoundEvents; ++e) {
        const std::string name = Trim(pms.Sound(e, set));
        out[e] = {name, name.empty() ? "" : JoinPath(SoundsFolder(appFolder), name)};
    }
}

}  // namespace

std::string PersonalityFilePath(const std::string& appFolder, const std::string& name) {
    const std::string n = Trim(name);
    if (HasBadFileChars(n)) return "";
    const std::string folder = JoinPath(appFolder, "Data/PMS");
    const auto real = FindNoCase(folder, n + ".pms");
    return real ? JoinPath(folder, *real) : "";
}

bool ReadCustomSounds(const std::string& appFolder, const std::string& personality,
                      SoundChoices& out, std::string* error) {
    PmsRecord pms;
    if (!ReadPms(PersonalityFilePath(appFolder, personality), pms, error)) return false;
    ChoicesFrom(appFolder, pms, 1, out);
    return true;
}

bool ResetCustomSounds(const std::string& appFolder, const std::string& personality,
                       SoundChoices& out, std::string* error) {
    const std::string path = PersonalityFilePath(appFolder, personality);
    PmsRecord pms;
    if (!ReadPms(path, pms, error)) return false;
    for (int e = 1; e <= kSoundEvents; ++e) pms.Sound(e, 1) = Trim(pms.Sound(e, 0));
    if (!WriteRecord(RecordFile(path, PmsRecord::kSize), 1, pms, error)) return false;
    ChoicesFrom(appFolder, pms, 0, out);
    return true;
}

bool SaveCustomSounds(const std::string& appFolder, const std::string& personality,
                      SoundChoices& choices, std::string* error) {
    const std::string path = PersonalityFilePath(appFolder, personality);
    if (path.empty()) return Fail(error, "The personality file could not be read.");
    SoundChoices planned = choices;
    std::vector<SoundCopy> copies;
    if (!PlanSounds(appFolder, planned, copies, error)) return false;

    for (size_t i = 0; i < copies.size(); ++i)
        if (!WriteFileAtomically(copies[i].target, copies[i].bytes, error)) {
            RemoveAll(copies, i);
            return false;
        }
    // Read just before the change: another seat may have changed the file since it was shown.
    PmsRecord pms;
    if (!ReadPms(path, pms, error)) {
        RemoveAll(copies, copies.size());
        return false;
    }
    for (int e = 1; e <= kSoundEvents; ++e) pms.Sound(e, 1) = planned[e].name;
    if (!WriteRecord(RecordFile(path, PmsRecord::kSize), 1, pms, error)) {
        RemoveAll(copies, copies.size());
        return false;
    }
    choices = planned;
    return true;
}
