#pragma once
// The game's flow as the window and the computer opponent drive it: the deal, the rule checks,
// the human's plays and discards, refills, reshuffles, stalemates, new games and the end of a
// game. It plays on one Game and reaches the outside only through the services.
#include <string>

#include "engine/game.h"
#include "engine/services.h"

class Engine {
  public:
    Engine(Game& g, const Services& sv) : g(g), sv(sv) {}

    // Center piles (engine_center.cpp).
    // Lays MoveCard on center pile PileSel.
    void Add_Center();
    // Moves the twelve cards of the finished pile PileSel onto the used pile.
    void Add_Used();
    // True when the human's side top could be laid on some center pile now.
    bool PlayerMissedMove() const;
    // The center pile that side-card value `thisSide` reaches soonest; `blnMe` when the caller's
    // own side card is a wild King (it then keeps clear of HumanCenter).
    i16 CenterBestToPlay(i16 thisSide, bool blnMe = false) const;

    Game& g;
    const Services& sv;

  private:
    // Plays "Data/~<id>.tmp" of the program folder unless the sound is off.
    void PlayDataSound(int id, bool wait = false) const;
    void Message(int label, const std::string& text) const;
};
