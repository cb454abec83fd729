#include "records/tutorial_flow.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

// Records what the tutorial asks of the window and the game, as short words.
class ScriptHost : public TutorialHost {
  public:
    std::vector<std::string> log;
    std::string text;
    bool next = false, nextVisible = true, back = true, backVisible = false;
    int pturn = 1;
    bool busy = false;
    std::set<int> damaged;
    std::string abandoned;

    void ShowText(const std::string& t) override { text = t; }
    void SetNextEnabled(bool e) override { next = e; }
    void SetNextVisible(bool v) override { nextVisible = v; }
    void SetBackEnabled(bool e) override { back = e; }
    void SetBackVisible(bool v) override { backVisible = v; }
    void ClearPicture() override { Add("picture"); }
    void MoveToScreenEdge() override { Add("edge"); }
    void PointAtCenterArea() override { Add("point center"); }
    void PointAtSideStack() override { Add("point stack"); }
    void PointAtPile(int pile) override { Add("point " + std::to_string(pile)); }
    void HideUpPointer() override {}
    void HidePointers() override {}
    void PointersToFront() override {}
    void ResetTable() override { Add("reset"); }
    void EnablePlayerPiles(bool e) override { Add(e ? "piles on" : "piles off"); }
    void EnablePile(int pile) override { Add("enable " + std::to_string(pile)); }
    bool LoadPosition(int record) override {
        Add("load " + std::to_string(record));
        return !damaged.count(record);
    }
    void ComputerTurn() override { Add("computer"); }
    int PlayerOnTurn() const override { return pturn; }
    bool GameBusy() const override { return busy; }
    void Pause(double) override {}
    void PlayCardSound(int kind) override { Add("sound " + std::to_string(kind)); }
    void Abandon(const std::string& message) override { abandoned = message; }

    void Add(const std::string& s) { log.push_back(s); }
    std::string Take() {
        std::ostringstream out;
        for (size_t i = 0; i < log.size(); ++i) out << (i ? ", " : "") << log[i];
        log.clear();
        return out.str();
    }
};

// Steps 1-5 talk, 6 loads the first position and 7-8 play from it; 9 is the computer's turn,
// 10 loads the next position.
std::vector<std::string> Script() {
    return {"Welcome.<X 00X 00", "Second.<X 00X 00",    "Third.<X 00X 00",   "Centers.<X 00X 00",
            "Fifth.<X 00X 00",   "Side pile.<R 00R 31", "Play it.<H 01C 01", "Hold card.<H 08H 08",
            "Brivo's turn.",     "Next game.<R 00R 32", "Discard.<P 03H 03"};
}

}  // namespace

TEST(TutorialFlow, EarlyStepsCarryTheirFixedActions) {
    ScriptHost h;
    TutorialFlow flow(h);
    ASSERT_TRUE(flow.Start(Script()));
    EXPECT_EQ(h.Take(), "reset, piles off");
    EXPECT_EQ(h.text, "Welcome.");
    EXPECT_TRUE(h.next);
    flow.NextClicked();
    EXPECT_EQ(h.Take(), "reset, picture, piles off");
    EXPECT_TRUE(h.backVisible);
    flow.NextClicked();
    EXPECT_EQ(h.Take(), "reset, edge, piles off");
    flow.NextClicked();
    EXPECT_EQ(h.Take(), "point center, sound 1, piles off");
    flow.NextClicked();
    flow.NextClicked();
    EXPECT_EQ(h.Take(), "piles off, point stack, piles off, load 31, piles off");
    EXPECT_EQ(h.text, "Side pile.");
    EXPECT_TRUE(h.next);  // a loaded position waits for Next
}

TEST(TutorialFlow, AMoveStepEnablesItsCardAndWaitsForThePlay) {
    ScriptHost h;
    TutorialFlow flow(h);
    flow.Start(Script());
    for (int i = 0; i < 6; ++i) flow.NextClicked();
    h.Take();
    EXPECT_EQ(flow.Step(), 7);
    EXPECT_EQ(h.Take(), "");
    EXPECT_FALSE(h.next);
    flow.CardPlayed();
    EXPECT_TRUE(h.next);
    flow.NextClicked();
    // A hold pile cannot be enabled (it stays open anyway) but gets its pointer.
    EXPECT_EQ(h.Take(), "piles off, point 8");
}

// Each step asks for the move its directive names, to the kind of place it names, until the
// move is made or the computer's turn begins; steps that talk, load or let the computer play ask
// for none.
TEST(TutorialFlow, EachStepAsksForItsOwnMoveUntilItIsMade) {
    ScriptHost h;
    TutorialFlow flow(h);
    std::vector<std::string> script = Script();
    script.push_back("Any place.<H 02X 02");
    script.push_back("No such pile.<H 11C 11");
    flow.Start(script);
    const auto ask = [&flow] {
        const TutorialAsk& a = flow.Asked();
        return std::to_string(a.pile) + "CHA"[static_cast<int>(a.target)];
    };
    std::vector<std::string> asks{ask()};
    for (int step = 2; step <= 13; ++step) {
        flow.NextClicked();
        asks.push_back(ask());
        // The move made, or the computer's turn begun: nothing more is asked.
        if (step == 7) flow.CardPlayed();
        if (step == 8) flow.TurnStarting();
        if (step == 7 || step == 8) asks.push_back(ask());
    }
    EXPECT_EQ(asks, (std::vector<std::string>{"0A", "0A", "0A", "0A", "0A", "0A", "1C", "0A", "8H",
                                              "0A", "0A", "0A", "3H", "2A", "0A"}));

    // What each ask lets the player drop where (a center pile, else a slot of the own row).
    const TutorialAsk center{1, TutorialTarget::Center}, hold{3, TutorialTarget::Hold},
        any{2, TutorialTarget::Anywhere}, none{};
    EXPECT_TRUE(center.MayDrop(true, 2));
    EXPECT_FALSE(center.MayDrop(false, 7));
    EXPECT_FALSE(hold.MayDrop(true, 1));
    EXPECT_FALSE(hold.MayDrop(false, 6));
    EXPECT_TRUE(hold.MayDrop(false, 7));
    EXPECT_TRUE(hold.MayDrop(false, 10));
    EXPECT_TRUE(any.MayDrop(false, 5));
    EXPECT_FALSE(none.MayDrop(true, 1));
    EXPECT_TRUE(center.MayPick(1));
    EXPECT_FALSE(center.MayPick(2));
    EXPECT_FALSE(none.MayPick(0));
}

TEST(TutorialFlow, ABareLineLetsTheComputerPlayAndItsEndOffersNext) {
    ScriptHost h;
    TutorialFlow flow(h);
    flow.Start(Script());
    for (int i = 0; i < 8; ++i) flow.NextClicked();
    EXPECT_EQ(flow.Step(), 9);
    h.Take();
    flow.TurnOver();
    EXPECT_TRUE(h.next);
    EXPECT_EQ(h.text, std::string("Brivo's turn.\n\n") + kTurnOverLine);
}

TEST(TutorialFlow, BackReloadsTheRangesPositionAndShowsItsFirstStep) {
    ScriptHost h;
    TutorialFlow flow(h);
    flow.Start(Script());
    for (int i = 0; i < 8; ++i) flow.NextClicked();
    h.Take();
    flow.BackClicked();  // 9 -> 8: inside 6-8
    EXPECT_EQ(flow.Step(), 6);
    EXPECT_EQ(h.Take(), "load 31, piles off, point stack, piles off, load 31, piles off");
    EXPECT_EQ(h.text, "Side pile.");
    for (int i = 0; i < 4; ++i) flow.BackClicked();
    EXPECT_EQ(flow.Step(), 2);
    EXPECT_TRUE(h.backVisible);
    flow.BackClicked();
    EXPECT_EQ(flow.Step(), 1);
    EXPECT_FALSE(h.backVisible);
}

TEST(TutorialFlow, ClicksWaitWhileTheGameMoves) {
    ScriptHost h;
    TutorialFlow flow(h);
    flow.Start(Script());
    h.busy = true;
    flow.NextClicked();
    EXPECT_EQ(flow.Step(), 1);
    h.busy = false;
    flow.NextClicked();
    EXPECT_EQ(flow.Step(), 2);
}

TEST(TutorialFlow, ADamagedPositionEndsTheTutorialWithAMessage) {
    ScriptHost h;
    h.damaged = {32};
    TutorialFlow flow(h);
    flow.Start(Script());
    for (int i = 0; i < 9; ++i) flow.NextClicked();
    EXPECT_EQ(flow.Step(), 10);
    EXPECT_TRUE(flow.Abandoned());
    EXPECT_NE(h.abandoned.find("record 32"), std::string::npos);
    EXPECT_NE(h.text, "Next game.");
    flow.NextClicked();
    EXPECT_EQ(flow.Step(), 10);
}

TEST(TutorialFlow, PastTheLastStepNextGoesAndLeavingNoLongerAsks) {
    ScriptHost h;
    TutorialFlow flow(h);
    flow.Start({"Only.<X 00X 00", "Last.<X 00X 00"});
    EXPECT_TRUE(flow.ExitNeedsQuestion());
    flow.NextClicked();
    EXPECT_FALSE(flow.ExitNeedsQuestion());
    EXPECT_TRUE(h.nextVisible);
    flow.NextClicked();
    EXPECT_FALSE(h.nextVisible);
    EXPECT_FALSE(TutorialFlow(h).Start({}));
}
