#include "records/qt/frm_score_stat.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/high_score_record.h"
#include "records/qt/dialog_widgets.h"
#include "records/record_list.h"
#include "records/record_paths.h"
#include "records/scoreboard_maintenance.h"

namespace {

// The grids' cell colours: every other high-score row, and the column a list is ranked by.
const QColor kBandColour(0xC0, 0xFF, 0xFF);
const QColor kRankColour(0xFF, 0xFF, 0xC0);

// The grid as wide and high as its cells, so that it shows whole.
void FitGrid(QTableWidget* grid) {
    grid->resizeColumnsToContents();
    // The headers' own sizes, which hold before the grid is first shown.
    const QHeaderView* rows = grid->verticalHeader();
    int width = rows->isHidden() ? 0 : rows->sizeHint().width();
    for (int c = 0; c < grid->columnCount(); ++c) width += grid->columnWidth(c);
    int height = grid->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
    grid->setFixedSize(width + 2 * grid->frameWidth() + 2, height + 2 * grid->frameWidth() + 6);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString DateText(double days) {
    int y = 0;
    unsigned m = 0, d = 0;
    DateOfDayCount(days, y, m, d);
    return QLocale().toString(QDate(y, static_cast<int>(m), static_cast<int>(d)),
                              QLocale::ShortFormat);
}

const char* const kMaintenance[] = {"Delete Player", "Delete ALL Players", "Clear Player Scores",
                                    "Clear ALL scores"};

}  // namespace

FrmScoreStat::FrmScoreStat(ScoreStatParts parts, QWidget* parent)
    : QDialog(parent), parts_(std::move(parts)) {
    setObjectName("frmScoreStat");
    setWindowTitle("Scores and Stats");

    ssTab1_ = new QTabWidget(this);
    ssTab1_->setObjectName("SSTab1");
    ssTab1_->addTab(ScoresTab(), "Scoreboard");
    ssTab1_->addTab(HighTab(), "High Scores");
    ssTab1_->addTab(StatsTab(), "Statistics");
    auto* cmdClose = NewButton("cmdClose", "Close", this);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* all = new QVBoxLayout(this);
    all->addWidget(ssTab1_);
    all->addWidget(cmdClose, 0, Qt::AlignRight);

    PrintNames();
    connect(ssTab1_, &QTabWidget::currentChanged, this, &FrmScoreStat::SSTab1_Click);
    if (parts_.statsMode >= 1 && parts_.statsMode <= 2) {
        ssTab1_->setCurrentIndex(parts_.statsMode);
    }
}

std::string FrmScoreStat::PrefsPath() const {
    return PrefsFilePath(parts_.g.AppFolder);
}

QWidget* FrmScoreStat::ScoresTab() {
    auto* tab = new QWidget;
    gridScores_ =
        NewGrid("GridScores", {"Player Name", "Games Played", "Wins", "Losses", "Margin"}, {}, tab);
    gridScores_->setMinimumWidth(480);
    // The counts take the width of their headings; the names take the rest.
    gridScores_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    gridScores_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // The chosen player's row stands out, so the maintenance buttons' target is plain to see.
    gridScores_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridScores_->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(gridScores_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { GridScores_Click(row + 1, column); });
    auto* fraMaintain = new QGroupBox("Scoreboard Maintenance", tab);
    fraMaintain->setObjectName("fraMaintain");
    auto* buttons = new QGridLayout(fraMaintain);
    for (int i = 0; i < 4; ++i) {
        maintance_[i] = NewButton(ElementName("Maintance", i), kMaintenance[i], fraMaintain);
        connect(maintance_[i], &QPushButton::clicked, this, [this, i] { Maintance_Click(i); });
        buttons->addWidget(maintance_[i], i % 2, i / 2);
    }
    label1_ = new QLabel(tab);
    label1_->setObjectName("Label1");
    buttons->addWidget(label1_, 2, 0, 1, 2);
    auto* box = new QVBoxLayout(tab);
    box->addWidget(gridScores_, 1);
    box->addWidget(fraMaintain);
    return tab;
}

QWidget* FrmScoreStat::HighTab() {
    auto* tab = new QWidget;
    auto* fraHigh = new QGroupBox(tab);
    fraHigh->setObjectName("fraHigh");
    gridHigh_ = NewGrid("GridHigh", {"", "Date", "Player Name", "Side", "Hand", "Hold", "Total"},
                        {}, fraHigh);
    gridHigh_->setRowCount(10);
    lblBest_ = new QLabel("Best Overall", fraHigh);
    lblBest_->setObjectName("lblBest");
    QFont bold = lblBest_->font();
    bold.setBold(true);
    lblBest_->setFont(bold);
    cmdSwitch_ = NewButton("cmdSwitch", "Show Best Side", fraHigh);
    auto* cmdClear = NewButton("cmdClear", "Clear Best Run Stats", fraHigh);
    connect(cmdSwitch_, &QPushButton::clicked, this, &FrmScoreStat::cmdSwitch_Click);
    connect(cmdClear, &QPushButton::clicked, this, &FrmScoreStat::cmdClear_Click);
    auto* row = new QHBoxLayout;
    row->addWidget(cmdSwitch_);
    row->addStretch();
    row->addWidget(cmdClear);
    auto* box = new QVBoxLayout(fraHigh);
    box->addWidget(lblBest_, 0, Qt::AlignHCenter);
    box->addWidget(gridHigh_, 0, Qt::AlignHCenter);
    box->addStretch();
    box->addLayout(row);
    auto* outer = new QVBoxLayout(tab);
    outer->addWidget(fraHigh);
    return tab;
}

QWidget* FrmScoreStat::StatsTab() {
    auto* tab = new QWidget;
    combo1_ = new QComboBox(tab);
    combo1_->setObjectName("Combo1");
    connect(combo1_, &QComboBox::activated, this, &FrmScoreStat::Combo1_Click);
    gridStats_ = NewGrid("GridStats", {"Games Played", "Wins", "Losses", "Margin"},
                         {"Overall", "Level:Average", "Level:Clever", "Level:Ruthless", "2 Players",
                          "3 Players", "4 Players"},
                         tab);
    gridRun_ = NewGrid(
        "GridRun", {"Side", "Hand", "Hold", "Total", "", "Side", "Hand", "Hold", "Total"},
        {"Best Run- Opponent", "Best Side- Opponent", "Best Run- Player", "Best Side- Player"},
        tab);
    cmdClearStats_ = NewButton("cmdClearStats", "Clear Run Stats", tab);
    connect(cmdClearStats_, &QPushButton::clicked, this, &FrmScoreStat::cmdClearStats_Click);
    auto* heads = new QHBoxLayout;
    heads->addWidget(new QLabel("Best Against Brivo:", tab));
    heads->addStretch();
    heads->addWidget(new QLabel("Current Game:", tab));
    heads->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Player:", tab));
    top->addWidget(combo1_, 1);
    auto* box = new QVBoxLayout(tab);
    box->addLayout(top);
    box->addWidget(gridStats_, 0, Qt::AlignHCenter);
    box->addLayout(heads);
    box->addWidget(gridRun_, 0, Qt::AlignHCenter);
    box->addWidget(cmdClearStats_, 0, Qt::AlignRight);
    box->addStretch();
    return tab;
}

// --- The scoreboard ---------------------------------------------------------------------

void FrmScoreStat::PrintNames() {
    const auto profiles = ReadAllRecords<PrefsRecord>(PrefsPath());
    if (!profiles) return Failed("The player file " + PrefsPath() + " cannot be read.");
    board_ = BuildScoreboard(*profiles, parts_.g.PersonalityIndex > 0);
    const int players = static_cast<int>(board_.players.size());
    gridScores_->clearContents();
    gridScores_->setRowCount(std::max(10, players + 1));
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    auto putRow = [&](int row, const ScoreboardRow& r, bool figures) {
        PutCell(gridScores_, row, 0, QString::fromStdString(r.name), left);
        if (!figures) return;
        PutNumberCell(gridScores_, row, 1, r.games);
        PutNumberCell(gridScores_, row, 2, r.wins);
        PutNumberCell(gridScores_, row, 3, r.losses);
        PutNumberCell(gridScores_, row, 4, r.margin);
    };
    putRow(0, board_.computer, !board_.overflow);
    for (int i = 0; i < players; ++i) putRow(i + 1, board_.players[static_cast<size_t>(i)], true);
    if (board_.overflow && parts_.dialogs)
        parts_.dialogs->MsgBox(kScoreOverflowText, mb::Exclamation, "Scores and Stats");
}

void FrmScoreStat::GridScores_Click(int row, int column) {
    selectedRow_ = 0;
    if (column == 0 && row >= 1) selectedRow_ = row;
    ShowSelectedRow();
}

void FrmScoreStat::ShowSelectedRow() {
    gridScores_->clearSelection();
    if (selectedRow_ >= 1) gridScores_->selectRow(selectedRow_ - 1);
}

bool FrmScoreStat::Ask(const std::string& text, const std::string& title) {
    return !parts_.dialogs || parts_.dialogs->MsgBox(text, mb::YesNo, title) != mb::No;
}

void FrmScoreStat::Say(const std::string& text, bool beep) {
    label1_->setText(QString::fromStdString(text));
    if (beep && parts_.sounds) parts_.sounds->Beep();
}

void FrmScoreStat::Failed(const std::string& error) {
    if (parts_.dialogs) parts_.dialogs->MsgBox(error, mb::Critical, "Scores and Stats");
}

void FrmScoreStat::ReadKnownPlayers() {
    const auto profiles = ReadAllRecords<PrefsRecord>(PrefsPath());
    if (!profiles) return;
    std::vector<std::string>& known = parts_.profile.KnownPlayers;
    known.clear();
    for (size_t i = 1; i < profiles->size(); ++i)
        known.push_back(Trim((*profiles)[i].Seats[0].Name));
}

void FrmScoreStat::Maintance_Click(int index) {
    const int players = static_cast<int>(board_.players.size());
    const bool onePlayer = index == 0 || index == 2;
    if (onePlayer && (selectedRow_ == 0 || selectedRow_ > players + 1))
        return Say("Select a player", true);
    if (!Ask(std::string("Are you sure you want to ") + kMaintenance[index] + "?", "DELETE"))
        return;
    const SignedInProfile signedIn{&parts_.profile.PlayerRecNum, &parts_.profile.PlayerPrefs};
    MaintenanceResult result;
    if (onePlayer) {
        if (selectedRow_ == 1) return Say("Sorry, Brivo stays.", true);
        const int record = board_.players[static_cast<size_t>(selectedRow_ - 2)].record;
        const bool remove = index == 0 && record != parts_.profile.PlayerRecNum;
        result = remove ? DeletePlayer(PrefsPath(), record, signedIn)
                        : ClearPlayerValues(PrefsPath(), record, false, signedIn);
        if (result.ok) Say(remove ? "Player removed!" : "Scores removed!", true);
    } else {
        result = index == 1 ? DeleteAllPlayers(PrefsPath(), signedIn)
                            : ClearAllScores(PrefsPath(), signedIn);
        if (result.ok) Say("All is forgotten.", false);
    }
    if (!result.ok) Failed(result.error);
    selectedRow_ = 0;
    ShowSelectedRow();
    ReadKnownPlayers();
    PrintNames();
}

// --- High scores ------------------------------------------------------------------------

void FrmScoreStat::HighStuff(int first) {
    highStart_ = first;
    const auto file = ReadAllRecords<HighScoreRecord>(HighScoreFilePath(parts_.g.AppFolder));
    const auto lines = HighScoreLinesOf(file.value_or(std::vector<HighScoreRecord>{}), first);
    gridHigh_->clearContents();
    const int rankColumn = first == kBestRunsFirst ? 6 : 3;
    for (int r = 0; r < 10; ++r) {
        const HighScoreLine& line = lines[static_cast<size_t>(r)];
        PutNumberCell(gridHigh_, r, 0, line.rank);
        for (int c = 1; c <= 6; ++c) PutCell(gridHigh_, r, c, "", Qt::AlignCenter);
        if (line.dated) {
            PutCell(gridHigh_, r, 1, DateText(line.when), Qt::AlignCenter);
            PutCell(gridHigh_, r, 2, QString::fromStdString(line.name),
                    Qt::AlignLeft | Qt::AlignVCenter);
            for (int c = 0; c < 4; ++c)
                PutNumberCell(gridHigh_, r, 3 + c, line.figures[static_cast<size_t>(c)]);
        }
        for (int c = 1; c <= 6; ++c) {
            QColor colour = r % 2 == 0 ? kBandColour : QColor(Qt::white);
            if (c == rankColumn) colour = kRankColour;
            gridHigh_->item(r, c)->setBackground(colour);
            gridHigh_->item(r, c)->setForeground(Qt::black);
        }
    }
    gridHigh_->setColumnWidth(0, 34);
    FitGrid(gridHigh_);
    gridHigh_->setColumnWidth(1, std::max(gridHigh_->columnWidth(1), 90));
    gridHigh_->setColumnWidth(2, std::max(gridHigh_->columnWidth(2), 130));
    FitGrid(gridHigh_);
}

void FrmScoreStat::cmdSwitch_Click() {
    if (cmdSwitch_->text() == "Show Best Side") {
        lblBest_->setText("Best Side Run");
        cmdSwitch_->setText("Show Overall");
        HighStuff(kBestSidesFirst);
    } else {
        lblBest_->setText("Best Overall");
        cmdSwitch_->setText("Show Best Side");
        HighStuff(kBestRunsFirst);
    }
}

void FrmScoreStat::cmdClear_Click() {
    if (!Ask("Clear all the high statistics in this table?", "Delete Statistics")) return;
    const MaintenanceResult r = ClearBestRunLists(HighScoreFilePath(parts_.g.AppFolder),
                                                  ScoresFilePath(parts_.g.AppFolder));
    if (!r.ok) Failed(r.error);
    HighStuff(highStart_);
}

// --- One player's statistics ------------------------------------------------------------

void FrmScoreStat::SSTab1_Click(int tab) {
    if (tab == 1) {
        HighStuff(highStart_);
        return;
    }
    if (tab != 2) return;
    combo1_->clear();
    const ProfileState& ps = parts_.profile;
    const std::vector<std::string>& known = ps.KnownPlayers;
    const int signedIn = ps.PlayerRecNum - 2;
    if (ps.PlayerRecNum >= 2 && signedIn < static_cast<int>(known.size()))
        combo1_->addItem(QString::fromStdString(known[static_cast<size_t>(signedIn)]),
                         ps.PlayerRecNum);
    for (size_t i = 0; i < known.size(); ++i)
        if (!known[i].empty() && static_cast<int>(i) != signedIn)
            combo1_->addItem(QString::fromStdString(known[i]), static_cast<int>(i) + 2);
    statsRecNum_ = ps.PlayerRecNum;
    if (combo1_->count() == 0) {
        bestRun_ = {};
        GetRun();
    } else {
        statsRecNum_ = combo1_->itemData(0).toInt();
        GetStats();
    }
    FitGrid(gridStats_);
    FitGrid(gridRun_);
}

void FrmScoreStat::Combo1_Click(int index) {
    if (index < 0) return;
    statsRecNum_ = combo1_->itemData(index).toInt();
    GetStats();
}

void FrmScoreStat::GetStats() {
    cmdClearStats_->setEnabled(statsRecNum_ >= 2);
    const auto profiles = ReadAllRecords<PrefsRecord>(PrefsPath());
    if (!profiles || statsRecNum_ < 2 || statsRecNum_ > static_cast<int>(profiles->size())) {
        bestRun_ = {};
        GetRun();
        return;
    }
    const PrefsRecord& p = (*profiles)[static_cast<size_t>(statsRecNum_ - 1)];
    const auto lines = StatsLinesOf(p);
    for (int r = 0; r < kStatRows; ++r) {
        const StatsLine& l = lines[static_cast<size_t>(r)];
        PutNumberCell(gridStats_, r, 0, l.games);
        PutNumberCell(gridStats_, r, 1, l.wins);
        PutNumberCell(gridStats_, r, 2, l.losses);
        PutNumberCell(gridStats_, r, 3, l.margin);
    }
    bestRun_ = p.BestRun;
    GetRun();
}

void FrmScoreStat::GetRun() {
    const auto lines = RunLinesOf(bestRun_, parts_.g.StatsTable);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            PutNumberCell(gridRun_, r, c,
                          lines[static_cast<size_t>(r)].allTime[static_cast<size_t>(c)]);
            PutNumberCell(gridRun_, r, 5 + c,
                          lines[static_cast<size_t>(r)].current[static_cast<size_t>(c)]);
        }
        PutCell(gridRun_, r, 4, "", Qt::AlignCenter);
    }
}

void FrmScoreStat::cmdClearStats_Click() {
    if (statsRecNum_ < 2) return;
    if (!Ask("Are you sure you want to " + cmdClearStats_->text().toStdString() +
                 "\nfor this player and Brivo?",
             "DELETE"))
        return;
    const SignedInProfile signedIn{&parts_.profile.PlayerRecNum, &parts_.profile.PlayerPrefs};
    const MaintenanceResult r = ClearPlayerValues(PrefsPath(), statsRecNum_, true, signedIn);
    if (!r.ok) return Failed(r.error);
    // The current game's runs are the signed-in player's: only that player's clear empties them.
    if (statsRecNum_ == parts_.profile.PlayerRecNum) parts_.g.StatsTable = {};
    bestRun_ = {};
    GetRun();
}
