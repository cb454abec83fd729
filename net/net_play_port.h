#pragma once
// The network as the game sees it in an Internet game: the connection's lines and waits, with the
// turns between machines (announcing the local player's plays, replaying the others') added on
// top. The composition root hands this to the engine in place of the bare connection.
#include "net/net_turns.h"

class NetPlayPort : public NetPort {
  public:
    NetPlayPort(Game& g, const Services& sv, ComputerPlayer& computer, NetPort& links)
        : links_(links), turns(g, sv, computer, links) {}

    void SendNet(int socket, const std::string& line) override { links_.SendNet(socket, line); }
    void SendNetAll(int exceptSocket, const std::string& line) override {
        links_.SendNetAll(exceptSocket, line);
    }
    bool WaitNet(int index) override { return links_.WaitNet(index); }
    void EndNetGame() override { links_.EndNetGame(); }
    bool TakeDeal(Game& game) override { return links_.TakeDeal(game); }
    bool TakeReshuffle(Game& game) override { return links_.TakeReshuffle(game); }

    // The human's move just made; with `endOfTurn` the discard or the last side card.
    void Move_Transmit(i16 NetSendFrom, i16 NetSendTo, bool endOfTurn) override {
        if (endOfTurn)
            turns.Move_Transmit_Done(NetSendFrom, NetSendTo);
        else
            turns.Move_Transmit(NetSendFrom, NetSendTo);
    }
    void Opponent() override { turns.Opponent(); }

  private:
    NetPort& links_;

  public:
    NetTurns turns;
};
