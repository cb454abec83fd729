#include "tests/app_machine/qt/app_machine.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "board/qt/table_view.h"
#include "board/table_layout.h"
#include "engine/engine.h"
#include "mainwindow/menu_bar.h"
#include "mainwindow/qt/app_root.h"
#include "mainwindow/qt/frm_menu.h"
#include "mainwindow/qt/menu_bar_panel.h"
#include "platform/file_util.h"
#include "tests/support/position_digest.h"

namespace {

constexpr int kTickMs = 15;
constexpr int kPollMs = 2;
constexpr int kInternetMenu = 3;
// A player's pace: a move some time after the last, as the table has shown it.
constexpr int kMoveGapMs = 60;
constexpr int kTurnLookMs = 200;
constexpr int kOfflineMs = 500;
constexpr int kTurnSettleMs = 100;
// A menu command waits until the turn that has come round has settled on every copy.
constexpr int kCommandLookMs = 1000;
// The game given again is played on for this many turns before the host ends it.
constexpr int kTurnsAfterResume = 3;

std::string Hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

qint64 Now() {
    return QDateTime::currentMSecsSinceEpoch();
}

QWidget* MainWindowOf() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->findChild<TableView*>() && w->isVisible()) return w;
    return nullptr;
}

template <typename T>
T* Shown(const char* name = nullptr) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (T* w : top->findChildren<T*>())
            if (w->isVisible() && (!name || w->objectName() == name)) return w;
        if (auto* self = qobject_cast<T*>(top);
            self && self->isVisible() && (!name || self->objectName() == name))
            return self;
    }
    return nullptr;
}

// The host has sent the game to resume and waits for the remotes: its table says so.
bool HostSentGame() {
    QWidget* main = MainWindowOf();
    if (!main) return false;
    for (QLabel* l : main->findChildren<QLabel*>())
        if (l->isVisible() && l->text().contains("WAITING for Opponent")) return true;
    return false;
}

// The status notice that names the player a long wait is held up by and the key that ends the
// game; empty while there is none.
std::string WaitNotice() {
    QWidget* main = MainWindowOf();
    auto* notice = main ? main->findChild<QLabel*>("StatusMsg") : nullptr;
    if (!notice || !notice->isVisible() || !notice->text().contains("END Internet Game ("))
        return "";
    return notice->text().toStdString();
}

// Where a person presses a button: an option button or a check box on its mark, as its caption
// fills only part of a wide one and a press beside the caption misses it.
QPoint PressPoint(const QAbstractButton& button) {
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    if (!radio && !qobject_cast<const QCheckBox*>(&button)) return button.rect().center();
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                         &option, &button)
        .center();
}

// Each player's side pile as the table shows it, by the copy's own seats: its cards, and the
// depth shapes drawn behind its top card.
std::string SidePilesText(const TableLayout& layout, const Game& G) {
    std::string text;
    for (int local = 1; local <= G.NumPlayers; ++local) {
        const int side =
            local == 1 ? G.HumanSideCount
                       : (G.WorkingOpp == local - 1 ? G.CurSideCount : G.Opp[local - 1].SideCount);
        int shapes = 0;
        for (int s = 25 * local - 24; s <= 25 * local; ++s)
            shapes += layout.Form().IsLoaded("Stack", s) && layout.Ctl("Stack", s).Visible;
        text += " side " + std::to_string(side) + " shapes " + std::to_string(shapes);
    }
    return text;
}

}  // namespace

AppMachine::AppMachine(MachineSetup setup, AppRoot& root) : s_(std::move(setup)), root_(root) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
}

const Game& AppMachine::g() const {
    return root_.game();
}

// The main window as the player sees it, saved once under `name` in the machine's folder.
void AppMachine::Shot(const char* name) const {
    const std::string path = JoinPath(s_.folder, std::string(name) + ".png");
    if (QWidget* main = MainWindowOf(); main && !std::filesystem::exists(path))
        main->grab().save(QString::fromStdString(path));
}

void AppMachine::Note(const char* file, const std::string& text) const {
    std::ofstream(JoinPath(s_.folder, file), std::ios::app) << text << "\n";
}

void AppMachine::Begin() {
    poll_.start();
    QTimer::singleShot(kTickMs, this, [this] { Tick(); });
}

// Each tick is a timer of its own, so that ticks go on inside the waits the program runs from a
// press made by an earlier tick, as a person's clicks go on while the program waits: a message
// box raised there is answered, and the player's next turn is played.
void AppMachine::Tick() {
    QTimer::singleShot(kTickMs, this, [this] { Tick(); });
    // The position is read before the player acts on it: a turn that has just begun is logged
    // before its first move.
    Poll();
    if (QWidget* modal = QApplication::activeModalWidget())
        AnswerModal(modal);
    else if (started_ && step_ != Step::Done)
        Act();
    if (step_ != noted_) {
        noted_ = step_;
        Note("steps", "step " + std::to_string(static_cast<int>(step_)) + " games " +
                          std::to_string(games_) + " connected " +
                          std::to_string(g().NetConnected));
    }
}

// --- What the player reads ---------------------------------------------------------------------

void AppMachine::Poll() {
    const Game& G = g();
    const bool remote = G.IsHost == 0;
    if (G.NetResume == 1 && !resumeLogged_ && G.Pturn >= 1 && !QApplication::activeModalWidget() &&
        (remote || HostSentGame())) {
        // The game given to resume is on the table: the host's restored one, a remote's taken.
        Note("digests", "resumed " + Hex(TextDigest(TurnStartText(G, remote))));
        Shot("resumed");
        Note("positions", "resumed " + TurnStartText(G, remote));
        Note("sidepiles", "resumed" + SidePilesText(root_.tableLayout(), G));
        resumeLogged_ = true;
        resumeShots_ = 3;
        lastTurn_ = seenTurn_ = G.Pturn;
    }
    if (G.NetResume == 0) resumeLogged_ = false;
    if (step_ == Step::Playing && G.NetResume == 0 && !G.Dealing && G.Pturn >= 1 &&
        G.Pturn <= G.NumPlayers && G.Pturn != seenTurn_) {
        // The table as the turn came round; it counts once the turn has stayed a moment (a
        // remote's deal names a first player of its own before the host's word arrives).
        seenTurn_ = G.Pturn;
        seenAt_ = Now();
        seenText_ = TurnStartText(G, remote);
    }
    if (seenTurn_ != 0 && seenTurn_ != lastTurn_ && G.Pturn == seenTurn_ &&
        Now() - seenAt_ >= kTurnSettleMs)
        TurnChanged();
    // The game's end: nobody on turn, the winner's side pile empty (both empty is a table
    // cleared for the next deal or a game given to resume).
    if (step_ == Step::Playing && lastTurn_ != 0 && G.Pturn == 0 && G.NetConnected != 0 &&
        G.NetResume == 0 && (G.HumanSideCount == 0) != (G.CurSideCount == 0))
        GameEnded();
    // The table as it was last shown stays noted while the window closes.
    if (QWidget* main = MainWindowOf(); main && Now() >= nextTableNote_) {
        nextTableNote_ = Now() + 500;
        std::string text;
        for (QLabel* l : main->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty())
                text += l->objectName().toStdString() + ": " + l->text().toStdString() + "\n";
        WriteFileAtomically(JoinPath(s_.folder, "table"), text, nullptr);
    }
}

void AppMachine::TurnChanged() {
    lastTurn_ = seenTurn_;
    if (resumeShots_ > 0 && --resumeShots_ == 0) Shot("after_resume");
    // The player looks at the new turn's table before the first move.
    nextMove_ = Now() + kTurnLookMs + qint64{1000} * s_.think;
    commandAfter_ = Now() + kCommandLookMs;
    ++turnEnds_;
    Note("digests", std::to_string(turnEnds_) + " " + Hex(TextDigest(seenText_)));
    Note("positions", std::to_string(turnEnds_) + " " + seenText_);
}

void AppMachine::GameEnded() {
    const Game& G = g();
    int winner = 0, margin = 0;
    for (int local = 1; local <= G.NumPlayers; ++local) {
        const int side =
            local == 1 ? G.HumanSideCount
                       : (G.WorkingOpp == local - 1 ? G.CurSideCount : G.Opp[local - 1].SideCount);
        if (side == 0)
            winner = HostNumberOf(G, local, G.IsHost == 0);
        else
            margin += side;
    }
    Note("outcome", "won " + std::to_string(winner) + " margin " + std::to_string(margin));
    ++games_;
    lastTurn_ = seenTurn_ = 0;
    step_ = Step::GameOver;
}

// The Internet game is over for this player once the table has stayed out of it for a while:
// the program passes through it for a moment while a new game begins.
bool AppMachine::Disconnected() {
    if (g().NetConnected != 0) {
        offSince_ = 0;
        return false;
    }
    if (offSince_ == 0) offSince_ = Now();
    return Now() - offSince_ >= kOfflineMs;
}

bool AppMachine::Idle() const {
    const Game& G = g();
    return G.NetConnected != 0 && !G.ComputerBusy && !G.PlayRunning && !G.Dealing &&
           G.Dragging == 0 && G.NetResume == 0 && !G.FlipInProgress;
}

// --- Message boxes and dialogs, answered as a player does -----------------------------------

// The window the setup names stays open, as a player reading it leaves it, until the test lets
// it go; the first one only.
bool AppMachine::Held(QWidget& modal) {
    // With an early command, what that command opens.
    if (s_.hold.empty() || released_ || (s_.early && !early_)) return false;
    auto* box = qobject_cast<QMessageBox*>(&modal);
    const std::string text = box ? box->text().toStdString() : modal.objectName().toStdString();
    if (text.find(s_.hold) == std::string::npos) return false;
    if (std::filesystem::exists(JoinPath(s_.folder, "release"))) {
        released_ = true;
        return false;
    }
    if (!held_) {
        Note("steps", "held " + text);
        // The table and the box as the player sees them, to be looked at.
        Shot("held");
        modal.grab().save(QString::fromStdString(JoinPath(s_.folder, "held_box.png")));
    }
    held_ = true;
    return true;
}

bool AppMachine::AnswerModal(QWidget* modal) {
    if (Held(*modal)) return true;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        AnswerBox(*box);
    } else if (modal->objectName() == "frmWelcome") {
        if (auto* combo = modal->findChild<QComboBox*>("Combo1"))
            combo->setEditText(QString::fromStdString(s_.name));
        Press(modal->findChild<QAbstractButton*>("Command1"));
    } else if (modal->objectName() == "frmPlayers") {
        Note("steps", "connection dialog");
        dialogSeen_ = true;
        if (step_ == Step::LocalConnect) {
            step_ = Step::LocalDeal;
            Press(modal->findChild<QAbstractButton*>("CmdCancel"));
        } else {
            FillConnection(*modal);
        }
    } else if (modal->objectName() == "frmRulesNET") {
        // The host's rules first (their window is answered by the ticks that run inside it),
        // then its table for the number of players it waits for.
        if (s_.side != 0 && !rulesSet_) {
            rulesSet_ = true;
            Press(modal->findChild<QAbstractButton*>("cmdRules"));
        }
        Press(modal->findChild<QRadioButton*>(
            QString("Option1_%1").arg(std::clamp(s_.players - 2, 0, 2))));
        Press(modal->findChild<QAbstractButton*>("cmdDone"));
    } else if (modal->objectName() == "frmRules") {
        const int option = s_.side == 26 ? 1 : s_.side == 15 ? 2 : s_.side == 10 ? 3 : 0;
        Press(modal->findChild<QRadioButton*>(QString("optSide_%1").arg(option)));
        Press(modal->findChild<QAbstractButton*>("cmdSave"));
    } else if (modal->objectName() == "frmMultiNET") {
        ChooseCompetition(*modal);
    } else if (modal->objectName() == "frmSave") {
        ChooseSlot(*modal);
    } else {
        Note("boxes", "[window " + modal->objectName().toStdString() + "]");
        return false;
    }
    return true;
}

// Yes and OK go on with what was asked (a joiner accepted, the game ended, the game restarted);
// an ended game is not saved.
void AppMachine::AnswerBox(QMessageBox& box) {
    const std::string text = box.text().toStdString();
    Note("boxes", "[" + box.windowTitle().toStdString() + "] " + text);
    Note("positions", "box " + PositionText(g(), g().IsHost == 0));
    QAbstractButton* button = box.button(QMessageBox::Yes);
    if (text.find("save") != std::string::npos && box.button(QMessageBox::No))
        button = box.button(QMessageBox::No);
    if (!button) button = box.button(QMessageBox::Ok);
    if (!button) button = box.defaultButton();
    if (!button && !box.buttons().isEmpty()) button = box.buttons().front();
    Press(button);
}

void AppMachine::FillConnection(QWidget& dialog) {
    Press(dialog.findChild<QRadioButton*>(s_.host ? "Option1" : "Option2"));
    if (auto* name = dialog.findChild<QLineEdit*>("txtPlayerName"))
        name->setText(QString::fromStdString(s_.name));
    if (auto* port = dialog.findChild<QLineEdit*>("Text3")) port->setText(QString::number(s_.port));
    if (auto* address = dialog.findChild<QLineEdit*>("Text2"); address && !s_.host)
        address->setText("127.0.0.1");
    Press(dialog.findChild<QAbstractButton*>("cmdConnect"));
}

// Internet Players Setup: the competition's option, its name typed in, and Done.
void AppMachine::ChooseCompetition(QWidget& dialog) {
    Press(dialog.findChild<QRadioButton*>("optNetScore_1"));
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    if (combo && combo->lineEdit()) {
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QString::fromStdString(s_.competition));
    }
    if (auto* label = dialog.findChild<QLabel*>("lblScoreFile"))
        Note("scorefile", label->text().toStdString());
    Press(dialog.findChild<QAbstractButton*>("cmdDone"));
}

// The first slot: the game is saved there, and restored from there.
void AppMachine::ChooseSlot(QWidget& dialog) {
    auto* slot = dialog.findChild<QLineEdit*>("Text1_1");
    if (slot) QTest::mouseClick(slot, Qt::LeftButton);
    auto* button = dialog.findChild<QAbstractButton*>("cmdSave");
    // The position saved, to be compared with the one the game is given again with.
    if (button && button->text() != "Restore")
        Note("saved", Hex(TextDigest(TurnStartText(g(), g().IsHost == 0))));
    Press(button);
}

void AppMachine::Press(QAbstractButton* button) {
    if (button && button->isVisible() && button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton, {}, PressPoint(*button));
}

// --- The player's steps ------------------------------------------------------------------------

// The drawn menu as a person opens it: the pointer to the window's top edge shows the bar, a
// press on the title opens the list, a press on the row chooses it.
bool AppMachine::MenuCommand(int menu, int row) {
    QWidget* main = MainWindowOf();
    auto* view = main ? main->findChild<TableView*>() : nullptr;
    if (!view) return false;
    const menu_bar::Band title = menu_bar::kTitles[menu - 1];
    const int x = (title.left + title.right) / 2;
    // From the table up to the top edge: the bar shows on the way in.
    QTest::mouseMove(view, QPoint(x, 200));
    QTest::mouseMove(view, QPoint(x, 1));
    auto* bar = main->findChild<MenuBarPanel*>();
    if (!bar || !bar->isVisible()) return false;
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      QPoint(x, (menu_bar::kBandTop + menu_bar::kBandBottom) / 2));
    auto* list = Shown<FrmMenu>();
    if (!list || list->MenuNumber() != menu) return false;
    QListWidget* rows = list->List1();
    QListWidgetItem* item = rows->item(row);
    if (!item) return false;
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(item).center());
    Note("steps", "menu " + std::to_string(menu) + " row " + std::to_string(row) + " at turn " +
                      std::to_string(turnEnds_) + " level " +
                      std::to_string(QThread::currentThread()->loopLevel()));
    return true;
}

void AppMachine::Drag(int slot, const char* toRow, int toIndex) {
    QWidget* main = MainWindowOf();
    auto* view = main ? main->findChild<TableView*>() : nullptr;
    if (!view) return;
    auto middle = [this](const char* row, int i) {
        const ControlGeom& c = root_.tableLayout().Ctl(row, i);
        return QPoint(int(c.Left + c.Width / 2), int(c.Top + c.Height / 2));
    };
    const QPoint from = middle("Picture7", slot), to = middle(toRow, toIndex);
    Note("positions", "drag " + PositionText(g(), g().IsHost == 0));
    Note("moves",
         std::to_string(turnEnds_) + " " + std::to_string(slot) + " r" +
             std::to_string(g().HumanCards[kRank][slot]) + " -> " + toRow +
             std::to_string(toIndex) + " busy " + std::to_string(g().PlayRunning) +
             std::to_string(g().ComputerBusy) + " centers " + std::to_string(g().CenterCount[1]) +
             "," + std::to_string(g().CenterCount[2]) + "," + std::to_string(g().CenterCount[3]) +
             "," + std::to_string(g().CenterCount[4]));
    // The program's answer to this drag may run on (the card's glide, the other players' turns)
    // while the ticks go on: the next move waits until it is over or the turn has come round.
    const int before = dragTurn_;
    dragTurn_ = turnEnds_;
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 4; ++i) QTest::mouseMove(view, from + (to - from) * i / 4);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    dragTurn_ = before;
}

// One move of the human's turn: a card that fits a center (side, hold tops, hand), else the
// first hand card onto the hold pile with the fewest cards beneath.
void AppMachine::PlayTurn() {
    const Game& G = g();
    if (dragTurn_ == turnEnds_ || G.Pturn != lastTurn_ || Now() < nextMove_) return;
    nextMove_ = Now() + kMoveGapMs;
    for (int s : {1, 7, 8, 9, 10, 2, 3, 4, 5, 6})
        for (int k = 1; k <= G.NumCenters; ++k)
            if (G.HumanCards[kRank][s] != 0 && CenterAccepts(G, G.HumanCards[kRank][s], k))
                return Drag(s, "PicCenter", k);
    int hand = 0;
    for (int s = kFirstHandSlot; s <= kLastHandSlot && hand == 0; ++s)
        if (G.HumanCards[kRank][s] != 0) hand = s;
    if (hand == 0) return;
    int hold = kFirstHoldSlot;
    for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s)
        if (G.HumanHoldCount[s - 6] < G.HumanHoldCount[hold - 6]) hold = s;
    Drag(hand, "Picture7", hold);
}

void AppMachine::Act() {
    const Game& G = g();
    if (G.NetConnected != 0 && G.NetConnected != 99 && !everConnected_) {
        everConnected_ = true;
        if (!s_.host) Shot("greeted");
    }
    // A new player's tutorial: this player leaves it at once.
    if (QWidget* tutorial = Shown<QWidget>("frmTutorial"))
        return Press(tutorial->findChild<QAbstractButton*>("cmdOK"));
    auto* deal = Shown<QPushButton>("cmdDeal");
    switch (step_) {
        case Step::Connect:
            if (Now() < connectAfter_) return;
            everConnected_ = false;
            tableSet_ = rulesSet_ = false;
            dialogSeen_ = false;
            if (MenuCommand(kInternetMenu, 0)) step_ = Step::Joining;
            return;
        case Step::Joining: {
            // The command opens the connection dialog a moment after the menu's row.
            if (G.NetConnected == 0 && !dialogSeen_) return;
            if (G.NetConnected == 0 && s_.leaveIfCut) {
                games_ = s_.games;
                return ActHost();
            }
            if (G.NetConnected == 0) {
                // Not let in (yet): the player tries again a little later.
                connectAfter_ = Now() + 300;
                step_ = Step::Connect;
                return;
            }
            if (s_.host && (s_.players > 2 || s_.side != 0) && !tableSet_) {
                tableSet_ = MenuCommand(kInternetMenu, 7);  // Host Setup and Rules
                return;
            }
            // A joiner greeted but not (yet) given a seat does not count.
            int seated = 0;
            for (int i = 1; i <= 4; ++i)
                seated += G.NetSeats[i].Kind != 0 && G.NetSeats[i].Seat != 0;
            if (s_.host && s_.early && !early_ && tableSet_ && seated >= 1) {
                early_ = MenuCommand(kInternetMenu, s_.early == 1 ? 10 : 7);
                return;
            }
            if (s_.host ? seated == s_.players - 1 : everConnected_) step_ = Step::Seated;
            return;
        }
        case Step::Seated:
        case Step::GameOver:
            if (Disconnected()) {
                if (step_ == Step::Seated && s_.leaveIfCut) games_ = s_.games;
                return ActHost();
            }
            if (s_.host && step_ == Step::GameOver && games_ >= s_.games) return ActHost();
            // The competition is chosen once the other players are known: by the host with
            // every seat taken, by a remote as the game is offered to it.
            if (!s_.competition.empty() && !competitionChosen_ &&
                (s_.host || (deal && G.NetCode != 0))) {
                competitionChosen_ = MenuCommand(kInternetMenu, 3);  // Internet Players Setup
                return;
            }
            // The host deals a new game from the Internet menu (from the test's seed, when it
            // gives one); a remote answers with Deal.
            if (s_.host && s_.seed != 0) {
                root_.CurrentGame().Rng.Rnd(-1);
                root_.CurrentGame().Rng.Randomize(s_.seed);
            }
            if (s_.host ? MenuCommand(kInternetMenu, 10) : deal && G.NetCode != 0) {
                turnEnds_ = 0;
                lastTurn_ = seenTurn_ = 0;
                // A game saved in one game may be sent in the next.
                sent_ = restarted_ = ended_ = false;
                resumedAt_ = 0;
                step_ = Step::Playing;
                if (!s_.host) Press(deal);
            }
            return;
        case Step::Playing:
            if (const std::string notice = s_.endOnWait && !ended_ ? WaitNotice() : "";
                !notice.empty()) {
                Note("waits", notice);
                ended_ = MenuCommand(kInternetMenu, 0);
                return;
            }
            if (Disconnected()) {
                ++games_;
                step_ = Step::GameOver;
                return;
            }
            if (s_.closeAt && !closed_ && turnEnds_ >= s_.closeAt && G.Pturn >= 2 &&
                G.Pturn == lastTurn_) {
                // The window's close box while another player is on turn.
                closed_ = true;
                Note("steps", "close box at turn " + std::to_string(turnEnds_));
                if (QWidget* main = MainWindowOf()) main->close();
                return;
            }
            if (deal && !s_.host) {
                if (G.NetResume == 1) Shot("resume_prompt");
                return Press(deal);  // the host's game to resume, or a new one
            }
            if (s_.host && G.Pturn == 1 && Idle()) return ActHost();
            if (G.Pturn == 1 && Idle()) PlayTurn();
            return;
        case Step::LocalConnect:
        case Step::LocalDeal:
            return ActLocal();
        default:
            return ActHost();
    }
}

// The host's menu commands at its own turn, and every machine's way out.
void AppMachine::ActHost() {
    const Game& G = g();
    // A command waits until the player's turn has been logged: every copy then logs the same
    // turn starts before the game is given again or ended.
    const bool settled = G.Pturn == lastTurn_ && Now() >= commandAfter_;
    // The save and the restart belong to the first game of the copies, the send to the game
    // the setup names.
    const bool first = games_ == 0;
    if (step_ == Step::Playing && settled) {
        if (first && s_.saveAt && !saved_ && turnEnds_ >= s_.saveAt) {
            saved_ = MenuCommand(kInternetMenu, 4);
        } else if (games_ + 1 == s_.sendGame && s_.sendAt && saved_ && !sent_ &&
                   turnEnds_ >= s_.sendAt) {
            sent_ = MenuCommand(kInternetMenu, 5);
            resumedAt_ = turnEnds_;
        } else if (first && s_.restartAt && !restarted_ && turnEnds_ >= s_.restartAt) {
            restarted_ = MenuCommand(kInternetMenu, 9);
            resumedAt_ = turnEnds_;
        } else if (s_.endAt && !ended_ &&
                   turnEnds_ >= std::max(s_.endAt, resumedAt_ + kTurnsAfterResume)) {
            ended_ = MenuCommand(kInternetMenu, 0);
        } else {
            PlayTurn();
        }
        return;
    }
    if (step_ == Step::Playing) return PlayTurn();
    // The game is over, or the Internet game ended.
    if (G.NetConnected != 0) {
        if (s_.host) MenuCommand(kInternetMenu, 0);  // END Internet Game
        return;
    }
    if (games_ < s_.games) {
        connectAfter_ = Now() + (s_.host ? 0 : 500);
        step_ = Step::Connect;
        return;
    }
    if (s_.localAfter) {
        step_ = Step::LocalConnect;
        return;
    }
    step_ = Step::Done;
    if (QWidget* main = MainWindowOf()) main->close();
}

// The table after the Internet game, as a player finds it: F11 is pressed (again each second)
// until the connection dialog opens, then New Game of the Game menu is chosen (again each
// second) until a local game lies dealt; a box that refuses either is noted and answered.
void AppMachine::ActLocal() {
    const Game& G = g();
    QWidget* main = MainWindowOf();
    if (step_ == Step::LocalDeal && localTable_ >= 0 && G.NetTable != localTable_ &&
        G.NetConnected == 0 && G.HumanSideCount > 0 && G.Pturn >= 1 && !G.Dealing) {
        Note("steps", "local game dealt");
        step_ = Step::Done;
        if (main) main->close();
        return;
    }
    if (Now() < localTry_ || !main) return;
    localTry_ = Now() + 1000;
    if (step_ == Step::LocalConnect) {
        Note("steps", "F11");
        QTest::keyClick(main, Qt::Key_F11);
        return;
    }
    // The deal runs inside the menu's command, while the ticks go on.
    localTable_ = G.NetTable;
    MenuCommand(1, 0);  // the Game menu's New Game
}
