// The tutorial window walked from its first step to its last on a headless game with the
// shipped script and positions: the player's moves are made as the steps ask, the computer
// plays where a step lets it, and the ending gives the table back.
#include "records/qt/frm_tutorial.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "board/table_layout.h"
#include "computer/computer_player.h"
#include "engine/engine.h"
#include "platform/file_util.h"
#include "platform/qt/desktop.h"
#include "platform/record_file.h"
#include "records/qt/records_windows.h"
#include "records/text_lines.h"
#include "records/tutorial_script.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/mouse_game.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace fs = std::filesystem;

namespace {

// The window port of the main window, telling the open tutorial what the game does.
class TutorialWindowPort : public RecordingWindow {
  public:
    using RecordingWindow::RecordingWindow;
    FrmTutorial* form = nullptr;
    void TutorialTurnOver() override {
        RecordingWindow::TutorialTurnOver();
        if (form) form->TurnOver();
    }
    void TutorialTurnStarting() override {
        if (form) form->TurnStarting();
    }
    void TutorialCardPlayed() override {
        if (form) form->CardPlayed();
    }
};

struct Tutorial {
    TempProgramFolder folder;
    Game g;
    HeadlessServices h{g};
    TutorialWindowPort window{h.log};
    Engine e{g, h.services};
    ComputerPlayer cp{e};
    GameRecords records{g, h.services};
    TableLayout layout{15360, false};
    int redraws = 0;

    explicit Tutorial(bool withScript = true) {
        const std::string staged = StagedProgramFolder();
        if (withScript)
            fs::copy_file(JoinPath(staged, "tutorial.txt"), folder.File("tutorial.txt"));
        fs::copy_file(JoinPath(staged, "Data/backup.sav"), folder.File("Data/backup.sav"));
        g.AppFolder = folder.path();
        g.MovePause = 0;
        g.NumPlayers = 4, g.NumCenters = 4, g.NumCards = 208;
        g.SidePileSize = 9;
        g.NoWildAce = VbTrue;
        g.Opp[1].Name = "Brivo";
        g.Opp[1].CommentFile = "No Comments";
        h.services.records = &records;
        h.services.turns = &cp;
        h.services.window = &window;
        layout.StartUp(g, 0);
        layout.TakeRequests();
    }
    TutorialParts Parts() {
        TutorialParts p{g, records, h.services};
        p.layout = &layout;
        p.tableChanged = [this] { ++redraws; };
        return p;
    }
};

QPushButton* Button(FrmTutorial& f, const char* name) {
    return f.findChild<QPushButton*>(name);
}

// Makes the move the step asks for: the named card onto the center pile that takes it, or, for
// a hold pile as the target of a hand card, the discard that ends the turn.
void MakeTheMove(Tutorial& t, const TutorialDirective& d) {
    Game& g = t.g;
    g.PickSlot = static_cast<i16>(d.N1);
    if (d.L2 == 'H' && d.N1 <= kLastHandSlot) {
        g.DropSlot = kFirstHoldSlot;
        t.e.Player_EndTurn();
        return;
    }
    for (int k = 1; k <= g.NumCenters; ++k) {
        if (!CenterAccepts(g, g.HumanCards[kRank][d.N1], k)) continue;
        g.PileSel = static_cast<i16>(k);
        t.e.Player_Move();
        return;
    }
    FAIL() << "no center takes the card of pile " << d.N1;
}

}  // namespace

TEST(TutorialWindow, RunsFromTheFirstStepToTheLastAndGivesTheTableBack) {
    TestApp();
    Tutorial t;
    const auto lines = ReadTextLines(t.folder.File("tutorial.txt")).value();
    FrmTutorial form(t.Parts());
    t.window.form = &form;
    ASSERT_TRUE(form.Start());
    form.show();
    // The table became the tutorial's: two players, three centers, twenty side cards.
    EXPECT_EQ(t.g.NumPlayers, 2);
    EXPECT_EQ(t.g.NumCenters, 3);
    EXPECT_EQ(t.g.SidePileSize, 19);
    EXPECT_EQ(t.g.NoWildAce, VbFalse);
    EXPECT_EQ(t.g.MenusLocked, VbTrue);
    EXPECT_EQ(t.layout.ScreenWidth, 12200);
    EXPECT_EQ(form.findChild<QLabel*>("lblTipText")->text().toStdString(),
              ParseTutorialLine(lines[0]).text);

    int moves = 0;
    for (int guard = 0; guard < 200 && Button(form, "cmdNextTip")->isVisible(); ++guard) {
        const int step = form.flow().Step();
        if (Button(form, "cmdNextTip")->isEnabled()) {
            if (step == 7) {
                // The side card to play, pointed at from below.
                EXPECT_TRUE(t.layout.Ctl("imgTipUp").Visible);
                SaveRender(form.grab().toImage(), "frm_tutorial");
            }
            Button(form, "cmdNextTip")->click();
            continue;
        }
        const TutorialDirective d =
            *ParseTutorialLine(lines[static_cast<size_t>(step - 1)]).directive;
        ASSERT_TRUE(d.MovesPile()) << "step " << step << " waits for nothing";
        MakeTheMove(t, d);
        ++moves;
        ASSERT_TRUE(Button(form, "cmdNextTip")->isEnabled()) << "step " << step;
    }
    EXPECT_EQ(form.flow().Step(), static_cast<int>(lines.size()) + 1);
    EXPECT_GE(moves, 15);
    EXPECT_FALSE(form.flow().ExitNeedsQuestion());
    // The computer's turn after the discard was told as over.
    EXPECT_TRUE(t.h.log.Contains("TutorialTurnOver"));

    const int asked = t.h.dialogs.asked;
    Button(form, "cmdOK")->click();
    EXPECT_EQ(t.h.dialogs.asked, asked);  // at the end nothing is asked
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(t.g.TutorialOn, VbFalse);
    EXPECT_EQ(t.g.MenusLocked, VbFalse);
    EXPECT_EQ(t.layout.ScreenWidth, 15360);
    EXPECT_EQ(t.h.board.messages[2], "Select NEW from the Game Menu to start a new game.");
    EXPECT_TRUE(t.h.log.Contains("ShowDeal"));
    // The rules the tutorial set stay.
    EXPECT_EQ(t.g.NumPlayers, 2);
}

TEST(TutorialWindow, LeavingEarlyAsksAndBackReloadsThePosition) {
    TestApp();
    Tutorial t;
    FrmTutorial form(t.Parts());
    t.window.form = &form;
    form.Start();
    form.show();
    for (int i = 0; i < 5; ++i) Button(form, "cmdNextTip")->click();
    EXPECT_EQ(form.flow().Step(), 6);
    EXPECT_TRUE(t.layout.Ctl("imgTip").Visible);
    Button(form, "cmdNextTip")->click();
    MakeTheMove(t, *ParseTutorialLine("<H 01C 01").directive);
    Button(form, "cmdBack")->click();
    EXPECT_EQ(form.flow().Step(), 6);
    EXPECT_EQ(t.g.HumanSideCount, 20);  // position 31 again, side card back in place

    t.h.dialogs.answers = {mb::No};
    Button(form, "cmdOK")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(t.h.dialogs.lastText, "Exit the tutorial?");
    t.h.dialogs.answers = {mb::Yes, mb::Ok};
    t.h.board.messages[1] = "\n\n     It's your turn...";
    t.h.log.lines.clear();
    Button(form, "cmdOK")->click();
    EXPECT_EQ(t.h.dialogs.lastText,
              "To start the Tutorial again, go to the Help Menu and select Tutorial.");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(t.g.TutorialOn, VbFalse);
    // The empty table it leaves says nothing of the tutorial's turn and runs.
    EXPECT_EQ(t.h.board.messages[1], "");
    // The status bar is emptied, then shows the wild counts of the empty table.
    const auto& lines = t.h.log.lines;
    const auto cleared = std::find(lines.begin(), lines.end(), "StatusBar_Clear");
    ASSERT_NE(cleared, lines.end());
    EXPECT_NE(std::find(cleared, lines.end(), "WildUpdate"), lines.end());
}

TEST(TutorialWindow, AMissingScriptEndsTheTutorialAtOnce) {
    TestApp();
    Tutorial t(false);
    FrmTutorial form(t.Parts());
    EXPECT_FALSE(form.Start());
    EXPECT_EQ(t.h.dialogs.lastText, "Tutorial not found, unable to run the tutorial.");
    EXPECT_EQ(t.g.TutorialOn, VbFalse);
    EXPECT_EQ(t.g.MenusLocked, VbFalse);
    EXPECT_TRUE(t.h.log.Contains("ShowDeal"));
    EXPECT_EQ(t.g.NumPlayers, 4);  // nothing else was set up
}

TEST(TutorialWindow, ADamagedPositionIsTakenFromTheShippedStoreOrEndsTheTutorial) {
    TestApp();
    for (bool shippedCopy : {true, false}) {
        Tutorial t;
        // Position 31 in the player's store is lost.
        RecordFile store(t.folder.File("Data/backup.sav"), GameStateRecord::kSize);
        ASSERT_TRUE(store.Write(31, RecordBuffer(GameStateRecord::kSize)));
        TutorialParts parts = t.Parts();
        if (shippedCopy) parts.stagedFolder = StagedProgramFolder();
        FrmTutorial form(parts);
        t.window.form = &form;
        form.Start();
        for (int i = 0; i < 5; ++i) Button(form, "cmdNextTip")->click();
        EXPECT_EQ(form.flow().Abandoned(), !shippedCopy);
        EXPECT_EQ(t.g.TutorialOn, VbBool(shippedCopy));
        if (shippedCopy) {
            EXPECT_EQ(t.g.HumanSideCount, 20);
            GameStateRecord back;
            t.records.ReadRecordAt(SnapshotFile::SavedGames, 31, back);
            EXPECT_EQ(back.Title, "Tutorial 1");
        } else {
            EXPECT_NE(t.h.dialogs.lastText.find("record 31"), std::string::npos);
        }
    }
}

// The tutorial as the Help menu starts it over a table with its Deal button up: the button goes,
// and neither its click nor a card the step does not ask for, nor the asked card dragged to
// another kind of place, changes the prepared position; the asked move goes through.
namespace {
// The real table with its drag handling and the records' windows over it, as the program puts
// them together: the tutorial starts as the Help menu starts it.
struct TableWithTutorial {
    MouseGame m;
    GameRecords records{m.g, m.h.services};
    ProfileState profile;
    std::unique_ptr<RecordsWindows> windows;

    explicit TableWithTutorial(int players) : m(players) {
        const std::string staged = StagedProgramFolder();
        fs::create_directories(JoinPath(m.g.AppFolder, "Data"));
        fs::copy_file(JoinPath(staged, "tutorial.txt"), JoinPath(m.g.AppFolder, "tutorial.txt"));
        fs::copy_file(JoinPath(staged, "Data/backup.sav"),
                      JoinPath(m.g.AppFolder, "Data/backup.sav"));
        m.h.services.records = &records;
        RecordsWindowsParts parts{m.g, records, profile, m.h.services};
        parts.window = &m.window;
        parts.layout = &m.shell->layout;
        parts.repaintTable = [] {};
        windows = std::make_unique<RecordsWindows>(std::move(parts));
        m.port.ConnectRecordsWindows(*windows);
        m.port.ConnectLayout(&m.shell->layout);
        m.drag = std::make_unique<MainWindowDrag>(
            MainWindowDragParts{m.g, m.e, m.state, *m.shell, m.window, *windows, &m.looks, [] {}});
        m.drag->showHumanHidden = [](int) {};
        m.drag->closeMenus = m.drag->hideNetNotices = [] {};
    }
};
}  // namespace

TEST(TutorialWindow, FromTheHelpMenuItRefusesEveryInputItDoesNotAskFor) {
    TestApp();
    TableWithTutorial t(2);
    MouseGame& m = t.m;
    RecordsWindows& windows = *t.windows;
    auto* deal = m.window.findChild<QPushButton*>("cmdDeal");
    ASSERT_TRUE(deal->isVisible());

    windows.ShowTutorial();
    EXPECT_TRUE(deal->isHidden());
    auto* next = m.window.findChild<QPushButton*>("cmdNextTip");
    ASSERT_NE(next, nullptr);
    for (int i = 0; i < 6; ++i) next->click();
    // Step 7 on position 31: the side card is a 4, the first center pile shows a 3.
    ASSERT_EQ(m.g.HumanCards[kRank][kSideSlot], 4);
    ASSERT_EQ(m.g.CenterCount[1], 3);
    ASSERT_FALSE(next->isEnabled());
    const auto hand = m.g.HumanCards;

    m.drag->DealClicked();
    m.DragBox(kSideSlot, m.Middle("Picture7", 7));  // the asked card onto a hold pile
    m.DragBox(3, m.Middle("Picture7", 5));          // another card, within the hand
    m.DragBox(2, m.Middle("PicCenter", 2));         // another card, onto a center
    EXPECT_EQ(m.g.HumanCards, hand);
    EXPECT_EQ(m.g.CenterCount[1], 3);
    EXPECT_EQ(m.g.Pturn, 1);
    EXPECT_EQ(m.g.HumanSideCount, 20);
    EXPECT_FALSE(next->isEnabled());

    m.DragBox(kSideSlot, m.Middle("PicCenter", 1));
    EXPECT_EQ(m.g.CenterCount[1], 4);
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(deal->isHidden());

    // Step 8 plays the next side card; step 11 asks for hand card 3 onto a center pile: dropped
    // on a hold pile, it would end the turn.
    const auto fitting = [&m](int slot) {
        for (int k = 1; k <= m.g.NumCenters; ++k)
            if (CenterAccepts(m.g, m.g.HumanCards[kRank][slot], k)) return k;
        return 0;
    };
    next->click();
    m.DragBox(kSideSlot, m.Middle("PicCenter", fitting(kSideSlot)));
    for (int i = 0; i < 3; ++i) next->click();
    ASSERT_EQ(windows.Asked().pile, 3);
    const auto position = m.g.HumanCards;
    m.DragBox(3, m.Middle("Picture7", 8));
    EXPECT_EQ(m.g.HumanCards, position);
    EXPECT_EQ(m.g.Pturn, 1);
    m.DragBox(3, m.Middle("PicCenter", fitting(3)));
    EXPECT_EQ(m.g.HumanCards[kRank][3], 0);
    EXPECT_TRUE(next->isEnabled());
}

// Left from a three-player table, the tutorial gives the two-player table of three centers a
// fresh start gives: its names, messages and Deal button stand where that table has them.
TEST(TutorialWindow, LeftFromAThreePlayerTableItGivesAFreshTwoPlayerTable) {
    TestApp();
    TableWithTutorial t(3);
    t.windows->ShowTutorial();
    t.m.h.dialogs.answers = {mb::Yes, mb::Ok};
    t.m.window.findChild<QPushButton*>("cmdOK")->click();
    ASSERT_EQ(t.m.g.TutorialOn, VbFalse);

    Game fresh;
    fresh.NumPlayers = 2;
    fresh.NumCenters = 3;
    ManualClock clock;
    InstantPump pump{clock};
    QWidget window;
    BoardShell shell(
        {fresh, t.m.looks, 15360, false, clock, pump, nullptr, nullptr, t.m.g.AppFolder}, &window);
    shell.StartUp(0);
    shell.ApplyWidgets();
    for (const char* key :
         {"Label9_0", "Label9_1", "Label9_2", "Label9_3", "Label9_4", "cmdDeal", "LabelPeek"}) {
        auto* left = t.m.shell->view->findChild<QWidget*>(key, Qt::FindDirectChildrenOnly);
        auto* wanted = shell.view->findChild<QWidget*>(key, Qt::FindDirectChildrenOnly);
        ASSERT_TRUE(left && wanted) << key;
        EXPECT_EQ(left->geometry(), wanted->geometry()) << key;
    }
    auto* third = t.m.shell->view->findChild<QWidget*>("Label9_5", Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(!third || !third->isVisibleTo(t.m.shell->view));
}
