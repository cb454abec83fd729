// The status bar, the table's answers about hidden cards, the idle remark and the end-of-game
// animation on a real main window and table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

#include "board/qt/board_shell.h"
#include "board/qt/frm_hold.h"
#include "board/qt/table_view.h"
#include "mainwindow/qt/avatar_remarks.h"
#include "mainwindow/qt/board_info.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_counter.h"
#include "mainwindow/qt/frm_shuffled_deck.h"
#include "mainwindow/qt/main_window_status.h"
#include "mainwindow/qt/table_controls.h"
#include "mainwindow/qt/window_shows.h"
#include "platform/file_util.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct TableAnswers : ::testing::Test {
    QApplication& app = TestApp();
    QTemporaryDir dir;
    Game g;
    MainWindowState w;
    BoardLooks looks;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};
    ManualClock clock;
    InstantPump pump{clock};
    Services sv;
    FrmBrivo window;
    std::unique_ptr<BoardShell> shell;
    i16 holdLeft = 0, holdTop = 0;

    void SetUp() override {
        g.AppFolder = dir.path().toStdString();
        std::filesystem::create_directories(JoinPath(g.AppFolder, "Data"));
        g.PlayerName = "Ada";
        g.Opp[1].Name = "Brivo";
        shell = std::make_unique<BoardShell>(
            BoardShellParts{g, looks, 15360, false, clock, pump, &sounds, &dialogs, g.AppFolder},
            &window);
        shell->StartUp(0);
        window.SetTable(shell->view);
        shell->ApplyWidgets();
        window.resize(shell->view->size());
        sv.board = shell->board.get();
        sv.sounds = &sounds;
        sv.dialogs = &dialogs;
    }
    QWidget* Box(const char* key) { return shell->view->findChild<QWidget*>(key); }
    void Press(const char* key, Qt::MouseButton button, QEvent::Type type,
               Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* box = Box(key);
        ASSERT_NE(box, nullptr) << key;
        QMouseEvent e(type, QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), button, button, mods);
        QApplication::sendEvent(box, &e);
    }
    std::string Message(int index) { return shell->layout.Ctl("Label9", index).Caption; }
    void Spin(int ms) {
        QTimer done;
        done.setSingleShot(true);
        done.start(ms);
        while (done.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
};

}  // namespace

TEST_F(TableAnswers, StatusBarPanelsFollowTheGame) {
    FrmCounter* counter = nullptr;
    MainWindowStatusParts parts{g, window, w.LevelNames, {}, {}, {}};
    parts.screenWidth = [] { return 9600; };
    parts.counter = [&] { return counter; };
    MainWindowStatus status(parts);
    status.StatusBar_Clear();
    EXPECT_EQ(window.Panel(1)->text(), "Ada:");
    EXPECT_EQ(window.Panel(5)->text(), "Brivo:");
    EXPECT_EQ(window.Panel(8)->toolTip(), " Opponent: Side/Hand");
    g.HumanWildSide = 1;
    status.WildUpdate();
    EXPECT_EQ(window.Panel(4)->text(), " 1/ 0");  // a narrow screen: no prefix
    g.Opp[1].Level = 2;
    status.ShowOppStatus(1);
    EXPECT_EQ(window.Panel(5)->toolTip(), "Level: Ruthless");
    EXPECT_EQ(window.Panel(8)->toolTip(), "Brivo: Side/Hand");
    // The counter's grid is written only while its window is open.
    status.ShowCounter();
    FrmCounter open(2, false, &window);
    counter = &open;
    g.Deck[2][1] = 1;
    status.ShowCounter();
    EXPECT_TRUE(open.LblGrid()->text().startsWith("1  _  _ "));
}

TEST_F(TableAnswers, StockAndOpponentBoxesAnswerPresses) {
    BoardInfo info({g, w, sv, *shell, looks, window, holdLeft, holdTop});
    g.StockCount = 40, g.UsedCount = 12;
    Press("PicCenter_0", Qt::LeftButton, QEvent::MouseButtonDblClick);
    EXPECT_EQ(Message(1), "STOCK:  40");
    Press("PicCenter_1", Qt::LeftButton, QEvent::MouseButtonDblClick);
    EXPECT_EQ(Message(1), "STOCK:  40");  // only the stock tells its count
    Press("PicCenter_0", Qt::RightButton, QEvent::MouseButtonPress);
    EXPECT_EQ(Message(1), "USED:  12");
    // The hidden stock needs developer mode as well as Ctrl.
    Press("PicCenter_0", Qt::RightButton, QEvent::MouseButtonPress, Qt::ControlModifier);
    EXPECT_EQ(info.Hold(), nullptr);

    // An opponent's hold pile with 14 cards under its top shows the ten nearest it.
    g.Opp[1].HoldPileInfo[2][1] = 15;
    for (int i = 1; i <= 15; ++i) g.Opp[1].Hold[kId][2][i] = static_cast<i16>(i);
    Press("Picture1_8", Qt::RightButton, QEvent::MouseButtonPress);
    ASSERT_NE(info.Hold(), nullptr);
    EXPECT_TRUE(info.Hold()->isVisible());
    EXPECT_EQ(info.Hold()->findChild<QLabel*>("lblHold")->text(),
              " Brivo's Hold Cards Hidden: 14 ");
    // The press may land on the clear frame over the hold piles; the pile under it answers.
    info.Hold()->hide();
    const ControlGeom& pile = shell->layout.Ctl("Picture1", 8);
    const QPoint inTable(int(pile.Left + 10), int(pile.Top + 10));
    QWidget* frame = nullptr;
    for (QWidget* child : shell->view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->objectName().startsWith("Label3_") && child->geometry().contains(inTable))
            frame = child;
    ASSERT_NE(frame, nullptr);
    const QPointF local = frame->mapFromParent(QPointF(inTable));
    QMouseEvent onFrame(QEvent::MouseButtonPress, local, frame->mapToGlobal(local), Qt::RightButton,
                        Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &onFrame);
    EXPECT_TRUE(info.Hold()->isVisible());
    // Not while a computer card is being turned over.
    info.Hold()->hide();
    g.FlipInProgress = VbTrue;
    Press("Picture1_8", Qt::RightButton, QEvent::MouseButtonPress);
    EXPECT_FALSE(info.Hold()->isVisible());
    g.FlipInProgress = VbFalse;
    // A left press brings the card to the front instead.
    shell->layout.Ctl("Picture1", 3).Visible = true;
    Press("Picture1_3", Qt::LeftButton, QEvent::MouseButtonPress);
    EXPECT_TRUE(shell->layout.Ctl("Picture1", 3).Front);
    EXPECT_FALSE(info.Hold()->isVisible());
}

TEST_F(TableAnswers, IdleRemarkComesOnceWhenArmedAndNeverWhenDisarmed) {
    AvatarRemarks remarks({g, w, sv, *shell, window, nullptr});
    for (int line : {28, 29, 30}) g.CompComments[line] = "Wake up!";
    g.Pturn = 1;
    window.Timer1()->start(20);
    window.Timer1()->stop();  // the player pressed a card first
    Spin(60);
    EXPECT_EQ(Message(2), "");

    g.NumPlayers = 3;
    window.Timer1()->start(20);
    Spin(80);
    EXPECT_EQ(Message(2), "Wake up!");
    EXPECT_FALSE(window.Timer1()->isActive());
    EXPECT_EQ(g.AvatarSwapped, VbTrue);
}

TEST_F(TableAnswers, SlapShowsOverTheAvatarAndGoesWithAClick) {
    AvatarRemarks remarks({g, w, sv, *shell, window, nullptr});
    g.SoundMode = 2;  // slaps are heard whatever the level
    remarks.AvatarSlap();
    EXPECT_TRUE(shell->layout.Ctl("imgSlap").Visible);
    EXPECT_EQ(log.lines.back().find("slap.wav") != std::string::npos, true) << log.lines.back();
    remarks.SlapPointX = 40, remarks.SlapPointY = 40;
    remarks.imgSlap_MouseMove(QPoint(140, 140));
    EXPECT_TRUE(shell->layout.Ctl("imgSlap").Visible);
    remarks.imgSlap_MouseMove(QPoint(141, 40));
    EXPECT_FALSE(shell->layout.Ctl("imgSlap").Visible);
    remarks.AvatarSlap();
    remarks.imgSlap_Click();
    EXPECT_FALSE(shell->layout.Ctl("imgSlap").Visible);
    EXPECT_NE(log.lines.back().find("~118.tmp"), std::string::npos);
}

// A new sound level is answered in the personality's voice; its farewell sound plays at every
// level, even the silent one, and the cheer only with every sound on.
TEST_F(TableAnswers, ANewSoundLevelIsAcknowledged) {
    AvatarRemarks remarks({g, w, sv, *shell, window, nullptr});
    g.CompSounds[2] = "bye.wav";
    g.CompSounds[13] = "cheer.wav";
    struct Row {
        int level;
        const char* text;
        std::vector<std::string> sounds;
    };
    const Row rows[] = {
        {0, "YEAH!", {"PlaySound cheer.wav", "PlaySound bye.wav"}},
        {1, "Let's hold it down a little guys!", {"PlaySound bye.wav"}},
        {2, "Ahhh... the sounds of silence...", {"PlaySound bye.wav"}},
    };
    for (const Row& r : rows) {
        log.lines.clear();
        g.SoundMode = static_cast<i16>(r.level);
        remarks.ChangeNoise();
        EXPECT_EQ(Message(2), r.text);
        EXPECT_EQ(log.lines, r.sounds) << r.level;
    }
}

// Deal pressed during the animation (twice, and with a second animation asked for meanwhile)
// ends it once and starts exactly one new game.
TEST_F(TableAnswers, DealDuringTheAnimationStartsOneNewGame) {
    int games = 0;
    std::unique_ptr<WindowShows> shows;
    auto deal = [&] {
        if (StopCardsFlowForDeal(g, w)) return;
        ++games;
    };
    shows = std::make_unique<WindowShows>(
        WindowShowsParts{g, w, *shell, looks, window, clock, pump, &dialogs, nullptr, deal});
    window.Timer1()->start(60000);
    shows->AnimateCardsFlow(1);
    EXPECT_EQ(g.AnimationRunning, VbTrue);
    EXPECT_FALSE(window.Timer1()->isActive());
    EXPECT_TRUE(std::filesystem::exists(JoinPath(g.AppFolder, "Data/~temp.bmp")));
    Spin(200);
    const int frames = shows->CardsFlow().FramesShown();
    // A steady 20 ms frame: about ten frames in 200 ms, never a spin.
    EXPECT_GE(frames, 4);
    EXPECT_LE(frames, 12);
    shows->AnimateCardsFlow(0);  // no second animation
    deal();
    deal();
    EXPECT_EQ(games, 0);
    Spin(80);
    EXPECT_EQ(games, 1);
    EXPECT_EQ(g.AnimationRunning, VbFalse);
    EXPECT_FALSE(shows->CardsFlow().Running());
    EXPECT_FALSE(std::filesystem::exists(JoinPath(g.AppFolder, "Data/~temp.bmp")));
    Spin(60);
    EXPECT_EQ(games, 1);
}

TEST_F(TableAnswers, MarkersTheShuffledDeckAndAWaitingNewGame) {
    int newGames = 0;
    WindowShows shows(
        {g, w, *shell, looks, window, clock, pump, &dialogs, [&] { ++newGames; }, nullptr});
    // A New Game chosen during the computer's turn runs once that turn has unwound.
    shows.MenuNewGame();
    EXPECT_EQ(newGames, 0);
    Spin(20);
    EXPECT_EQ(newGames, 1);
    shows.ShowTurnMarker(1);
    EXPECT_TRUE(shell->layout.Ctl("ImgTurn1").Visible);
    EXPECT_FALSE(shell->layout.Ctl("ImgTurn2").Visible);
    shows.ShowTurnMarker(3);
    EXPECT_FALSE(shell->layout.Ctl("ImgTurn1").Visible);
    EXPECT_TRUE(shell->layout.Ctl("ImgTurn2").Visible);
    shows.ShowTurnMarker(0);
    EXPECT_FALSE(shell->layout.Ctl("ImgTurn2").Visible);

    g.NumCards = 104;
    shows.DebugShowDeck();
    ASSERT_NE(shows.ShuffledDeck(), nullptr);
    EXPECT_EQ(shows.ShuffledDeck()->windowTitle(), "The Shuffled Deck");
    EXPECT_EQ(FrmShuffledDeck::CardPlace(0), QPoint(0, 0));
    EXPECT_EQ(FrmShuffledDeck::CardPlace(19), QPoint(855, 0));
    EXPECT_EQ(FrmShuffledDeck::CardPlace(20), QPoint(0, 75));
}

// The game's messages reach the labels that stand over the painted table.
TEST_F(TableAnswers, MessagesReachTheirLabelWidgets) {
    sv.board->SetMessage(1, "That card cannot be played to any Center pile yet.");
    auto* label = shell->view->findChild<QLabel*>("Label9_1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "That card cannot be played to any Center pile yet.");
    sv.board->SetMessage(1, "");
    EXPECT_EQ(label->text(), "");
}

// The whole-board flow covers the table's texts and gives them back when it ends.
TEST_F(TableAnswers, TheWholeBoardFlowCoversTheTextsUntilItEnds) {
    window.show();
    ShowTableLabel(*shell, "Label9_2", "Well played!");
    auto* label = shell->view->findChild<QLabel*>("Label9_2");
    ASSERT_NE(label, nullptr);
    ASSERT_TRUE(label->isVisible());
    WindowShows shows({g, w, *shell, looks, window, clock, pump, &dialogs, nullptr, nullptr});
    shows.AnimateCardsFlow(0);
    Spin(60);
    EXPECT_FALSE(label->isVisible());
    w.AnimationStop = true;
    Spin(60);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "Well played!");
}
