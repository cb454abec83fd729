#include "board/qt/frm_hold.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QWindow>

#include "board/qt/card_pictures.h"
#include "tests/qt/qt_test_app.h"

namespace {
struct HoldFixture : ::testing::Test {
    QApplication& app = TestApp();
    CardPictures pics{1.0};
    BoardLooks looks;
    i16 left = 0, top = 0;
    FrmHold hold{pics, looks, left, top, false};
};
}  // namespace

TEST_F(HoldFixture, RowOfTenOverlappingSmallCardsSizesTheWindow) {
    const ControlGeom& first = hold.Form().At("Picture8", 1);
    const ControlGeom& last = hold.Form().At("Picture8", 10);
    EXPECT_EQ(first.Width, 59);
    EXPECT_EQ(last.Left - first.Left, 9 * (59 - 4));
    EXPECT_EQ(hold.width(), last.Left + 59 + 7);
    for (int i = 1; i <= 10; ++i) hold.ShowCard(i, 13 * i % 52 + 1);
    hold.show();
    QImage img = hold.grab().toImage();
    SaveRender(img, "hold_window");
    // A small face's white margin inside the fifth card.
    const ControlGeom& c5 = hold.Form().At("Picture8", 5);
    EXPECT_EQ(img.pixelColor(int(c5.Left) + 4, int(c5.Top) + 45).lightness(), 255);
}

TEST_F(HoldFixture, ThePlayersCloseOnlyHidesAndTheProgramsCloseGoes) {
    hold.show();
    ASSERT_TRUE(hold.windowHandle());
    hold.windowHandle()->close();  // as the window manager asks
    EXPECT_FALSE(hold.isVisible());
    EXPECT_FALSE(hold.testAttribute(Qt::WA_QuitOnClose));
    hold.ShowAtSavedPlace();
    EXPECT_TRUE(hold.isVisible());
    hold.Unload();
    EXPECT_FALSE(hold.isVisible());
}

TEST_F(HoldFixture, AClickKeepsThePositionInTwipsAndOnlyTheLeftButtonDrags) {
    hold.move(40, 30);
    hold.show();
    const QPointF at(5, 5);
    QMouseEvent move(QEvent::MouseMove, at, hold.mapToGlobal(at), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&hold, &move);
    EXPECT_EQ(left, 0);  // a right-button move neither drags nor keeps anything
    QMouseEvent press(QEvent::MouseButtonPress, at, hold.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, hold.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&hold, &press);
    QApplication::sendEvent(&hold, &release);
    EXPECT_EQ(left, hold.pos().x() * 15);
    EXPECT_EQ(top, hold.pos().y() * 15);
}
