#pragma once
// The chat sound sets: besides the plain sounds, the chat window offers the chat sounds of up
// to three computer personalities. Each shipped personality keeps its chat sounds in
// "Data/PMS/<name>/" as files "<word>_<name>.pmw"; choosing a set copies them into "Sounds/",
// where the chat window lists them. Nothing is ever started to unpack them.
#include <array>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "records/folder_lists.h"

// The chosen personalities, entries 1 to 3 ("" for no choice); entry 0 is unused.
using ChatSoundSet = std::array<std::string, 4>;
inline constexpr int kMaxSoundSets = 3;

// The window "Online Personality Sounds" without its window.
class ChatSoundSets {
  public:
    struct Item {
        std::string name;
        std::string description;
        bool ticked = false;
    };

    // Lists the personalities (all but "Pellor") and ticks the chosen ones.
    ChatSoundSets(std::string appFolder, const std::vector<PersonalityEntry>& personalities,
                  ChatSoundSet& chosen, Dialogs& dialogs);

    const std::vector<Item>& items() const { return items_; }
    void Tick(int index, bool ticked);
    // The description shown for the clicked item.
    std::string Description(int index) const;
    // "Update": takes the ticked personalities as the choice and copies their sounds. False,
    // with the choice unchanged, when more than three are ticked.
    bool Update();

  private:
    std::string app_;
    ChatSoundSet& chosen_;
    Dialogs& dialogs_;
    std::vector<Item> items_;
};

// Removes the chat sounds of every personality of `known` from "Sounds/", then copies those of
// the chosen ones in. A personality without shipped chat sounds is reported ("Missing Person");
// the others are still copied.
void LoadPersonalitySounds(const std::string& appFolder, const ChatSoundSet& chosen,
                           const std::vector<std::string>& known, Dialogs& dialogs);
