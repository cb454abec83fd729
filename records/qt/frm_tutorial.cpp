#include "records/qt/frm_tutorial.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "board/card_look.h"
#include "engine/engine.h"
#include "engine/snapshot_codec.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "records/qt/brivo_picture.h"
#include "records/qt/dialog_widgets.h"
#include "records/text_lines.h"
#include "records/tutorial_pointers.h"
#include "records/tutorial_table.h"
#include "shared/record_io.h"

namespace {

constexpr const char* kTitle = "Tutorial";
// On a screen of kWideTwips or more the table draws this narrow, so the window has room beside it.
constexpr i32 kTableTwips = 12200;
constexpr int kTwipsPerPixel = 15;

}  // namespace

FrmTutorial::FrmTutorial(TutorialParts parts, QWidget* parent)
    : QDialog(parent, Qt::Tool), parts_(std::move(parts)) {
    setObjectName("frmTutorial");
    setWindowTitle("Quorvane Tutorial");
    setModal(false);

    picture1_ = new QLabel(this);
    picture1_->setObjectName("Picture1");
    picture1_->setPixmap(BrivoPicture(parts_.g.AppFolder, 64));
    picture1_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblTipText_ = new QLabel(this);
    lblTipText_->setObjectName("lblTipText");
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    cmdBack_ = NewButton("cmdBack", "< &Back", this);
    cmdNextTip_ = NewButton("cmdNextTip", "&Next >", this);
    cmdOK_ = NewButton("cmdOK", "E&xit", this);
    cmdNextTip_->setDefault(true);
    cmdBack_->setVisible(false);
    cmdNextTip_->setEnabled(false);
    connect(cmdNextTip_, &QPushButton::clicked, this, &FrmTutorial::cmdNextTip_Click);
    connect(cmdBack_, &QPushButton::clicked, this, &FrmTutorial::cmdBack_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmTutorial::cmdOK_Click);

    auto* panel = new QHBoxLayout;
    panel->addWidget(picture1_);
    panel->addWidget(lblTipText_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addStretch();
    buttons->addWidget(cmdBack_);
    buttons->addWidget(cmdNextTip_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(panel, 1);
    all->addLayout(buttons);

    // 4200 x 4545 twips: narrow enough to stand beside the table without covering its piles.
    setFixedSize(280, 303);

    endTimer_ = new QTimer(this);
    endTimer_->setInterval(100);
    connect(endTimer_, &QTimer::timeout, this, &FrmTutorial::EndWhenStill);
}

FrmTutorial::~FrmTutorial() {
    // A window torn down with the program leaves the game out of tutorial mode.
    if (running_) parts_.g.TutorialOn = VbFalse;
}

bool FrmTutorial::Start() {
    Game& g = parts_.g;
    g.MenusLocked = VbTrue;
    g.TutorialOn = VbTrue;
    running_ = true;
    // The tutorial deals its own positions: no other game may be dealt under its steps.
    if (parts_.sv.window) parts_.sv.window->ShowDealButton(false);
    auto lines = ReadTextLines(JoinPath(g.AppFolder, "tutorial.txt"));
    if (!lines || lines->empty()) {
        if (parts_.sv.dialogs)
            parts_.sv.dialogs->MsgBox("Tutorial not found, unable to run the tutorial.",
                                      mb::Critical, kTitle);
        Ending();
        return false;
    }
    TwoPlayerTable();
    tutorialScreenWidth_ = parts_.layout ? parts_.layout->ScreenWidth : 0;
    if (tutorialScreenWidth_ >= kWideTwips && parts_.layout) {
        // The table draws narrower, so that the window beside it covers no card.
        parts_.layout->ScreenWidth = kTableTwips;
        if (parts_.sv.board) parts_.sv.board->SetupLayout(g.NumPlayers, g.NumCenters);
    }
    g.Peeking = VbFalse;
    Engine(g, parts_.sv).Reset_Table();
    // A game left on the table may have shown another player: the tutorial's one opponent is
    // the one shown and named now.
    if (parts_.sv.board) parts_.sv.board->LoadAvatar(g.Opp[1].Avatar);
    if (parts_.sv.status) parts_.sv.status->StatusBar_Clear();
    flow_.Start(std::move(*lines));
    return true;
}

void FrmTutorial::TwoPlayerTable() {
    Game& g = parts_.g;
    const int oldPlayers = g.NumPlayers, oldCenters = g.NumCenters;
    if (!SetTutorialTable(g)) return;
    if (parts_.sv.board) {
        parts_.sv.board->SetupLayout(oldPlayers, oldCenters);
        parts_.sv.board->DrawTable();
    }
    if (parts_.layout) parts_.layout->Show_PlayerNames(g);
    Engine(g, parts_.sv).ShowRulesCaption();
}

// --- What the game tells the tutorial ---------------------------------------------------

void FrmTutorial::TurnStarting() {
    if (!running_) return;
    flow_.TurnStarting();
    HidePointers();
    cmdBack_->setEnabled(false);
}

void FrmTutorial::TurnOver() {
    if (running_) flow_.TurnOver();
}

void FrmTutorial::CardPlayed() {
    if (running_) flow_.CardPlayed();
}

// --- Buttons ------------------------------------------------------------------------------

void FrmTutorial::cmdNextTip_Click() {
    flow_.NextClicked();
}

void FrmTutorial::cmdBack_Click() {
    flow_.BackClicked();
}

void FrmTutorial::cmdOK_Click() {
    if (flow_.ExitNeedsQuestion() && parts_.sv.dialogs) {
        if (parts_.sv.dialogs->MsgBox("Exit the tutorial?", mb::YesNo, kTitle) == mb::No) return;
        parts_.sv.dialogs->MsgBox(
            "To start the Tutorial again, go to the Help Menu and select Tutorial.",
            mb::Information, kTitle);
    }
    if (parts_.sv.board) parts_.sv.board->SetMessage(2, "");
    close();
}

void FrmTutorial::keyPressEvent(QKeyEvent* e) {
    if (parts_.keyCommand && e->key() != Qt::Key_Escape) {
        parts_.keyCommand(e->key(), e->modifiers());
        return;
    }
    QDialog::keyPressEvent(e);
}

void FrmTutorial::closeEvent(QCloseEvent* e) {
    hide();
    EndWhenStill();
    e->accept();
}

// --- The ending -----------------------------------------------------------------------------

bool FrmTutorial::GameBusy() const {
    const Game& g = parts_.g;
    return g.ComputerBusy || g.PlayRunning || g.FlipInProgress;
}

void FrmTutorial::EndWhenStill() {
    if (!running_) return;
    // Nothing is taken off the table while a card or the computer's turn is on its way: the
    // ending waits until the game is still.
    if (GameBusy() && !parts_.g.StopFlag) {
        endTimer_->start();
        return;
    }
    endTimer_->stop();
    Ending();
}

void FrmTutorial::Ending() {
    if (ended_) return;
    ended_ = true;
    running_ = false;
    hide();
    Game& g = parts_.g;
    if (parts_.sv.board) parts_.sv.board->EnablePlayerPiles(true);
    g.TutorialOn = VbFalse;
    HidePointers();
    if (!g.StopFlag) {
        if (tutorialScreenWidth_ >= kWideTwips && parts_.layout) {
            parts_.layout->ScreenWidth = tutorialScreenWidth_;
            if (parts_.sv.board) parts_.sv.board->SetupLayout(g.NumPlayers, g.NumCenters);
        }
        // The empty table keeps nothing of the tutorial's last turn: not its turn line, not
        // the runs counted in the status bar (the reset shows the wild counts afresh).
        if (parts_.sv.board) parts_.sv.board->SetMessage(1, "");
        if (parts_.sv.status) parts_.sv.status->StatusBar_Clear();
        Engine engine(g, parts_.sv);
        engine.Reset_Table();
        engine.MenuNotNowMsg(2);
    }
    g.MenusLocked = VbFalse;
    if (parts_.sv.window) parts_.sv.window->ShowDealButton(true);
    if (parts_.ended) parts_.ended();
}

void FrmTutorial::Abandon(const std::string& message) {
    if (parts_.sv.dialogs) parts_.sv.dialogs->MsgBox(message, mb::Critical, kTitle);
    close();
}

// --- TutorialHost: the window -----------------------------------------------------------

void FrmTutorial::ShowText(const std::string& text) {
    lblTipText_->setText(QString::fromStdString(text));
}
void FrmTutorial::SetNextEnabled(bool enabled) {
    cmdNextTip_->setEnabled(enabled);
}
void FrmTutorial::SetNextVisible(bool visible) {
    cmdNextTip_->setVisible(visible);
}
void FrmTutorial::SetBackEnabled(bool enabled) {
    cmdBack_->setEnabled(enabled);
}
void FrmTutorial::SetBackVisible(bool visible) {
    cmdBack_->setVisible(visible);
}
void FrmTutorial::ClearPicture() {
    picture1_->clear();
    picture1_->setFixedWidth(0);
}

void FrmTutorial::MoveToScreenEdge() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    int left = area.right() - frameGeometry().width();
    // Beside a wide table the window stands a little in from the edge.
    if (tutorialScreenWidth_ > 12000) left -= 1770 / kTwipsPerPixel;
    move(std::max(area.left(), left), y());
}

// --- TutorialHost: the table ------------------------------------------------------------

void FrmTutorial::TableChanged() {
    parts_.tableChanged();
}

void FrmTutorial::PointAtCenterArea() {
    if (!parts_.layout) return;
    ::PointAtCenterArea(*parts_.layout);
    TableChanged();
}
void FrmTutorial::PointAtSideStack() {
    if (!parts_.layout) return;
    ::PointAtSideStack(*parts_.layout);
    TableChanged();
}
void FrmTutorial::PointAtPile(int pile) {
    if (!parts_.layout) return;
    ::PointAtPile(*parts_.layout, pile);
    TableChanged();
}
void FrmTutorial::HideUpPointer() {
    if (!parts_.layout) return;
    HideTutorialPointers(*parts_.layout, true);
    TableChanged();
}
void FrmTutorial::HidePointers() {
    if (!parts_.layout) return;
    HideTutorialPointers(*parts_.layout);
    TableChanged();
}
void FrmTutorial::PointersToFront() {
    if (parts_.layout) TutorialPointersToFront(*parts_.layout);
}

void FrmTutorial::ResetTable() {
    Engine(parts_.g, parts_.sv).Reset_Table();
}
void FrmTutorial::EnablePlayerPiles(bool enabled) {
    if (parts_.sv.board) parts_.sv.board->EnablePlayerPiles(enabled);
}
void FrmTutorial::EnablePile(int pile) {
    if (parts_.sv.board) parts_.sv.board->EnableItem(PileRow::Human, pile);
}
void FrmTutorial::PlayCardSound(int kind) {
    if (parts_.g.SoundMode == 2 || !parts_.sv.sounds) return;
    const int set = parts_.looks ? parts_.looks->CardSoundSet : 0;
    parts_.sv.sounds->PlaySound(JoinPath(parts_.g.AppFolder, "Data/" + CardSoundFile(kind, set)),
                                false);
}

void FrmTutorial::ComputerTurn() {
    if (parts_.sv.turns) parts_.sv.turns->ComputerTurn();
}

std::optional<GameStateRecord> FrmTutorial::ShippedPosition(int record) const {
    if (parts_.stagedFolder.empty()) return std::nullopt;
    GameStateRecord rec;
    const RecordFile shipped(JoinPath(parts_.stagedFolder, "Data/backup.sav"),
                             GameStateRecord::kSize);
    if (!ReadRecord(shipped, record, rec) || !ValidateRecord(rec).empty()) return std::nullopt;
    return rec;
}

bool FrmTutorial::LoadPosition(int record) {
    Game& g = parts_.g;
    GameStateRecord rec;
    bool sound = parts_.records.ReadRecordAt(SnapshotFile::SavedGames, record, rec) &&
                 ValidateRecord(rec).empty();
    if (!sound) {
        // The player's store lost the position: the shipped one is put back in its place.
        auto shipped = ShippedPosition(record);
        if (!shipped) return false;
        rec = *shipped;
    }
    g.SaveSlot = static_cast<i16>(record);
    if (!parts_.records.RestorePosition(rec, SnapshotFile::SavedGames)) return false;
    // The position is also the game's start, for Restart Current Game.
    GameStateRecord start = rec;
    std::string error;
    const RecordFile store(parts_.records.SavedGamesPath(), GameStateRecord::kSize);
    WriteRecord(store, save_slot::kGameStart, start, &error);
    if (!sound) WriteRecord(store, record, rec, &error);
    return true;
}
