#pragma once
// The game's flow as the window and the computer opponent drive it: the deal, the rule checks,
// the human's plays and discards, refills, reshuffles, stalemates, new games and the end of a
// game. It plays on one Game and reaches the outside only through the services.
#include <functional>
#include <initializer_list>
#include <string>

#include "engine/game.h"
#include "engine/services.h"
#include "shared/seat_record.h"

// In an Internet game the host deals and decides; a remote follows what the host sends.
inline bool IsHost(const Game& g) {
    return g.NetConnected != 0 && g.IsHost == 1;
}
inline bool IsRemote(const Game& g) {
    return g.NetConnected != 0 && g.IsHost != 1;
}

// The pile row of player `player` (1 the human, 2-4 the opponents).
PileRow RowOfPlayer(int player);

// True when a card of rank `rank` may go on center pile `pile` now: one above the pile's count,
// or a wild King (not onto an empty pile while NoWildAce is on).
bool CenterAccepts(const Game& g, i16 rank, int pile);

// The rank (Ace or Two) that a forced-card rule obliges the player whose cards are `cards` to
// play before discarding its hand card in `discardSlot`, 0 when the discard may go. The same
// rule binds the human and every computer seat.
i16 ForcedCardOwed(const Game& g, const PorC& cards, int discardSlot);

// Cards in hand slots 2-6.
i16 CountHand(const PorC& cards);

class Engine {
  public:
    Engine(Game& g, const Services& sv) : g(g), sv(sv) {}

    // The deal (engine_deal.cpp).
    // Empties every pile and counter for a new deal; the board is then told to redraw.
    void ResetTableState();
    // The same, then the board shows the empty table.
    void Reset_Table();
    void SetUp();
    void GoDeal();
    void Deal_All();
    // The player with the highest side-pile top goes first; a tie is drawn for at random.
    void ChooseFirstPlayer();
    void WhosOnFirst();
    // On an Internet remote: the host's player number in Pturn into this machine's.
    void PturnCalculate();
    // Deals the stock's top card into hand slot `slot` of `cards`, shown on `row`.
    void DealCard(PileRow row, PorC& cards, int slot);

    // Rules (engine_rules.cpp).
    // True when the human's card in PickSlot may go on center PileSel; a refusal is explained to
    // the player and changes nothing.
    bool CheckCenterPlay();
    void RuleMessage(int which);
    void ShowRulesCaption();
    void BuildRulesText();
    void MenuNotNowMsg(int which);

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

    // The human's play and discard (engine_play.cpp, engine_discard.cpp).
    // Plays the human's card in PickSlot onto center PileSel; only while the human is on turn.
    void Player_Move();
    // Discards the hand card in PickSlot onto hold slot DropSlot and ends the human's turn.
    void Player_EndTurn();
    void Hand_Sort(PorC& cards, PileRow row, i16 fromPos, i16 toPos);
    // Stores the working copy of the opponent on turn back into its record.
    void GoUpdateOpponents();

    // Refill, reshuffle and stalemate (engine_refill.cpp).
    void Deal_Players(PileRow row, PorC& cards);
    void RESHUFFLE();
    void STALEMATE();
    void Stale_Recover();
    void ClearOppCards(OpponentRecord& opp, PileRow row);

    // New game and end of game (engine_new_game.cpp, engine_end.cpp).
    void Game_New();
    void Game_End();
    i16 DoTheMargin() const;
    void DoTheMath();
    void DoTheUpdate(int thisScore);

    // Plays "Data/~<id>.tmp" of the program folder unless the sound is off.
    void PlayDataSound(int id, bool wait = false) const;

    Game& g;
    const Services& sv;

  private:
    // A personality's sound (a full path), only with all sounds on.
    void PlayPersonalitySound(const std::string& path, bool wait = false) const;
    void Message(int label, const std::string& text) const;
    void ShowCard(PileRow row, int index, i16 cardId, int kind) const;
    void HideCard(PileRow row, int index) const;
    void ShowEmptyPile(PileRow row, int index) const;
    void EnableHuman(bool enable, int first, int last) const;

    // Waits for peer `index` until `done` holds; false when the game went away meanwhile
    // (connection lost, the peer's GO or EG, or one of `giveUpCodes`).
    bool WaitFor(int index, const std::function<bool()>& done,
                 std::initializer_list<i16> giveUpCodes = {});
    void PeerSentBadData(const std::string& what);
    // SetUp's deck, deal of the side piles and first player; false when a wait for the peers
    // ended it early.
    bool SetUpTable();
    std::string DeckPayload() const;
    std::string StockPayload() const;

    void DealSidePiles();
    void AnnounceFirstPlayer();
    void BlockingRemark(i16 fromSlot);
    void Dumbness();
    bool ForcedDiscardRefused();
    void EndTurnHandOver();
    void ShowResult(i16 margin, bool humanWon);
    void WriteProfileStats();
    void EndNetSession(bool humanWon, const std::string& winner);
    bool ConfirmNewGame();
    bool GatherNetPlayers();
    void SeedSampleGame();
    void GameOverAfterStalemate();
    // Lays a card on the used pile; false, with the card left where it was, when the pile is full.
    bool ToUsed(i16 id, i16 rank);
    void TakeFromSlot(i16 slot);
    void PlayerGoBack(const std::string& whichRule);
    void NetMoveSent(int from, int to, bool endOfTurn);
};
