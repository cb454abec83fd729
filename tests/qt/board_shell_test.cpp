#include "board/qt/board_shell.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include "board/qt/shipped_pictures.h"
#include "board/qt/table_view.h"
#include "tests/qt/qt_test_app.h"

TEST(BoardShell, StartsUpDrawsTheTableAndPutsWidgetsOverIt) {
    TestApp();
    QTemporaryDir dir;
    ASSERT_TRUE(WriteShippedPictures(dir.path()));
    Game g;
    g.NumPlayers = 3;
    g.NumCenters = 4;
    BoardLooks looks;
    looks.BackgroundFiles = {"", "GameBoard.gif"};
    looks.BackgroundCount = 1;
    looks.BackgroundIndex = 1;
    ManualClock clock;
    InstantPump pump(clock);
    QWidget window;
    BoardShell shell(
        {g, looks, 15360, false, clock, pump, nullptr, nullptr, dir.path().toStdString()}, &window);
    shell.StartUp(0);
    shell.board->LoadAvatar("Tessik.jpg");
    shell.ApplyWidgets();
    const auto* side = shell.view->findChild<QWidget*>("Picture7_1");
    ASSERT_NE(side, nullptr);
    EXPECT_TRUE(shell.view->findChild<QLabel*>("Label9_2"));
    const QImage img = shell.view->Grab();
    SaveRender(img, "board_shell_start");
    // Before the first deal the side pile shows a back on the deck colour.
    const QColor back = img.pixelColor(side->x() + 2, side->y() + 2);
    EXPECT_GT(back.blue(), back.red() + 40);
}
