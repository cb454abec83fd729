#pragma once
// The Internet game's connection as the game's logic sees it: lines out, and waits for answers.
#include <string>

#include "platform/vb_types.h"

struct Game;

class NetPort {
  public:
    virtual ~NetPort() = default;
    // Sends one protocol line (without its line feed) to the peer on `socket`.
    virtual void SendNet(int socket, const std::string& line) = 0;
    // Sends from the host to every peer but the one on `exceptSocket` (0: all).
    virtual void SendNetAll(int exceptSocket, const std::string& line) = 0;
    // Waits, keeping the window alive, until a line from peer `index` has arrived and been
    // handled (the handler sets the game's NetCode, NetAnswers, RecoverText), or until a command
    // run meanwhile has laid another table (NetTable; no line is then taken). False when nothing
    // more can arrive: the connection is gone.
    virtual bool WaitNet(int index) = 0;
    // Ends the Internet game after a peer sent what cannot be played; the player has been told.
    virtual void EndNetGame() = 0;
    // On a remote, once the host's deck has arrived (its payload in RecoverText): lays a deal into
    // the stock with the house rules sent with it, or a reshuffle in place of the used pile. False
    // when the cards are not exactly those of the decks (a deal) or of the used pile (a
    // reshuffle); nothing of the game has then changed.
    virtual bool TakeDeal(Game& g) = 0;
    virtual bool TakeReshuffle(Game& g) = 0;
    // Sends the human's move just made to the peers ("PC" with NetSendFrom and NetSendTo, then
    // "WT", or with endOfTurn "OK": the turn's last play and its end) and waits for their
    // answers; the handler sets NetCode and NetAnswers meanwhile. NetSendFrom is the slot the card
    // left (1 side, 2-6 hand, 7-10 hold top); NetSendTo a center pile (1-4), a hold slot (7-10)
    // for a discard, or a hand slot + 10 (12-16) for a move within the hand.
    virtual void Move_Transmit(i16 NetSendFrom, i16 NetSendTo, bool endOfTurn) {
        (void)NetSendFrom, (void)NetSendTo, (void)endOfTurn;
    }
    // Replays the turn of the remote player Pturn as its machine sends it, up to its discard.
    virtual void Opponent() {}
};
