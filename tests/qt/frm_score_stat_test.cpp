// The scores window on a scratch profile file: the listing, the maintenance buttons acting on
// the chosen player only, the high-score views and one player's statistics.
#include "records/qt/frm_score_stat.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "records/high_score_record.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

PrefsRecord Player(const std::string& name, i16 games, i16 wins, i16 margin) {
    PrefsRecord p;
    p.Seats[0].Name = name;
    p.GamesPlayed[0] = games;
    p.GamesWon[0] = wins;
    p.MarginTotal[0] = margin;
    p.GamesPlayed[1] = 2;
    p.BestRun[0] = {2, 3, 1};
    return p;
}

struct ScoresWindow {
    TempProgramFolder folder;
    Game g;
    ProfileState profile;
    HeadlessServices h{g};

    ScoresWindow() {
        g.AppFolder = folder.path();
        WriteAllRecords(folder.File("Data/Prefs.sav"),
                        std::vector<PrefsRecord>{Player("Bob", 0, 0, 0), Player("Ann", 10, 6, 40),
                                                 Player("Bob", 5, 1, -20), Player("Cy", 3, 3, 9)});
        profile.PlayerRecNum = 3;
        profile.PlayerPrefs = Player("Bob", 5, 1, -20);
        profile.KnownPlayers = {"Ann", "Bob", "Cy"};
        std::vector<HighScoreRecord> high(20);
        high[0] = {DayCountOf(2025, 3, 9), "Ann", 3, 4, 5, 12};
        high[10] = {DayCountOf(2025, 3, 10), "Brivo", 9, 0, 1, 10};
        WriteAllRecords(folder.File("Data/highscore.ran"), high);
        WriteAllRecords(folder.File("Data/scores.ran"), std::vector<ScoreRecord>(18));
    }
    ScoreStatParts Parts(int mode = 0) { return {g, profile, &h.dialogs, &h.sounds, mode}; }
    std::vector<std::string> Names() const {
        std::vector<std::string> n;
        const auto records = ReadAllRecords<PrefsRecord>(folder.File("Data/Prefs.sav"));
        for (const PrefsRecord& p : records.value()) n.push_back(p.Seats[0].Name);
        return n;
    }
};

QString Cell(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

TEST(ScoresWindow, ListsEveryPlayerUnderTheComputerWithoutTheHeader) {
    TestApp();
    ScoresWindow w;
    FrmScoreStat form(w.Parts());
    form.show();
    SaveRender(form.grab().toImage(), "frm_score_stat_scores");
    auto* grid = form.findChild<QTableWidget*>("GridScores");
    EXPECT_EQ(form.windowTitle(), "Scores and Stats");
    EXPECT_EQ(Cell(grid, 0, 0), "Brivo");
    EXPECT_EQ(Cell(grid, 0, 1), "18");
    EXPECT_EQ(Cell(grid, 0, 2), "8");
    EXPECT_EQ(Cell(grid, 0, 4), "-29");
    EXPECT_EQ(Cell(grid, 1, 0), "Ann");
    EXPECT_EQ(Cell(grid, 2, 0), "Bob");
    EXPECT_EQ(Cell(grid, 2, 3), "4");
    EXPECT_EQ(Cell(grid, 3, 0), "Cy");
    EXPECT_EQ(Cell(grid, 4, 0), "");
    EXPECT_EQ(grid->rowCount(), 10);
}

TEST(ScoresWindow, MaintenanceActsOnTheChosenRow) {
    TestApp();
    ScoresWindow w;
    FrmScoreStat form(w.Parts());
    auto* label = form.findChild<QLabel*>("Label1");
    form.Maintance_Click(0);
    EXPECT_EQ(label->text(), "Select a player");
    form.GridScores_Click(1, 0);  // the computer's row
    form.Maintance_Click(0);
    EXPECT_EQ(label->text(), "Sorry, Brivo stays.");
    form.GridScores_Click(2, 1);  // not the name column: nothing chosen
    EXPECT_EQ(form.selectedRow(), 0);

    form.GridScores_Click(2, 0);  // Ann, record 2
    form.Maintance_Click(0);
    EXPECT_EQ(label->text(), "Player removed!");
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Bob", "Bob", "Cy"}));
    EXPECT_EQ(w.profile.PlayerRecNum, 2);
    EXPECT_EQ(w.profile.KnownPlayers, (std::vector<std::string>{"Bob", "Cy"}));
    auto* grid = form.findChild<QTableWidget*>("GridScores");
    EXPECT_EQ(Cell(grid, 1, 0), "Bob");

    form.GridScores_Click(3, 0);  // Cy
    form.Maintance_Click(2);
    EXPECT_EQ(label->text(), "Scores removed!");
    EXPECT_EQ(Cell(grid, 2, 1), "0");
    EXPECT_EQ(Cell(grid, 1, 1), "5");

    w.h.dialogs.answers = {mb::No};
    form.Maintance_Click(1);
    EXPECT_EQ(w.Names().size(), 3u);
    form.Maintance_Click(1);
    EXPECT_EQ(label->text(), "All is forgotten.");
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Bob", "Bob"}));
    EXPECT_EQ(Cell(grid, 1, 0), "Bob");
    EXPECT_EQ(Cell(grid, 1, 1), "0");
    EXPECT_EQ(w.profile.PlayerPrefs.GamesPlayed[0], 0);
}

TEST(ScoresWindow, HighScoreViewsHighlightTheirRankingColumn) {
    TestApp();
    ScoresWindow w;
    FrmScoreStat form(w.Parts(1));
    form.show();
    SaveRender(form.grab().toImage(), "frm_score_stat_high");
    auto* grid = form.findChild<QTableWidget*>("GridHigh");
    EXPECT_EQ(form.findChild<QTabWidget*>("SSTab1")->currentIndex(), 1);
    EXPECT_EQ(Cell(grid, 0, 2), "Ann");
    EXPECT_EQ(Cell(grid, 0, 6), "12");
    EXPECT_EQ(Cell(grid, 1, 2), "");
    EXPECT_EQ(grid->item(1, 6)->background().color(), QColor(0xFF, 0xFF, 0xC0));
    form.findChild<QPushButton*>("cmdSwitch")->click();
    EXPECT_EQ(form.findChild<QLabel*>("lblBest")->text(), "Best Side Run");
    EXPECT_EQ(Cell(grid, 0, 2), "Brivo");
    EXPECT_EQ(grid->item(1, 3)->background().color(), QColor(0xFF, 0xFF, 0xC0));
    form.findChild<QPushButton*>("cmdClear")->click();
    EXPECT_EQ(Cell(grid, 0, 2), "");
}

TEST(ScoresWindow, StatisticsOfTheChosenPlayerAndClearingTheirRuns) {
    TestApp();
    ScoresWindow w;
    w.g.StatsTable[2] = {1, 2, 0, 1, 2, 0};
    FrmScoreStat form(w.Parts(2));
    form.show();
    SaveRender(form.grab().toImage(), "frm_score_stat_stats");
    auto* combo = form.findChild<QComboBox*>("Combo1");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Bob");
    EXPECT_EQ(form.statsRecNum(), 3);
    auto* stats = form.findChild<QTableWidget*>("GridStats");
    auto* runs = form.findChild<QTableWidget*>("GridRun");
    EXPECT_EQ(Cell(stats, 0, 0), "5");
    EXPECT_EQ(Cell(stats, 0, 2), "4");
    EXPECT_EQ(Cell(runs, 2, 3), "6");  // the player's best run, all-time
    EXPECT_EQ(Cell(runs, 2, 8), "3");  // and in this game

    form.Combo1_Click(1);  // Ann
    EXPECT_EQ(form.statsRecNum(), 2);
    EXPECT_EQ(Cell(stats, 0, 0), "10");
    form.findChild<QPushButton*>("cmdClearStats")->click();
    EXPECT_EQ(Cell(runs, 2, 3), "0");
    EXPECT_EQ(w.g.StatsTable[2][0], 1);  // the signed-in player's game is untouched
    EXPECT_EQ((*ReadAllRecords<PrefsRecord>(w.folder.File("Data/Prefs.sav")))[1].GamesPlayed[0],
              10);
}

// A click on a name marks that player's row; a click elsewhere, or a finished maintenance step,
// leaves no row marked.
TEST(ScoresWindow, AClickedNameHighlightsItsRow) {
    TestApp();
    ScoresWindow w;
    w.g.PersonalityIndex = 2;
    FrmScoreStat form(w.Parts());
    form.show();
    auto* grid = form.findChild<QTableWidget*>("GridScores");
    EXPECT_EQ(Cell(grid, 0, 0), "Brivo (& friends)");
    auto click = [grid](int row, int column) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    auto marked = [grid] {
        std::vector<int> rows;
        for (const QModelIndex& i : grid->selectionModel()->selectedRows()) rows.push_back(i.row());
        return rows;
    };
    const struct {
        int row, column;
        std::vector<int> marked;
    } clicks[] = {
        {2, 0, {2}},  // Bob
        {0, 0, {0}},  // the computer's row
        {1, 3, {}},   // a figure, not a name
        {3, 0, {3}},  // Cy
    };
    for (const auto& c : clicks) {
        click(c.row, c.column);
        EXPECT_EQ(marked(), c.marked) << c.row << "," << c.column;
        EXPECT_EQ(form.selectedRow(), c.marked.empty() ? 0 : c.marked[0] + 1);
    }
    form.Maintance_Click(2);  // Cy's scores cleared
    EXPECT_TRUE(marked().empty());
}
