#pragma once
// The Internet players setup without its window: for the player and for each connected opponent,
// how that person is shown on this machine (the name, the picture, whether pictures are shown,
// the comment set of the chat) and which score file the game's results go to. The player's own
// choices are kept in the profile; an opponent's in the opponent's record and in
// "users/<player>.avt". A name given to an opponent stays on this machine.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "net/competitions.h"
#include "platform/dialogs.h"
#include "records/opponents_setup.h"
#include "shared/seat_record.h"

struct NetPlayersParts {
    NetPlayersParts(Game& g, SeatRecord& own, std::string& competition, std::string& comments,
                    Dialogs& d)
        : game(g),
          ownSeat(own),
          competitionFile(competition),
          netCommentFile(comments),
          dialogs(d) {}

    Game& game;
    SeatRecord& ownSeat;           // seat 0 of the signed-in player's profile
    std::string& competitionFile;  // CompetitionFile: "" the default score file
    std::string& netCommentFile;   // NetCommentFile: the personality of the chat's remarks
    Dialogs& dialogs;
    bool avatarShown = true;  // the main window's avatar picture
    SetupLists lists;         // personalities, comment sets and pictures to choose from
    // Writes the profile's record; false when it could not be written.
    std::function<bool()> saveProfile;
    // Shows or hides the main window's avatar picture.
    std::function<void(bool)> showAvatar;
    // The pictures of the players are drawn again.
    std::function<void()> redrawAvatars;
    // The players' names on the table are written again (a player renamed here).
    std::function<void()> showPlayerNames;
    // Imports a picture into the Avatars folder; the avatar list after it, or nothing.
    std::function<std::optional<std::vector<std::string>>()> importAvatar;
    // The player's saved comment lines are loaded (CompComments 1-20): the chat's buttons offer
    // them from now on.
    std::function<void()> chatLinesLoaded;
};

// What the window shows for the player or opponent chosen.
struct NetPlayerPanel {
    int setup = 0;                  // CmdSetup: 0-2 opponents 1-3, 3 the player
    std::string frame;              // "Setup for Player" / "Setup for Opponent"
    std::string nameLabel;          // "Your Name:" / "Opponent Name:"
    std::string avatarLabel;        // "Your Avatar:" / "Avatar:"
    std::string applyCaption;       // "Save Player" / "Save Opponent"
    std::string name;               // the name box of the panel (TxtOpponent 0 or 1)
    int avatar = 0;                 // HScrollAvatar's value, 0 none
    std::string avatarFile;         // the picture shown, "" none
    bool playerAvatar = false;      // ckNoPlayerAvatar (the player only)
    int comment = 0;                // CboComment entry
    bool personalityShown = false;  // CboOpponent: the personality whose remarks the chat uses
    int personality = 0;
};

class NetPlayersSetup {
  public:
    explicit NetPlayersSetup(NetPlayersParts parts);

    void Open();
    void SetupClicked(int index);
    bool setupEnabled(int index) const;

    // The controls of the panel: each change marks it changed and enables the save button.
    void NameEdited(const std::string& text);
    void AvatarScrolled(int value);
    void PlayerAvatarTicked(bool on);
    void ShowAvatarTicked(bool on);
    void CommentChosen(int index);
    void PersonalityChosen(int index);
    void AddAvatar();
    // "Save Player" / "Save Opponent".
    void Apply();

    // The score file: 0 the player's default file, 1 a competition.
    void ScoreOptionClicked(int index);
    void CompetitionChosen(int index);
    void CompetitionTyped(const std::string& text);

    // Done: false, with the player told why, when a name or the score file is refused.
    bool Done();
    // Cancel or the close box: asks about unsaved changes.
    void Cancel();

    const NetPlayerPanel& panel() const { return panel_; }
    const SetupLists& lists() const { return parts_.lists; }
    bool applyEnabled() const { return applyEnabled_; }
    bool avatarShown() const { return parts_.avatarShown; }
    int scoreOption() const { return scoreOption_; }
    const ScoreFileList& competitions() const { return competitions_; }
    const std::string& competitionText() const { return competitionText_; }
    const std::string& scoreCaption() const { return scoreCaption_; }

  private:
    void ShowOpponent(int index);
    void ShowPlayer();
    void Changed();
    void AskSaveSettings();
    bool SavePlayer();
    bool SaveOpponent();
    int FindAvatar(const std::string& file) const;
    int CommentIndex(const std::string& set) const;
    std::string CommentAt(int index) const;
    bool RefusedName(const std::string& name) const;

    NetPlayersParts parts_;
    NetPlayerPanel panel_;
    bool applyEnabled_ = false;
    int scoreOption_ = 0;
    ScoreFileList competitions_;
    std::string competitionText_;
    std::string scoreCaption_;
    std::string playerName_;    // the name box of the player (TxtOpponent 0)
    std::string opponentName_;  // the name box of the opponents (TxtOpponent 1)
};
