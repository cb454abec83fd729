#include "board/qt/flash_show.h"

#include <gtest/gtest.h>

#include "board/qt/anim_buffers.h"
#include "board/qt/shipped_pictures.h"
#include "tests/qt/table_fixture.h"

namespace {
struct ShowFixture : TableFixture {
    int backgrounds = 0;
    std::function<void()> reload = [this] { ++backgrounds; };

    void SetUp() override {
        ASSERT_TRUE(WriteShippedPictures(dir.path()));
        LayOut();
    }
};
}  // namespace

TEST_F(ShowFixture, PlaysEveryFrameForItsTimeAndPutsTheTableBack) {
    FlashShow show(dir.path().toStdString());
    bool centerHidden = false;
    QImage during;
    pump.at = [&](double now) {
        centerHidden = centerHidden || !layout.Ctl("PicCenter", 1).Visible;
        if (now > 1.0 && during.isNull()) during = view.Grab();
    };
    show.Flash(g, "Pellor", 0, layout, view, clock, pump, reload);  // Ruun's frames
    EXPECT_EQ(show.FramesRead(), 7);
    EXPECT_NEAR(clock.Now(), 0.45 + 5 * 0.25 + 0.75 + 6 * 0.25 + 0.2, 1e-6);
    EXPECT_TRUE(centerHidden);
    // A frame stood over the first center pile (two players, three centers: at the left edge).
    const QPoint inFrame(110, int(layout.Ctl("Label9", 2).Top) + 75);
    EXPECT_NE(during.pixelColor(inFrame), view.Grab().pixelColor(inFrame));
    SaveRender(during, "flash_show");
    EXPECT_TRUE(layout.Ctl("PicCenter", 1).Visible);
    EXPECT_EQ(backgrounds, 1);
    // The same personality again reads no files.
    pump.at = nullptr;
    show.Flash(g, "Ruun", 1, layout, view, clock, pump, reload);
    EXPECT_EQ(show.FramesRead(), 7);
}

TEST_F(ShowFixture, ANewGameWithTheTurnElsewhereEndsTheShowAtTheNextWait) {
    FlashShow show(dir.path().toStdString());
    pump.at = [&](double now) {
        if (now > 1.0) {
            g.CurSideCount = 20;
            g.Pturn = 2;
        }
    };
    show.Flash(g, "Tessik", 0, layout, view, clock, pump, reload);
    EXPECT_LT(clock.Now(), 1.5);
    EXPECT_TRUE(layout.Ctl("PicCenter", 1).Visible);
}

TEST_F(ShowFixture, AnimationBufferCopiesOntoTheBoard) {
    AnimBuffers buffers;
    buffers.MakeBoardBuffers(view);
    EXPECT_EQ(buffers.BoardWidthPx, view.width());
    buffers.AnimBuffer.pixmap.fill(Qt::magenta);
    buffers.RestoreBoardStrip(1, layout, view);
    const ControlGeom& side = layout.Ctl("Picture7", 1);
    EXPECT_EQ(view.Grab().pixelColor(int(side.Left) + 5, int(side.Top) + 5), QColor(Qt::magenta));
    MemBitmap missing;
    missing.FileName = (dir.path() + "/none.png").toStdString();
    LoadBitmapDC(missing, nullptr);
    EXPECT_TRUE(missing.pixmap.isNull());
    MemBitmap frame;
    frame.FileName = (dir.path() + "/Data/PMS/Tessik1.png").toStdString();
    LoadBitmapDC(frame, nullptr);
    EXPECT_EQ(frame.Width, 220);
}
