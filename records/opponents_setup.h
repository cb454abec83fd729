#pragma once
// The opponents setup without its window: how many opponents and center piles, the seat panel of
// each opponent (personality, level, comment set, avatar, sound set) and of the player (their
// picture), the custom sounds of a personality, the three general switches, and what Done,
// Cancel and closing leave behind. A saved seat goes into the profile and onto its opponent at
// once; the player and center counts only through Done.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/ports/board_port.h"
#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "records/personality_sounds.h"
#include "shared/seat_record.h"

// The lists the window chooses from.
struct SetupLists {
    std::vector<std::string> personalities;  // CboOpponent
    std::vector<std::string> descriptions;   // one per personality
    // CboComment: "Default Personality", the comment files, "No Comments".
    std::vector<std::string> comments;
    // The avatar pictures; entry 0 is empty, so entry i is the scroll bar's value i.
    std::vector<std::string> avatars{""};
};

struct OpponentsSetupParts {
    OpponentsSetupParts(Game& g, std::array<SeatRecord, 4>& s, std::string& avatar, Dialogs& d)
        : game(g), seats(s), playerAvatar(avatar), dialogs(d) {}

    Game& game;
    std::array<SeatRecord, 4>& seats;  // the signed-in player's profile seats
    std::string& playerAvatar;
    Dialogs& dialogs;
    Sounds* sounds = nullptr;
    BoardPort* board = nullptr;
    i16 faceDeck = 6;
    bool avatarShown = true;  // the main window's avatar picture
    SetupLists lists;
    // Writes the profile's record; false when it could not be written.
    std::function<bool()> saveProfile;
    // The first opponent's name becomes the current opponent's on the main window.
    std::function<void()> changePerson;
    // Shows or hides the main window's avatar picture.
    std::function<void(bool)> showAvatar;
    // Imports a picture into the Avatars folder; the avatar list after it, or nothing.
    std::function<std::optional<std::vector<std::string>>()> importAvatar;
    // A file chooser for a WAV sound, opened in `folder`.
    std::function<std::optional<std::string>(const std::string& folder)> chooseSound;
};

// What the seat frame shows.
struct SeatPanel {
    int seat = 0;  // EditSeat: 0-2 opponents 1-3, 3 the player
    std::string caption;
    int personality = -1;  // CboOpponent entry
    std::string description;
    int level = 0;
    int comment = 0;  // CboComment entry
    int soundSet = 0;
    int avatar = 0;          // HScrollAvatar's value, 0 none
    std::string avatarFile;  // EditAvatar: the picture shown, "" none
    bool showPlayerAvatar = false;
    bool soundPanel = false;  // the "Current Sounds" panel (the window's full width)
    int soundEvent = 0;       // 1-15, 0 none yet
};

class OpponentsSetup {
  public:
    explicit OpponentsSetup(OpponentsSetupParts parts);

    // Opens the window's state; the opener ticks "Disable Personality Sounds" when sounds are
    // not all on. Selects the players' option, which puts the last opponent on the panel.
    void Open();

    void PlayersClicked(int index);  // Option1: 1 to 3 opponents
    void CentersClicked(int index);  // optCenters: 3 or 4
    void SeatClicked(int index);     // CmdSetup: opponents 1-3, 3 the player

    void PersonalityChosen(int index);
    void LevelChosen(int index);
    void CommentChosen(int index);
    void SoundSetChosen(int index);
    void AvatarScrolled(int value);
    void AddAvatar();
    void PlayerAvatarTicked(bool on);
    void ShowAvatarTicked(bool on);
    // Saves the seat on the panel ("Save Opponent" / "Save Player").
    void Save();

    // The sound panel.
    void ChangeSounds();
    void PlayEvent(int event);
    void GetNewSound();
    void SaveCustom();
    void ResetCustom();

    // The general switches: 0 no win animation, 1 no lose animation, 2 no personality sounds.
    void AdjustmentClicked(int index, bool on);

    // Done: the counts change (CancelFlag clear) or stay (CancelFlag set).
    void Done();
    // Cancel, Esc or the close box.
    void Cancel();

    const SeatPanel& panel() const { return panel_; }
    const SetupLists& lists() const { return parts_.lists; }
    const SoundChoices& soundChoices() const { return choices_; }
    int setupPlayers() const { return setupPlayers_; }
    int setupCenters() const { return setupCenters_; }
    bool centersShown() const { return setupPlayers_ == 2; }
    bool seatEnabled(int index) const {
        return index == 0 || index == 3 || index < setupPlayers_ - 1;
    }
    bool saveEnabled() const { return saveEnabled_; }
    bool customButtonsEnabled() const { return panel_.soundSet == 1 && soundSetsEnabled(); }
    bool soundSetsEnabled() const { return !adjust_[2]; }
    bool adjustment(int index) const { return adjust_[index]; }
    bool avatarShown() const { return parts_.avatarShown; }
    bool changedSetting() const { return changedSetting_; }
    bool cancelFlag() const { return cancelFlag_; }

  private:
    void AskSaveSettings();
    void ShowOpponentSeat(int index);
    void ShowPlayerSeat();
    int FindAvatar(const std::string& file) const;
    int CommentIndexOf(SeatRecord& seat);
    void Changed();
    void CheckPersonalitySounds(const std::string& name);
    void ForgetUnpackedSounds(const std::string& oldName);
    bool WriteProfile();
    void Tell(const std::string& text, const std::string& title);

    OpponentsSetupParts parts_;
    SeatPanel panel_;
    std::array<i16, 3> seatLevels_{};
    SoundChoices choices_{};
    std::array<bool, 3> adjust_{};
    std::string oldPersonality_;
    int setupPlayers_ = 2;
    int setupCenters_ = 0;
    bool changedSetting_ = false;
    bool changedPerson_ = false;
    bool saveEnabled_ = false;
    bool soundsWarned_ = false;
    bool cancelFlag_ = false;
};
