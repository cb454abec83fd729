#include "net/chat_sound_sets.h"

#include <filesystem>

#include "net/name_compare.h"
#include "platform/file_util.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNeverListed = "Pellor";
constexpr const char* kSoundExtension = ".pmw";

std::string ChatSoundEnding(const std::string& personality) {
    return "_" + personality + kSoundExtension;
}

void RemoveChatSounds(const std::string& soundsFolder, const std::string& personality) {
    for (const std::string& file : ListFiles(soundsFolder, kSoundExtension))
        if (EndsWithNoCase(file, ChatSoundEnding(personality))) {
            std::error_code ec;
            fs::remove(JoinPath(soundsFolder, file), ec);
        }
}

// Copies the personality's shipped chat sounds; false when it has none.
bool CopyChatSounds(const std::string& appFolder, const std::string& personality,
                    Dialogs& dialogs) {
    if (!IsPlainFileName(personality)) return false;
    const std::string from = JoinPath(appFolder, "Data/PMS/" + personality);
    const std::string to = JoinPath(appFolder, "Sounds");
    bool any = false;
    for (const std::string& file : ListFiles(from, kSoundExtension)) {
        if (!EndsWithNoCase(file, ChatSoundEnding(personality))) continue;
        any = true;
        auto bytes = ReadWholeFile(JoinPath(from, file));
        std::string error = "cannot read " + file;
        if (!bytes || !WriteFileAtomically(JoinPath(to, file), *bytes, &error)) {
            dialogs.MsgBox("The sounds of " + personality + " could not be copied:\n" + error,
                           mb::OkOnly | mb::Exclamation, "Online Personality Sounds");
            return true;
        }
    }
    return any;
}

}  // namespace

ChatSoundSets::ChatSoundSets(std::string appFolder,
                             const std::vector<PersonalityEntry>& personalities,
                             ChatSoundSet& chosen, Dialogs& dialogs)
    : app_(std::move(appFolder)), chosen_(chosen), dialogs_(dialogs) {
    for (const PersonalityEntry& p : personalities) {
        if (p.name == kNeverListed) continue;
        Item item{p.name, p.description, false};
        for (int k = 1; k <= kMaxSoundSets; ++k) item.ticked = item.ticked || chosen_[k] == p.name;
        items_.push_back(std::move(item));
    }
}

void ChatSoundSets::Tick(int index, bool ticked) {
    if (index >= 0 && index < static_cast<int>(items_.size()))
        items_[static_cast<size_t>(index)].ticked = ticked;
}

std::string ChatSoundSets::Description(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return "";
    return items_[static_cast<size_t>(index)].description;
}

bool ChatSoundSets::Update() {
    ChatSoundSet picked{};
    int count = 0;
    for (const Item& item : items_) {
        if (!item.ticked) continue;
        if (++count > kMaxSoundSets) {
            dialogs_.MsgBox(
                "You have more than 3 checked and 3 is the maximum. Uncheck somebody and then "
                "click the Update button again.",
                mb::OkOnly | mb::Information, "3 Maximum");
            return false;
        }
        picked[static_cast<size_t>(count)] = item.name;
    }
    chosen_ = picked;
    std::vector<std::string> known;
    for (const Item& item : items_) known.push_back(item.name);
    LoadPersonalitySounds(app_, chosen_, known, dialogs_);
    return true;
}

void LoadPersonalitySounds(const std::string& appFolder, const ChatSoundSet& chosen,
                           const std::vector<std::string>& known, Dialogs& dialogs) {
    const std::string sounds = JoinPath(appFolder, "Sounds");
    for (const std::string& name : known) RemoveChatSounds(sounds, name);
    for (int k = 1; k <= kMaxSoundSets; ++k)
        if (!chosen[k].empty()) RemoveChatSounds(sounds, chosen[k]);
    for (int k = 1; k <= kMaxSoundSets; ++k) {
        if (chosen[k].empty()) continue;
        if (!CopyChatSounds(appFolder, chosen[k], dialogs))
            dialogs.MsgBox("This personality has not been installed. No sounds available.",
                           mb::OkOnly | mb::Information, "Missing Person");
    }
}
