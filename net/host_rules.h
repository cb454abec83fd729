#pragma once
// The host's setup window of an Internet game without its window: how many opponents (one to
// three), how many center piles a two-player game uses, and the house rules behind a button.
// The counts it settles are written into the game on Done; the caller lays the table out again
// unless the dialog was cancelled.
#include <string>

#include "engine/game.h"
#include "platform/dialogs.h"

class HostRules {
  public:
    // `faceDeck` is the card faces in use: with a deck of pictures (6 and up) the cards of the
    // seats that go away are dropped when the game goes back to two players.
    HostRules(Game& game, Dialogs& dialogs, int faceDeck)
        : g_(game), dialogs_(dialogs), faceDeck_(faceDeck) {}

    // Reads the game's counts into the controls; Done stays off until something is chosen.
    void Open();
    // "1 Opponent", "2 Opponents", "3 Opponents".
    void PlayersClicked(int index);
    // "3 Centers", "4 Centers".
    void CentersClicked(int index);
    // The house rules dialog has closed; `rulesChanged` when a rule that needs a new deal
    // changed (the centers may have changed too). The centers follow the game's unless more
    // than two players were chosen.
    void RulesClosed(bool rulesChanged);
    // Done: the chosen counts go into the game. Cancelled (nothing to apply) when they are the
    // game's already.
    void Done();
    void Cancel() { cancelled_ = true; }

    int playersOption() const { return playersOption_; }  // -1 none selected
    int centersOption() const { return centersOption_; }
    bool centersShown() const { return centersShown_; }
    bool fourCentersEnabled() const { return fourCentersEnabled_; }
    bool doneEnabled() const { return doneEnabled_; }
    bool cancelled() const { return cancelled_; }

  private:
    void SelectCenters(int index);
    bool OldPeer() const;

    Game& g_;
    Dialogs& dialogs_;
    int faceDeck_;
    int newPlayers_ = 0;  // 0 until a player count is clicked
    int newCenters_ = 0;  // 0 until a center count is set
    int playersOption_ = -1;
    int centersOption_ = -1;
    bool centersShown_ = false;
    bool fourCentersEnabled_ = true;
    bool doneEnabled_ = false;
    bool cancelled_ = false;
};
