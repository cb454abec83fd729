// The keyboard's commands: the key tables, the pipeline in front of them, the keypad card move
// and the hidden tutorial-position keys.
#include "mainwindow/key_command.h"

#include "engine_fixture.h"
#include "mainwindow/command_gate.h"
#include "mainwindow/key_codes.h"
#include "mainwindow/tutorial_slot.h"
#include "platform/vb_strings.h"
#include "records/game_records.h"
#include "temp_folder.h"

namespace {

constexpr i16 kCtrl = 2, kCtrlShift = 3;
i16 Pad(int digit) {
    return static_cast<i16>(vk::Numpad0 + digit);
}

// The table's controls the keys touch, with the player's boxes 100 pixels apart.
ControlGeom Box(ControlKind kind, double left, double top, double width, double height,
                bool visible) {
    ControlGeom c;
    c.Kind = kind;
    c.Left = left, c.Top = top, c.Width = width, c.Height = height;
    c.Visible = visible;
    return c;
}
FormModel KeyForm() {
    FormModel f;
    f.Controls[ControlKey("Label9", 1)] = Box(ControlKind::Label, 0, 0, 200, 40, true);
    f.Controls["lblHighlight"] = Box(ControlKind::Label, 0, 0, 81, 106, false);
    f.Controls["imgIcon"] = Box(ControlKind::Image, 0, 0, 32, 32, false);
    for (int s = 1; s <= 10; ++s)
        f.Controls[ControlKey("Picture7", s)] =
            Box(ControlKind::PictureBox, 100.0 * s, 400, 71, 96, true);
    return f;
}

struct KeyTest : EngineFixture {
    TempProgramFolder folder;
    GameRecords records{g, h.services};
    MainWindowState window;
    FormModel form = KeyForm();
    std::vector<std::string> ran;  // menu rows carried out, as "menu,row"
    std::vector<std::string> gated;
    bool gateAnswer = true;
    bool dealShown = false;
    std::deque<std::optional<std::string>>& typed = h.dialogs.inputs;
    KeyCommand keys{KeyCommandParts{g, e, records, window, form, h.services}, Calls()};

    KeyTest() {
        g.AppFolder = folder.path();
        h.services.records = &records;
    }
    KeyCommandCalls Calls() {
        KeyCommandCalls c;
        c.gate = [this](int m, int r) {
            gated.push_back(std::to_string(m) + "," + std::to_string(r));
            return gateAnswer;
        };
        c.menuRow = [this](int m, int r) {
            ran.push_back(std::to_string(m) + "," + std::to_string(r));
        };
        c.dealButtonVisible = [this] { return dealShown; };
        // The window's side of the other keys is not watched here.
        c.stopIdleTimer = c.refresh = c.hideMenus = c.stretchBackground = c.displayStats =
            c.toggleLabelNames = c.showBackgroundWindow = c.flash = c.showSplash =
                c.chatOnTop = [] {};
        c.tutorialOn = [] { return false; };
        c.showDealButton = [](bool) {};
        c.cycleBackground = c.animateCardsFlow = c.showScores = [](int) {};
        return c;
    }
    void Press(std::initializer_list<i16> codes, i16 shift = 0) {
        for (i16 c : codes) keys.Run(c, shift);
    }
    const std::string& Label1() { return form.At("Label9", 1).Caption; }
    // The player on turn in a two-player game on three centers: side top a Six, the hand
    // Ace, Five, Two, Nine, Queen.
    void Dealt() {
        Players(2, 3);
        g.Pturn = 1;
        g.TurnOrder = {0, 1, 2, 0, 0};
        g.TurnPos = 1;
        HumanSide({4, 6});
        Hand({1, 5, 2, 9, 12});
        RestToStock();
    }
};

}  // namespace

TEST(KeyTables, EachKeyFindsItsRow) {
    struct Case {
        i16 code, shift;
        KeyAct act;
        int a, b;
        KeyWhen when;
    } cases[] = {
        {vk::F1, 0, KeyAct::MenuRow, 4, 0, KeyWhen::Always},
        {vk::F2, 0, KeyAct::MenuRow, 1, 0, KeyWhen::HostOrLocal},
        {vk::F3, 0, KeyAct::MenuRow, 1, 9, KeyWhen::Always},
        {vk::F4, 0, KeyAct::MenuRow, 1, 6, KeyWhen::LocalOnly},
        {vk::F5, 0, KeyAct::MenuRow, 2, 0, KeyWhen::Always},
        {vk::F6, 0, KeyAct::MenuRow, 2, 4, KeyWhen::Always},
        {vk::F7, 0, KeyAct::MenuRow, 4, 3, KeyWhen::Always},
        {vk::F8, 0, KeyAct::MenuRow, 4, 4, KeyWhen::Always},
        {vk::F9, 0, KeyAct::MenuRow, 4, 5, KeyWhen::Always},
        {vk::F10, 0, KeyAct::MenuRow, 2, 5, KeyWhen::LocalOnly},
        {vk::F11, 0, KeyAct::MenuRow, 3, 0, KeyWhen::Always},
        {vk::F12, 0, KeyAct::MenuRow, 1, 11, KeyWhen::Always},
        {vk::End, 0, KeyAct::MenuRow, 2, 2, KeyWhen::Always},
        {vk::Up, 0, KeyAct::CycleBackground, 0, 0, KeyWhen::Always},
        {vk::Right, 0, KeyAct::StretchBackground, 0, 0, KeyWhen::Always},
        {vk::Back, 0, KeyAct::RestartTurn, 0, 0, KeyWhen::LocalOnTurn},
        {vk::PageUp, 0, KeyAct::ChatOnTop, 0, 0, KeyWhen::InternetOnly},
        {vk::Key('Q'), 0, KeyAct::Emoticon, 0, 0, KeyWhen::Always},
        {60, 0, KeyAct::Emoticon, 0, 0, KeyWhen::Always},
        {vk::Key('7'), 0, KeyAct::OpponentSound, 0, 0, KeyWhen::Always},
        {vk::Equals, 0, KeyAct::OpponentSound, 0, 0, KeyWhen::Always},
        {vk::Home, 0, KeyAct::HomeGreeting, 0, 0, KeyWhen::Always},
        {vk::Home, kCtrl, KeyAct::AnimateCards, 1, 0, KeyWhen::Always},
        {vk::Home, kCtrlShift, KeyAct::AnimateCards, 2, 0, KeyWhen::Always},
        {vk::Home, 7, KeyAct::AnimateCards, 0, 0, KeyWhen::Always},
        {vk::Key('S'), kCtrl, KeyAct::MenuRow, 1, 3, KeyWhen::LocalOnly},
        {vk::Key('R'), kCtrl, KeyAct::MenuRow, 1, 4, KeyWhen::Always},
        {vk::F3, kCtrl, KeyAct::Scores, 1, 0, KeyWhen::Always},
        {vk::Delete, kCtrl, KeyAct::DeleteQuip, 0, 0, KeyWhen::Always},
        {vk::F11, kCtrl, KeyAct::SystemInfo, 0, 0, KeyWhen::Always},
        {vk::F10, kCtrl, KeyAct::LabelNames, 0, 0, KeyWhen::Always},
        {vk::F6, kCtrl, KeyAct::Flash, 0, 0, KeyWhen::Always},
        {vk::F3, kCtrlShift, KeyAct::Scores, 2, 0, KeyWhen::Always},
        {vk::Key('S'), kCtrlShift, KeyAct::SaveTutorial, 0, 0, KeyWhen::Always},
        {vk::Key('R'), kCtrlShift, KeyAct::RestoreTutorial, 0, 0, KeyWhen::Always},
        {vk::Key('X'), kCtrlShift, KeyAct::SampleGames, 0, 0, KeyWhen::Always},
        {vk::F8, kCtrlShift, KeyAct::DevMode, 0, 0, KeyWhen::Always},
        // The Alt bit counts; bits above it do not.
        {vk::Home, 7 + 8, KeyAct::AnimateCards, 0, 0, KeyWhen::Always},
    };
    for (const Case& c : cases) {
        const KeyRow* row = FindKeyRow(c.code, c.shift);
        ASSERT_NE(row, nullptr) << c.code << " shift " << c.shift;
        EXPECT_EQ(row->act, c.act) << c.code << " shift " << c.shift;
        EXPECT_EQ(row->a, c.a) << c.code << " shift " << c.shift;
        EXPECT_EQ(row->b, c.b) << c.code << " shift " << c.shift;
        EXPECT_EQ(row->when, c.when) << c.code << " shift " << c.shift;
    }
    // Keys with no command: the keypad outside a move, Shift or Alt with a function key, a Ctrl
    // letter of no row, Shift+Home.
    for (auto [code, shift] : {std::pair<i16, i16>{Pad(5), 0},
                               {vk::F1, 1},
                               {vk::F4, 4},
                               {vk::Key('A'), kCtrl},
                               {vk::Home, 1},
                               {vk::Key('A'), 1}})
        EXPECT_EQ(FindKeyRow(code, shift), nullptr) << code << " shift " << shift;
}

TEST(KeyTables, LettersShowTheirEmoticonAndDigitsPickTheOpponentsSound) {
    EXPECT_EQ(EmoticonFile(vk::Key('A')), "Angry.gif");
    EXPECT_EQ(EmoticonFile(vk::Key('F')), "Hotflash.gif");
    EXPECT_EQ(EmoticonFile(vk::Key('X')), "Shoot.gif");
    EXPECT_EQ(EmoticonFile(vk::Key('Q')), "");
    EXPECT_EQ(OpponentSoundIndex(vk::Key('1')), 3);
    EXPECT_EQ(OpponentSoundIndex(vk::Key('9')), 11);
    EXPECT_EQ(OpponentSoundIndex(vk::Key('0')), 12);
    EXPECT_EQ(OpponentSoundIndex(vk::Equals), 13);
    EXPECT_EQ(OpponentSoundIndex(vk::Key('A')), -1);
}

TEST(KeyTables, AMenuRowIsNamedByTheKeyThatRunsIt) {
    EXPECT_EQ(MenuRowKey(3, 0), "F11");  // Start or END Internet Game
    EXPECT_EQ(MenuRowKey(1, 4), "Ctrl+R");
    EXPECT_EQ(MenuRowKey(3, 5), "");
}

TEST(KeyTables, KeysThatBelongToOneKindOfGame) {
    // (netConnected, isHost, pturn)
    EXPECT_TRUE(KeyAllowed(KeyWhen::HostOrLocal, 0, 0, 2));
    EXPECT_TRUE(KeyAllowed(KeyWhen::HostOrLocal, 1, 1, 2));
    EXPECT_FALSE(KeyAllowed(KeyWhen::HostOrLocal, 1, 0, 1));
    EXPECT_FALSE(KeyAllowed(KeyWhen::LocalOnly, 99, 1, 1));
    EXPECT_TRUE(KeyAllowed(KeyWhen::LocalOnTurn, 0, 0, 1));
    EXPECT_FALSE(KeyAllowed(KeyWhen::LocalOnTurn, 0, 0, 2));
    EXPECT_FALSE(KeyAllowed(KeyWhen::InternetOnly, 0, 0, 1));
}

TEST_F(KeyTest, TheFirstKeyOfASessionRunsItsCommand) {
    Press({vk::F3});
    EXPECT_EQ(ran, (std::vector<std::string>{"1,9"}));
    EXPECT_FALSE(window.AnimationStop);
}

TEST_F(KeyTest, AKeyDuringTheEndOfGameAnimationOnlyStopsIt) {
    g.AnimationRunning = VbTrue;
    Press({vk::F3});
    EXPECT_TRUE(window.AnimationStop);
    EXPECT_TRUE(ran.empty());
    // Once the stop is asked for, keys work again.
    Press({vk::F3});
    EXPECT_EQ(ran, (std::vector<std::string>{"1,9"}));
}

TEST_F(KeyTest, EveryMenuKeyPassesTheGateAndARefusalRunsNothing) {
    gateAnswer = false;
    Press({vk::F2, vk::F6, vk::F10, vk::F12});
    Press({vk::Key('S'), vk::Key('R')}, kCtrl);
    EXPECT_EQ(gated, (std::vector<std::string>{"1,0", "2,4", "2,5", "1,11", "1,3", "1,4"}));
    EXPECT_TRUE(ran.empty());
    // The keys' own commands that stand for menu rows meet the same gate.
    gated.clear();
    Dealt();
    typed = {std::string("35"), std::string("35")};
    Press({vk::Back});
    Press({vk::F3, vk::Key('S'), vk::Key('R')}, kCtrlShift);
    EXPECT_EQ(gated, (std::vector<std::string>{"1,6", "1,9", "1,3", "1,4"}));
    EXPECT_FALSE(g.RestartWholeTurn);
    EXPECT_EQ(typed.size(), 2u);  // no slot was asked for
}

// The real gate: what the menus refuse during the computer's turn and in Internet games, the
// keys refuse too, with the menus' message, and nothing runs.
TEST_F(KeyTest, TheMenusGateRefusesKeysDuringTheComputersTurnAndInInternetGames) {
    const std::string myTurn = "Wait!  Let me finish my turn first!";
    const std::string internetMenu = "Please use the Internet Menu during Internet games.";
    struct Case {
        i16 net, host, pturn, busy;
        i16 code, shift;
        std::string said;  // "" nothing said
        std::vector<std::string> ran;
    } cases[] = {
        // A computer player moving in a local game.
        {0, 0, 2, -1, vk::Key('S'), kCtrl, myTurn, {}},
        {0, 0, 2, -1, vk::Key('R'), kCtrl, myTurn, {}},
        {0, 0, 2, -1, vk::F4, 0, myTurn, {}},
        {0, 0, 2, -1, vk::F6, 0, myTurn, {}},
        {0, 0, 2, -1, vk::F10, 0, myTurn, {}},
        {0, 0, 2, -1, vk::Key('S'), kCtrlShift, myTurn, {}},
        {0, 0, 2, -1, vk::Key('R'), kCtrlShift, myTurn, {}},
        {0, 0, 2, -1, vk::F12, 0, "", {"1,11"}},  // Exit waits for the turn itself
        // An Internet game with the player on turn, on the host.
        {1, 1, 1, 0, vk::F6, 0, internetMenu, {}},
        {1, 1, 1, 0, vk::F10, 0, "", {"3,3"}},  // the Internet menu's players setup
        {1, 1, 1, 0, vk::Key('R'), kCtrl, internetMenu, {}},
        {1, 1, 1, 0, vk::Key('R'), kCtrlShift, internetMenu, {}},
        {1, 1, 1, 0, vk::F4, 0, "", {}},
        {1, 1, 1, 0, vk::Key('S'), kCtrl, "", {}},
        {1, 1, 1, 0, vk::F2, 0, "", {"1,0"}},
        // ...and on a remote, New Game is the host's.
        {1, 0, 1, 0, vk::F2, 0, "", {}},
        {1, 0, 2, 0, vk::F10, 0, "", {"3,3"}},
    };
    KeyCommandCalls calls = Calls();
    calls.gate = [this](int m, int r) { return PassGate(g, &h.dialogs, m, r); };
    KeyCommand gatedKeys{KeyCommandParts{g, e, records, window, form, h.services}, calls};
    for (const Case& c : cases) {
        g.NetConnected = c.net, g.IsHost = c.host, g.Pturn = c.pturn, g.ComputerBusy = c.busy;
        ran.clear();
        h.dialogs.lastText.clear();
        typed = {std::string("35")};
        gatedKeys.Run(c.code, c.shift);
        EXPECT_EQ(h.dialogs.lastText, c.said) << c.code << " shift " << c.shift << " net " << c.net;
        EXPECT_EQ(ran, c.ran) << c.code << " shift " << c.shift << " net " << c.net;
        EXPECT_EQ(typed.size(), 1u) << c.code << " shift " << c.shift;
    }
    // New Game during the computer's turn waits for it to end.
    g.NetConnected = 0, g.IsHost = 0, g.Pturn = 2, g.ComputerBusy = VbTrue;
    ran.clear();
    gatedKeys.Run(vk::F2, 0);
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(g.NewGamePending, VbTrue);
}

TEST_F(KeyTest, TheKindOfGameLimitsSomeKeysBeforeTheGate) {
    g.NetConnected = 1, g.IsHost = 0, g.Pturn = 1;
    Press({vk::F2, vk::F4, vk::Back});
    Press({vk::Key('S')}, kCtrl);
    EXPECT_TRUE(gated.empty());
    // Set up with nobody connected: only F11 is open.
    g.NetConnected = 99, g.IsHost = 1;
    Press({vk::F2, vk::F3, vk::F11});
    EXPECT_EQ(ran, (std::vector<std::string>{"3,0"}));
}

TEST_F(KeyTest, DuringTheTutorialEveryKeyIsTurnedAway) {
    g.TutorialOn = VbTrue;
    Press({vk::F3, Pad(3)});
    EXPECT_EQ(h.dialogs.asked, 2);
    EXPECT_EQ(h.dialogs.lastText, "Please don't use the Menus during the tutorial.");
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(keys.KeyMoveSlot(), 0);
}

TEST_F(KeyTest, KeypadMovePlaysACardOntoACenterPile) {
    Dealt();
    Press({Pad(2)});
    EXPECT_EQ(Label1(), "Move card: 2");
    EXPECT_TRUE(form.At("lblHighlight").Visible);
    // Centred round box 2 (Left 200, Top 400, 71 x 96) in an 81 x 106 frame.
    EXPECT_EQ(form.At("lblHighlight").Left, 195);
    EXPECT_EQ(form.At("lblHighlight").Top, 395);
    Press({vk::Return});
    EXPECT_EQ(Label1(), "Move card to which pile?");
    Press({Pad(2)});
    EXPECT_EQ(g.CenterCount[2], 1);
    EXPECT_EQ(g.HumanCards[kRank][2], 0);
    EXPECT_EQ(Label1(), "Done!");
    EXPECT_FALSE(form.At("lblHighlight").Visible);
    EXPECT_EQ(keys.KeyMoveSlot(), 0);
    EXPECT_EQ(g.Pturn, 1);
}

TEST_F(KeyTest, KeypadMoveThatBreaksTheRulesLeavesTheCardAndTheTurn) {
    Dealt();
    Press({Pad(3), vk::Return, Pad(1)});  // a Five onto an empty pile
    EXPECT_EQ(g.CenterCount[1], 0);
    EXPECT_EQ(g.HumanCards[kRank][3], 5);
    EXPECT_EQ(g.Pturn, 1);
    EXPECT_NE(Label1(), "Done!");
    // Keypad 4 with three centers plays nowhere.
    Press({Pad(2), vk::Return, Pad(4)});
    EXPECT_EQ(g.HumanCards[kRank][2], 1);
}

TEST_F(KeyTest, KeypadMoveDiscardsAHandCardOntoAHoldPile) {
    Dealt();
    int turns = 0;
    h.turns.run = [&] { ++turns; };
    const i16 nine = g.HumanCards[kId][5];
    Press({Pad(5), vk::Return, Pad(0)});  // keypad 0 is hold pile 4
    EXPECT_EQ(g.HumanCards[kId][10], nine);
    EXPECT_EQ(g.HumanCards[kRank][5], 0);
    EXPECT_EQ(turns, 1);
}

TEST_F(KeyTest, KeypadMovesThatCannotBeMadeAreDropped) {
    Dealt();
    const PorC before = g.HumanCards;
    struct Case {
        std::vector<i16> keys;
        const char* why;
    } cases[] = {
        {{Pad(1), vk::Return, Pad(7)}, "the side pile never goes onto a hold pile"},
        {{Pad(2), vk::Return, Pad(5)}, "keypad 5 is no target"},
        {{Pad(2), vk::Return, Pad(6)}, "keypad 6 is no hold pile"},
        {{Pad(2), vk::Return, vk::Return}, "Enter is no target"},
        {{Pad(7), vk::Return}, "an empty slot cannot be moved"},
        {{Pad(3), vk::F3}, "another key drops the move"},
    };
    for (const Case& c : cases) {
        for (i16 k : c.keys) keys.Run(k, 0);
        EXPECT_EQ(Label1(), "") << c.why;
        EXPECT_EQ(keys.KeyMoveSlot(), 0) << c.why;
        EXPECT_FALSE(form.At("lblHighlight").Visible) << c.why;
        EXPECT_EQ(g.Pturn, 1) << c.why;
    }
    EXPECT_EQ(g.HumanCards, before);
}

TEST_F(KeyTest, TheKeypadMovesCardsOnlyOnThePlayersTurnAndEnterOnlyWithoutTheDealButton) {
    Dealt();
    g.Pturn = 2;
    Press({Pad(3)});
    EXPECT_EQ(keys.KeyMoveSlot(), 0);
    g.Pturn = 1;
    Press({Pad(3)});
    dealShown = true;
    Press({vk::Return});  // not part of the move: drops it
    EXPECT_EQ(Label1(), "");
    EXPECT_EQ(keys.KeyMoveSlot(), 0);
}

TEST(TutorialSlots, OnlyWholeNumbersFrom31To50) {
    for (auto [typed, slot] :
         std::initializer_list<std::pair<const char*, int>>{{"31", 31},
                                                            {"50", 50},
                                                            {" 40 ", 40},
                                                            {"031", 31},
                                                            {"30", 0},
                                                            {"51", 0},
                                                            {"14", 0},
                                                            {"-31", 0},
                                                            {"31.5", 0},
                                                            {"3e1", 0},
                                                            {"abc", 0},
                                                            {"", 0},
                                                            {"99999999999", 0}}) {
        const std::optional<int> got = TutorialSlot(typed);
        EXPECT_EQ(got.value_or(0), slot) << '"' << typed << '"';
    }
}

TEST_F(KeyTest, TutorialPositionsAreSavedAndRestoredOnlyInTheirRange) {
    Players(2, 3);
    g.Rng.Randomize(7);
    e.Game_New();
    ASSERT_NE(g.Pturn, 0);
    const PorC dealt = g.HumanCards;
    typed = {std::string("14"), std::nullopt, std::string("35")};
    Press({vk::Key('S'), vk::Key('S'), vk::Key('S')}, kCtrlShift);
    EXPECT_EQ(h.dialogs.lastText, "Please enter a whole number from 31 to 50.");
    EXPECT_EQ(h.dialogs.asked, 1);  // the cancel said nothing
    GameStateRecord rec;
    ASSERT_TRUE(records.ReadRecordAt(SnapshotFile::SavedGames, 35, rec));
    EXPECT_EQ(rec.Pturn, g.Pturn);
    EXPECT_EQ(Trim(rec.Title), "Tutorial 35");
    // Record 14, the automatic save, was not overwritten.
    ASSERT_TRUE(records.ReadRecordAt(SnapshotFile::SavedGames, 14, rec));
    EXPECT_EQ(Trim(rec.Title), "AutoSave");

    // A record with no game is not restored.
    typed = {std::string("36")};
    Press({vk::Key('R')}, kCtrlShift);
    EXPECT_EQ(h.dialogs.lastText, "No move to restore!");
    EXPECT_EQ(g.GameRestored, VbFalse);

    // The saved position comes back over another deal.
    g.Rng.Randomize(8);
    e.Game_New();
    ASSERT_NE(g.HumanCards, dealt);
    typed = {std::string(" 35 ")};
    Press({vk::Key('R')}, kCtrlShift);
    EXPECT_EQ(g.HumanCards, dealt);
    EXPECT_EQ(g.GameRestored, VbTrue);
}
