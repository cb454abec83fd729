#pragma once
// Ports the running program has no window or connection for yet: each does nothing, so the
// game's logic never has to ask whether a port is there. A local game has no network: a deck
// from a peer is never taken.
#include <string>

#include "engine/ports/net_port.h"
#include "engine/ports/status_port.h"

class QuietStatus : public StatusPort {
  public:
    void StatusBar_Clear() override {}
    void WildUpdate() override {}
    void ShowOppStatus(int) override {}
    void ShowCounter() override {}
};

class NoNetwork : public NetPort {
  public:
    void SendNet(int, const std::string&) override {}
    void SendNetAll(int, const std::string&) override {}
    bool WaitNet(int) override { return false; }
    void EndNetGame() override {}
    bool TakeDeal(Game&) override { return false; }
    bool TakeReshuffle(Game&) override { return false; }
};
