#pragma once
// The computer opponent of the seat on turn: its decisions (how close the human is to its payoff
// card, which cards to plan onto which center, whether a plan helps the players who move next,
// where a wild payoff card goes, which card to discard where) and the plays they lead to. It
// reads the seat from the working copy of the game and reports through its working variables.
#include "computer/computer_state.h"
#include "engine/engine.h"
#include "engine/game.h"
#include "engine/services.h"

struct DropMemo;
class TurnWatcher;

class ComputerPlayer : public TurnPort {
  public:
    // Plays through `engine`, on its game and services.
    explicit ComputerPlayer(Engine& engine) : engine(engine), g(engine.g), sv(engine.sv) {}

    // The turn (computer_turn.cpp, turn_pass.cpp, payoff_step.cpp, discard_step.cpp). Plays the
    // seats after the human until the human is on turn again; a call made while a turn is
    // already running returns at once.
    void ComputerTurn() override;
    // One turn of the local computer seat Pturn, from the refill to the discard.
    void Computer();
    // True from the start of ComputerTurn to its end.
    bool TurnInProgress() const { return inTurn_; }

    // The moves as the player sees and hears them (comp_flip.cpp, side_compare.cpp). Comp_Flip
    // lays MoveCard, already taken from slot `flipFrom` of the seat, on center `flipTo`.
    void Comp_Flip(PileRow row, i16 flipFrom, i16 flipTo);
    // The remark after a card landed on center PileSel that blocks another player.
    void Comp_SideCompare(i16 flipFrom);
    // Shows the wild King of slot DropPile and slides it to center PileSel.
    void WildShow(PileRow row);
    // Keeps the discard choice within the hand and the hold piles: a hand slot with a card, and
    // a hold pile with room (DropPile 0 when all four piles are full).
    void CorrectDiscard();
    // Writes the discard into the hold pile's cards (the hand slot is emptied at the end of
    // the turn).
    void RecordDiscard();
    // Moves the chosen discard (hand slot PileSel) onto hold pile DropPile and hands the turn on
    // (move_end_turn.cpp).
    void Move_End_Turn(PileRow row);

    // Follows the turn step by step (self-play, tests); not owned, may be null.
    TurnWatcher* watcher = nullptr;

    // How close the human is to its payoff card: BlockValue, EmptyCenter, HumanCenter and the
    // Ruthless CenterReach marks (block_value.cpp).
    void Ck_Player();

    // The center planner (center_planner.cpp, plan_steps.cpp, plan_acceptance.cpp). Move_Comp
    // plans for center PileSel; PlayFlag 1 on return means the plan of PileSel is accepted.
    void Move_Comp();
    // Appends StepSlot to the plan of PileSel; PlayFlag 1 when the plan is complete.
    void Move_Plan();
    // Drops the last step of the plan of PileSel; true when no step is left.
    bool Move_ReduceSet();
    // For hold pile `pile` whose working top fits: whether another pile with an equal working top
    // decides the choice; HoldFrom is the pile chosen (0: keep to `pile`).
    bool Move_Comp_Hold(i16 pile);
    // Starts an empty plan for center `c` at its present value.
    void StartPlan(i16 c);

    // Weighing a plan against the players who move next (blocking.cpp).
    void Move_WaitOpps();
    void Move_Wait(const PorC& thisopp);
    void CheckOppsSide(i16 thisSide);
    void Move_BlockOppsCk(i16 thisCard);

    // The wild payoff card (wild_payoff.cpp). Find_BlockCenter sets BlockCenter and PileSel (the
    // center where the search stopped, 0 when none) and tells whether it stopped at a non-empty
    // center; Move_Wild chooses the center for the wild payoff card in PileSel.
    bool Find_BlockCenter();
    void Move_Wild();
    // PayoffCenter for the seat's own payoff card.
    void Find_PayoffCenter();

    // The discard (hand_order.cpp, before_drop.cpp, drop_choice.cpp, drop_scans.cpp).
    void Comp_Reseq(PileRow row);
    void Comp_Dups();
    void Comp_Analyze();
    void Comp_BeforeDrop();
    // Result: hand slot PileSel onto hold pile DropPile.
    void Comp_Drop();

    // Plays the accepted plan of PileSel card by card, stopping at a step that no longer fits or
    // at the payoff card (plan_play.cpp). StepSlot is left at the step where it stopped.
    void Comp_Play();

    // Takes the top card off the seat's hold pile p, the card below surfacing.
    void LiftHoldTop(int p);
    // Sets the pattern flag of hold pile p from its top card.
    void ReadPattern(int p);

    // The pile row of the seat on turn.
    PileRow OwnRow() const;

    Engine& engine;
    Game& g;
    const Services& sv;
    ComputerState st;

  private:
    bool inTurn_ = false;
    bool again_ = false;  // a turn loop was asked for while this one ran
    // The comment line now in the remark label (0 none or another text).
    int shownRemark_ = 0;

    // The turn's stages (turn_pass.cpp, payoff_step.cpp, discard_step.cpp).
    enum class PassEnd { NextPass, Planning, Discard, TurnOver };
    bool RefillHand();
    void OpeningComments();
    PassEnd ChoosePayoffPlay();
    PassEnd PlayPayoffCard();
    PassEnd PlanAndPlay();
    bool ForcedDiscardPlay();
    bool RefillAfterPlay(int c);
    void AfterSeatLoop();
    bool RemoteTurn();
    void HumanTurnStarts();
    void MoveDiscard(PileRow row, i16 slot, i16 hold);
    bool NetEndOfTurn();
    void Step(const char* what);

    // Remarks, sounds and the pieces of a card move (turn_remarks.cpp, comp_flip.cpp).
    void Remark(int line);
    void Say(int label, const std::string& text);
    void PersonalitySound(int n, bool wait = true);
    void Show(PileRow row, int index, i16 id, int kind);
    void RandomBlockSound();
    // A draw from offset + 1 to offset + n that differs from `last`, which then holds it.
    i16 DrawAnew(int n, int offset, i16& last);
    void ShowSource(PileRow row, i16 flipFrom);
    void AnnounceWildPayoff(i16 center);
    void AfterWildPayoff(i16 center);

    // The value the first-pass target needs next, while the pass over the centers runs.
    i16 nextNeed_ = 0;

    enum class Extension { Accepted, Switched, NothingFits };

    // Card values of the seat on turn: slots of its visible cards, its hold piles and the
    // centers, every index checked so that a stray value reads as an empty place.
    i16 Val(int slot) const;
    i16 Payoff() const { return Val(kSideSlot); }
    i16 HumanPayoff() const { return g.HumanCards[kRank][kSideSlot]; }
    // The payoff value of another computer seat, from its record `opp` (1-3).
    i16 SeatPayoff(int opp) const { return g.Opp[opp].Cards[kRank][kSideSlot]; }
    i16 CenterValue(int c) const;
    i16 HoldAt(int pile, int pos) const;
    i16 HoldCount(int pile) const;
    i16 Pattern(int pile) const;
    i16 Top(int pile) const { return HoldAt(pile, HoldCount(pile)); }
    i16 Below(int pile) const { return HoldAt(pile, HoldCount(pile) - 1); }
    i16 Depth(int pile) const;
    i16 WorkTop(int pile) const { return HoldAt(pile, Depth(pile)); }
    i16 WorkUnder(int pile) const { return HoldAt(pile, Depth(pile) - 1); }
    bool Ruthless() const { return g.CompLevel >= 2; }
    int Centers() const;
    i16 BestCenter(i16 side, bool me = false) const;
    // The first center standing at `value`, 0 when none.
    i16 FirstCenterAt(i16 value) const;
    // The center being planned, kept within the centers in play.
    int Planned() const;
    i16& Steps(int c) { return st.PlanState[c][1]; }
    i16& Sim(int c) { return st.PlanState[c][0]; }
    i16 LastCard() const;
    bool SlotInPlan(int c, i16 slot) const;
    bool LaterComputerMoves() const;
    bool SimReachesHuman(i16 sim) const;

    // Planner internals.
    Extension Extend(int c);
    bool ExtendFromHand(int c, bool& switchBack);
    bool ExtendFromHold(int c);
    bool AppendPayoffAfterQueen(int c);
    void TakeHold(int c, i16 pile);
    bool WildStep(int c, bool& refusedOnEmpty);
    bool PlanMode13Step(int c);
    int PassStart(int firstTarget, bool wildRefused);
    void BeginCenter(int c);
    bool Accepts(int c);
    int AcceptanceTest(int c);

    // Move_Wait's stages.
    bool WaitAccepts(const PorC& thisopp) const;
    bool WaitTrims(i16 w);

    // Move_Wild's Ruthless plans and table search.
    bool RuthlessWildPlan();
    i16 RuthlessLastResort() const;
    i16 WildTableSearch() const;
    bool Usable(int c) const;

    // Ck_Player's stages.
    enum class Walk { Go, EndCall, EndWalk };
    Walk TopsPass(bool& wrapped);
    Walk PilePass(bool& wrapped);
    Walk WrapRule(bool& wrapped);
    bool WalkPile(int p);
    void MarkReach();
    int PressureCount() const;
    void ApplyMargin(int n);

    // Comp_BeforeDrop's stages.
    bool RuthlessBlockPlan();
    void ForcedPlays();
    // The forced-card search, and the card it finds played.
    void PlayForcedCard();
    void StartForced(i16 mode, i16 slot, i16 center);

    // Comp_Drop's rules, each true when it took a pile and a slot.
    bool Take(i16 pile, i16 slot);
    bool DropEqualTops(DropMemo& m);
    bool DropOnEmpty(const DropMemo& m);
    bool DropWhenAllAbove(const DropMemo& m);
    bool DropContinuesRun(const DropMemo& m);
    bool DropByDistance(const DropMemo& m);
    bool DropScanA(const DropMemo& m);
    bool DropScanB(const DropMemo& m);
    bool DropScanC(const DropMemo& m);
    bool DropScanD(const DropMemo& m);
    bool DropScanE(DropMemo& m);
    void DropFinal(const DropMemo& m);
    bool PayoffPileOrLink(const DropMemo& m, bool orFallbackCard);
};
