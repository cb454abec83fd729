#pragma once
// Signing players in and out of their profiles in "Data/Prefs.sav": reading the player list,
// applying a profile (corrected so that no stored value can do harm), applying the table's
// looks, and saving the working values back. Every change to the file is one atomic write, and
// no write happens after a failed read.
#include <optional>
#include <string>
#include <vector>

#include "records/profile_target.h"
#include "shared/profile_state.h"

enum class SignInResult {
    SameAsBefore,  // the player already signed in: nothing loaded
    Loaded,        // a known player's profile was loaded and applied
    Created,       // a new player's profile was made from the template and applied
    Failed,        // the profile file could not be read or written (the player has been told)
};

class Profiles {
  public:
    Profiles(ProfileState& state, ProfileTarget& target, std::string appFolder)
        : ps_(state), target_(target), appFolder_(std::move(appFolder)) {}

    std::string PrefsPath() const;

    // Start-up: the header's last player and the players the file holds, then the profile of
    // the last player (or of the template while nobody is signed in) is applied.
    bool Get_Players();
    // Reads record `recNum`, corrects it, applies it and writes the corrections back.
    bool ApplyPlayerPrefs(int recNum);
    // The background, the computer's pause and the label font from the working values.
    void ApplyDisplayPrefs();
    // Saves the working values into the signed-in player's record and the last player's name
    // into the header (one write); for a new player (ProfileLoaded false) the record is made
    // from the template. With `load` the record is then applied again.
    bool OpenPlayerPrefs(bool load);

    // Signs `name` in (already checked by the sign-in window: not empty, not a reserved name,
    // no forbidden character). The previous player's changed settings are saved first.
    SignInResult SignIn(const std::string& name);

    // The known player's position (0-based) whose name matches `name` ignoring case, or -1.
    int FindKnownPlayer(const std::string& name) const;

    // The folder of the files the game ships, whose players' file holds the game's own
    // settings for new players.
    void SetShippedFolder(std::string folder) { shippedFolder_ = std::move(folder); }

  private:
    // Every record of the players' file, checked: a record cut short or holding a text that is
    // not text is damaged and keeps its place nameless; a damaged header gives way to the
    // game's own template. The player is told of the damage once a run, before any write.
    std::optional<std::vector<PrefsRecord>> ReadPlayersFile();
    PrefsRecord FreshTemplate() const;
    bool ReadPlayerNames();
    void Report(const std::string& what, const std::string& error);

    ProfileState& ps_;
    ProfileTarget& target_;
    std::string appFolder_;
    std::string shippedFolder_;
    // The player has been told that records of the file are damaged (once a run is enough).
    bool toldDamaged_ = false;
};
