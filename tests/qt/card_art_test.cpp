#include <gtest/gtest.h>

#include <QPainter>

#include "board/card_geometry.h"
#include "board/qt/board_art.h"
#include "board/qt/card_face_art.h"
#include "board/qt/card_pictures.h"
#include "tests/qt/qt_test_app.h"

namespace {
// A contact sheet of every picture, saved for looking at.
QImage ContactSheet(const CardPictures& pics) {
    QImage img(kSheetWidth * 2, kSheetHeight * 2 + 260, QImage::Format_ARGB32);
    img.fill(QColor(0x1E, 0x6B, 0x34));
    QPainter p(&img);
    p.drawImage(QRectF(0, 0, kSheetWidth, kSheetHeight), pics.Sheet());
    p.drawImage(QRectF(0, kSheetHeight + 4, kSheetWidth * 2, kSheetHeight * 2), pics.Sheet());
    for (int d = 0; d < kNumberDesigns; ++d)
        for (int r = 1; r <= 13; ++r)
            p.drawImage(QPointF(kSheetWidth + 4 + (r - 1) * 36, d * 62),
                        NumberCardImage(r, d, 1).scaled(35, 47, Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation));
    return img;
}
}  // namespace

TEST(CardArt, SheetCellsHoldCardsInTheirColumnsAndRows) {
    TestApp();
    const QImage sheet = BuildStandardSheet(1.0);
    ASSERT_EQ(sheet.width(), kSheetWidth);
    ASSERT_EQ(sheet.height(), kSheetHeight);
    // The middle of a cell's white margin is white; the gap column at x = 0 is untouched.
    for (int n : {1, 13, 27, 52}) {
        const SheetCell c = CellOfCard(n);
        EXPECT_EQ(sheet.pixelColor(c.x + 5, c.y + 48), QColor(Qt::white)) << n;
    }
    EXPECT_EQ(sheet.pixelColor(0, 48).alpha(), 0);
    // Hearts are red, spades black, at the big Ace pip.
    const SheetCell heartAce = CellOfCard(27), spadeAce = CellOfCard(40);
    const QColor h = sheet.pixelColor(heartAce.x + 35, heartAce.y + 48);
    const QColor s = sheet.pixelColor(spadeAce.x + 35, spadeAce.y + 48);
    EXPECT_GT(h.red(), 150);
    EXPECT_LT(h.green(), 60);
    EXPECT_LT(s.red() + s.green() + s.blue(), 120);
}

TEST(CardArt, HighDensitySheetHasTwiceThePixelsAndTheSameLayout) {
    TestApp();
    CardPictures pics(2.0);
    EXPECT_EQ(pics.Sheet().width(), kSheetWidth * 2);
    const QImage face = pics.FullFace(27);
    EXPECT_EQ(face.width(), kCardWidth * 2);
    EXPECT_EQ(face.deviceIndependentSize().toSize(), QSize(kCardWidth, kCardHeight));
    CardLook small{CardPicture::SmallFace, 27};
    EXPECT_EQ(pics.PictureFor(small).width(), kSmallCardWidth * 2);
    SaveRender(ContactSheet(CardPictures(1.0)), "card_art");
}

TEST(CardArt, BacksPlaceholdersAndNumberDesignsHaveTheirColours) {
    TestApp();
    CardPictures pics(1.0);
    pics.SetPlainBack(0xAA0000);
    pics.UsePlainBack();
    EXPECT_EQ(pics.LargeBack().size(), QSize(kCardWidth, kCardHeight));
    EXPECT_EQ(pics.SmallBack().size(), QSize(kSmallCardWidth, kSmallCardHeight));
    EXPECT_EQ(pics.LargeBack().pixelColor(2, 2), QColor(0xAA, 0, 0));
    pics.SetPlaceholderStyle(false);
    const QColor metal = pics.EmptyPic().pixelColor(35, 20);
    pics.SetPlaceholderStyle(true);
    const QColor wood = pics.EmptyPic().pixelColor(35, 20);
    EXPECT_GT(wood.red(), wood.blue() + 20);              // brown
    EXPECT_LT(std::abs(metal.red() - metal.blue()), 25);  // grey
    // Every number design differs from the plain one.
    const QImage plain = NumberCardImage(5, 0, 1);
    for (int d = 1; d < kNumberDesigns; ++d) EXPECT_NE(NumberCardImage(5, d, 1), plain) << d;
}

#include "board/qt/form_skin.h"

TEST(CardArt, PanelCaptionsStandRightAlignedInTheMenuBarByStyle) {
    TestApp();
    FormModel f;
    ControlGeom panel, caption;
    panel.Left = 10;
    panel.Width = 320;
    caption.Width = 100;
    f.Controls["picPanel"] = panel;
    f.Controls["lblLevel"] = caption;
    f.Controls["lblRules"] = caption;
    CardPictures pics(1.0);
    SetPanelImages(f, pics, true);
    EXPECT_EQ(f.At("lblLevel").Left, 10 + 320 - (8 + 100));
    const QColor wood = pics.EmptyPic().pixelColor(35, 20);
    SetPanelImages(f, pics, false);
    EXPECT_EQ(f.At("lblRules").Left, 10 + 320 - (5 + 100));
    EXPECT_NE(pics.EmptyPic().pixelColor(35, 20), wood);
}
