#pragma once
// The turns of an Internet game between machines. Every machine keeps the whole game; the
// machine of the player who moves announces each card play ("PC" from and to, then "WT" while
// the turn goes on or "OK" when it or the game is over) and waits until every other machine has
// answered; every other machine replays that player's turn through the engine's own procedures.
// A host with three or four players passes each line on to the other remotes and answers the
// mover only once all of them have answered, so that every machine completes a play before the
// next one is made.
//
// Every wait leaves at once when the game goes away or changes under it: the connection is lost
// or a peer left (GO), the host ended the game (EG), started a new one (GS) or laid out a new
// table (LO), nobody is connected any more, or the window is closing.
#include <functional>

#include "computer/computer_player.h"
#include "engine/game.h"
#include "engine/net_wait.h"
#include "engine/services.h"
#include "platform/hook_check.h"

class NetTurns {
  public:
    // The hooks the program must set; an unset one is named in `check`. `replayed` is left
    // out: only the measurements listen for each replayed play.
    void NeedHooks(HookCheck& check) const {
        check.In("NetTurns").Need("enableChatSend", enableChatSend);
    }
    // `links` is the connection: its SendNet, SendNetAll and WaitNet carry the lines.
    NetTurns(Game& g, const Services& sv, ComputerPlayer& computer, NetPort& links)
        : g(g), sv(sv), computer_(computer), links_(links) {}

    // The local player's card play from slot `from` to `to` (a center 1-4, a hold slot 7-10 for
    // the discard, 12-16 for hand slot to - 10), and play goes on.
    void Move_Transmit(int from, int to);
    // The play that ends the turn (the discard) or the game (the last side card).
    void Move_Transmit_Done(int from, int to);
    // Replays the turn of the player Pturn (2-4), who sits at another machine, from its lines.
    void Opponent();

    // Enables or disables the chat window's send button (disabled while a play is announced).
    std::function<void(bool)> enableChatSend;
    // Told each time a received card play has been replayed here (for measurements).
    std::function<void()> replayed;

  private:
    Game& g;
    const Services& sv;
    ComputerPlayer& computer_;
    NetPort& links_;

    bool Move_Transmit_PlayCard(int from, int to);
    // Sends `line` to every other machine and waits until each has answered with `netCode`.
    bool Exchange(const std::string& line, i16 netCode);
    void ShowWaiting(bool waiting);
    // Handles lines until `done` holds after one of them; false when the game broke meanwhile.
    bool WaitUntil(const std::function<bool()>& done);
    bool Relaying() const { return g.IsHost == 1 && g.NumPlayers > 2; }
    // Host with three or four players: `line` to every remote but the mover, and their answers.
    bool Relay(const std::string& line);
    void Answer(const char* code);
    // Waits for the next card play of the player on turn; false when the game broke.
    bool WaitForMove();
    bool RefillHand(PileRow row);
    // The received play of the card in `slot` onto center PileSel; false when the side pile has
    // just been emptied (the game is won).
    bool PlayToCenter(PileRow row, i16 slot);
    void WinningPlay(PileRow row, i16 slot, const NetTableWatch& table);
    void Discard(PileRow row, i16 handSlot, i16 pile);
};
