#include "board/qt/cls_dll.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "board/card_geometry.h"
#include "board/qt/card_pictures.h"
#include "tests/qt/qt_test_app.h"
#include "tests/qt/test_deck.h"

TEST(ClsDll, RendersATestDeckIntoTheSheetLayoutAndCachesIt) {
    TestApp();
    QTemporaryDir dir;
    WriteTestDeck(dir.path() + "/decks");
    ClsDll dll(FindInstalledDecks({(dir.path() + "/decks").toStdString()}, {}),
               dir.path() + "/cache");
    ASSERT_EQ(dll.GetDecksQuantity(), 1);
    EXPECT_EQ(dll.GetBacksQuantity(), 1);

    CardPictures pics(1.0);
    ASSERT_TRUE(dll.GetCardFaces(7, pics));
    const SheetCell heart = CellOfCard(30), club = CellOfCard(13);
    EXPECT_EQ(pics.Sheet().pixelColor(heart.x + 35, heart.y + 48), QColor(255, 0, 0));
    EXPECT_EQ(pics.Sheet().pixelColor(club.x + 35, club.y + 48), QColor(0, 255, 0));
    ASSERT_TRUE(dll.GetCardBacks(1, pics));
    EXPECT_EQ(pics.SmallBack().size(), QSize(kSmallCardWidth, kSmallCardHeight));
    EXPECT_EQ(pics.LargeBack().pixelColor(35, 48), QColor(255, 255, 0));
    EXPECT_EQ(dll.DeckBackColor(0, 1.0), 0xFFFF00u);
    EXPECT_FALSE(QDir(dir.path() + "/cache").entryList({"*.png"}).isEmpty());

    // Style 6 brings the built-in sheet back; back 0 the plain back.
    ASSERT_TRUE(dll.GetCardFaces(6, pics));
    EXPECT_EQ(pics.Sheet().pixelColor(heart.x + 5, heart.y + 48), QColor(Qt::white));
    ASSERT_TRUE(dll.GetCardBacks(0, pics));
    EXPECT_NE(pics.LargeBack().pixelColor(35, 48), QColor(255, 255, 0));
}

TEST(ClsDll, WithoutDecksOffersNoneAndFallsBackToTheBuiltInOnes) {
    TestApp();
    QTemporaryDir dir;
    ClsDll dll(FindInstalledDecks({(dir.path() + "/none").toStdString()}, {}), dir.path());
    EXPECT_EQ(dll.GetDecksQuantity(), 0);
    CardPictures pics(1.0);
    EXPECT_FALSE(dll.GetCardFaces(9, pics));
    EXPECT_FALSE(dll.GetCardBacks(3, pics));
    EXPECT_TRUE(dll.FaceSheet(-1, 1.0).isNull());
    EXPECT_EQ(UsableDeckChoice(9, 3, 0, 0), (DeckChoice{6, 0}));
    EXPECT_EQ(UsableDeckChoice(8, 2, 2, 2), (DeckChoice{8, 2}));
    EXPECT_EQ(UsableDeckChoice(9, 3, 2, 2), (DeckChoice{6, 0}));
    EXPECT_EQ(UsableDeckChoice(3, 0, 0, 0), (DeckChoice{3, 0}));
}

TEST(ClsDll, InstalledDecksRenderWhenTheMachineHasThem) {
    TestApp();
    QTemporaryDir dir;
    const auto decks = FindInstalledDecks(DefaultKdeDeckFolders(), DefaultGnomeDeckFolders());
    if (decks.empty()) GTEST_SKIP() << "no card decks installed";
    ClsDll dll(decks, dir.path());
    const QImage sheet = dll.FaceSheet(0, 1.0);
    ASSERT_FALSE(sheet.isNull()) << decks[0].svgPath;
    SaveRender(sheet, "installed_deck_0");
}

#include "board/qt/card_looks_setup.h"

TEST(ClsDll, AProfileWithAMissingDeckDrawsTheBuiltInOnesThisRun) {
    TestApp();
    QTemporaryDir dir;
    ClsDll none(FindInstalledDecks({}, {}), dir.path());
    CardPictures pics(1.0);
    BoardLooks looks;
    looks.FaceDeck = 9;
    looks.BackStyle = 2;
    looks.DeckColor = 0x00AA00;
    EXPECT_EQ(ApplyCardLooks(looks, pics, none), (DeckChoice{6, 0}));
    EXPECT_EQ(pics.LargeBack().pixelColor(2, 2), QColor(0, 0xAA, 0));
    EXPECT_EQ(looks.FaceDeck, 9);  // the stored choice stays

    WriteTestDeck(dir.path() + "/decks");
    ClsDll one(FindInstalledDecks({(dir.path() + "/decks").toStdString()}, {}),
               dir.path() + "/cache");
    looks.FaceDeck = 7;
    looks.BackStyle = 1;
    EXPECT_EQ(ApplyCardLooks(looks, pics, one), (DeckChoice{7, 1}));
    const CardLook smallHeart{CardPicture::SmallFace, 30};
    EXPECT_EQ(pics.PictureFor(smallHeart).pixelColor(29, 40), QColor(255, 0, 0));
}
