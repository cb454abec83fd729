#include "board/qt/table_render.h"

#include <gtest/gtest.h>

#include "board/card_geometry.h"
#include "board/qt/card_pictures.h"
#include "board/qt/shipped_pictures.h"
#include "tests/qt/qt_test_app.h"

namespace {
void Put(PorC& cards, int slot, int id) {
    cards[kId][slot] = static_cast<i16>(id);
    cards[kRank][slot] = id ? static_cast<i16>((id - 1) % 13 + 1) : 0;
}

// A game in the middle: every player has a side top, a part-filled hand and some hold piles;
// centers at 3, empty, a wild King for 7 and (with four) 11.
Game MidGame(int players, int centers, int pturn) {
    Game g;
    g.NumPlayers = static_cast<i16>(players);
    g.NumCenters = static_cast<i16>(centers);
    g.NumCards = static_cast<i16>(52 * players);
    g.GameStarted = VbTrue;
    g.Pturn = static_cast<i16>(pturn);
    g.StockCount = 30;
    g.HumanSideCount = 12;
    g.HumanSideShape = 25 - 11;
    int id = 1;
    auto fill = [&](PorC& c) {
        Put(c, 1, id++ % 52 + 1);
        for (int s = 2; s <= 6; ++s) Put(c, s, s == 4 ? 0 : (id += 5) % 52 + 1);
        for (int s = 7; s <= 10; ++s) Put(c, s, s % 2 ? 0 : (id += 7) % 52 + 1);
    };
    fill(g.HumanCards);
    const char* const names[] = {"", "Brivo", "Ruun", "Pellor"};
    for (int p = 1; p < players; ++p) {
        fill(g.Opp[p].Cards);
        g.Opp[p].Name = names[p];
        g.Opp[p].SideCount = static_cast<i16>(8 + p);
        g.Opp[p].SideShape = static_cast<i16>(25 * (p + 1) - (7 + p));
    }
    const int counts[] = {0, 3, 0, 7, 11};
    for (int k = 1; k <= centers; ++k) {
        g.CenterCount[k] = static_cast<i16>(counts[k]);
        for (int n = 1; n <= counts[k]; ++n) {
            g.Center[kId][k][n] = static_cast<i16>(n + 13 * (k % 4));
            g.Center[kRank][k][n] = static_cast<i16>(n);
        }
    }
    if (counts[3]) {
        g.Center[kId][3][7] = 26;  // a King on top
        g.Center[kRank][3][7] = 13;
    }
    return g;
}

QImage Render(const Game& g, int mode, BoardLooks looks = {}, qreal dpr = 1.0,
              TableLayout* out = nullptr, i32 screenTwips = 15360) {
    TableLayout layout(screenTwips, false);
    // The window starts between games, where the avatar gets its box.
    Game between = g;
    between.Pturn = 0;
    layout.StartUp(between, mode);
    layout.ShowSideStack(g, true);
    // The texts and markers a game in play shows, so that a look at the picture finds overlaps.
    layout.Ctl("Label9", 0).Caption = " CLEARING ";
    layout.Ctl("Label9", 1).Caption = "Brivo plays a 7 on center 3";
    layout.Ctl("Label9", 2).Caption = "Not bad for a beginner. Let's see what you do next.";
    layout.Ctl("ImgTurn1").Visible = true;
    layout.Ctl("cmdDeal").Visible = true;
    layout.Ctl("LabelPeek").Caption = "Peeking";
    layout.Ctl("LabelPeek").Visible = true;
    CardPictures pics(dpr);
    pics.LoadFaceDeck(looks.FaceDeck <= 5 ? looks.FaceDeck : 0);
    RenderExtras extras;
    extras.avatar = PersonalityAvatar("Brivo");
    const QImage img = RenderTable(g, layout, looks, pics, extras);
    if (out) *out = layout;
    return img;
}

bool NearlyWhite(QColor c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}
}  // namespace

// Every player count, center count and display mode on a wide and a narrow screen, saved for
// looking at.
TEST(TableRender, EveryLayoutRendersItsPiles) {
    TestApp();
    for (i32 screen : {15360, 12000, 9600})
        for (int players = 2; players <= 4; ++players)
            for (int centers : {3, 4}) {
                if (players > 2 && centers == 3) continue;
                for (int mode = 0; mode <= 3; ++mode) {
                    const Game g = MidGame(players, centers, 1);
                    TableLayout layout(screen, false);
                    const QImage img = Render(g, mode, {}, 1.0, &layout, screen);
                    const QString name = QString("table_%1p_%2c_mode%3_%4tw")
                                             .arg(players)
                                             .arg(centers)
                                             .arg(mode)
                                             .arg(screen);
                    SaveRender(img, name);
                    // The human's first hand card is a face: white near its middle-left.
                    const ControlGeom& hand = layout.Ctl("Picture7", 2);
                    EXPECT_TRUE(
                        NearlyWhite(img.pixelColor(hand.Left + 6, hand.Top + hand.Height / 2)))
                        << name.toStdString();
                    // An opponent's hand card is a back on the deck colour.
                    const ControlGeom& opp = layout.Ctl("Picture1", 2);
                    const QColor back = img.pixelColor(opp.Left + 2, opp.Top + 2);
                    EXPECT_GT(back.blue(), back.red() + 40) << name.toStdString();
                }
            }
}

TEST(TableRender, NumberCardsAndHighDensityKeepTheirPlaces) {
    TestApp();
    const Game g = MidGame(2, 4, 2);
    BoardLooks looks;
    looks.FaceDeck = 3;  // "Shout": yellow
    TableLayout layout(15360, false);
    const QImage img = Render(g, 0, looks, 2.0, &layout);
    SaveRender(img, "table_2p_4c_shout_hidpi");
    EXPECT_EQ(img.width(), qRound(layout.Form().Width * 2));
    const ControlGeom& side = layout.Ctl("Picture7", 1);
    const QColor c = img.pixelColor(qRound((side.Left + 20) * 2), qRound((side.Top + 60) * 2));
    EXPECT_GT(c.red(), 200);
    EXPECT_GT(c.green(), 150);
    EXPECT_LT(c.blue(), 100);
}

TEST(TableRender, TiledBackgroundAndAvatarShowAroundTheCards) {
    TestApp();
    const Game g = MidGame(2, 4, 1);
    TableLayout layout(15360, false);
    layout.StartUp(g, 0);
    CardPictures pics(1.0);
    RenderExtras extras;
    extras.background = ShippedBackgrounds()[0].picture;
    extras.avatar = PersonalityAvatar("Brivo");
    const QImage img = RenderTable(g, layout, BoardLooks{}, pics, extras);
    SaveRender(img, "table_2p_4c_background");
    // Two points of the bare table a tile apart show the same pixel: the tiles repeat.
    EXPECT_EQ(img.pixelColor(3, 300), img.pixelColor(3 + 192, 300));
    EXPECT_NE(img.pixelColor(3, 300), QColor(0x1E, 0x6B, 0x34));
    const ControlGeom& avatar = layout.Ctl("ImgAvatar");
    ASSERT_TRUE(avatar.Visible);
    EXPECT_NE(img.pixelColor(int(avatar.Left + avatar.Width / 2), int(avatar.Top + 5)),
              img.pixelColor(3, 300));
}

#include <QTemporaryDir>

#include "board/qt/card_looks_setup.h"
#include "board/qt/cls_dll.h"

// Every face style (number designs, the built-in sheet, an installed deck when the machine has
// one) with metal placeholders and an installed back.
TEST(TableRender, EveryDeckStyleDrawsTheHumansHand) {
    TestApp();
    QTemporaryDir cache;
    ClsDll dll(FindInstalledDecks(DefaultKdeDeckFolders(), DefaultGnomeDeckFolders()),
               cache.path());
    const Game g = MidGame(4, 4, 1);
    QColor previous;
    const int lastStyle = dll.GetDecksQuantity() > 0 ? 7 : 6;
    for (int style = 0; style <= lastStyle; ++style) {
        BoardLooks looks;
        looks.FaceDeck = static_cast<i16>(style);
        looks.BackStyle = dll.GetBacksQuantity() > 1 ? 2 : 0;
        looks.PlaceholderStyle = VbFalse;
        TableLayout layout(15360, false);
        layout.PlaceholderStyle = false;
        layout.StartUp(g, 0);
        CardPictures pics(1.0);
        ApplyCardLooks(looks, pics, dll);
        const QImage img = RenderTable(g, layout, looks, pics);
        SaveRender(img, QString("deck_style_%1").arg(style));
        const ControlGeom& hand = layout.Ctl("Picture7", 2);
        const QColor c = img.pixelColor(int(hand.Left) + 30, int(hand.Top) + 30);
        if (style > 0 && style < 6) {
            EXPECT_NE(c, previous) << style;
        }
        previous = c;
    }
}

// A full side pile shows a line for every card beneath its top, each shape of the band in front
// of the one to its left, whatever the shapes' numbers: shapes 1 to 9 among 10 to 25 too.
TEST(TableRender, AFullSidePileShowsALineForEveryCardBeneath) {
    TestApp();
    for (int count : {26, 20, 12}) {
        Game g = MidGame(2, 3, 1);
        g.HumanSideCount = static_cast<i16>(count);
        g.HumanSideShape = static_cast<i16>(26 - count);
        TableLayout layout(15360, false);
        const QImage img = Render(g, 0, {}, 1.0, &layout);
        const ControlGeom& side = layout.Ctl("Picture7", 1);
        const int y = static_cast<int>(side.Top + side.Height / 2);
        // The shapes' left edges: dark columns over the deck colour, up to the top card.
        int lines = 0;
        bool inLine = false;
        for (int x = static_cast<int>(layout.Ctl("Stack", g.HumanSideShape + 1).Left) - 1;
             x < side.Left; ++x) {
            const bool dark = img.pixelColor(x, y).lightness() < 60;
            if (dark && !inLine) ++lines;
            inLine = dark;
        }
        EXPECT_GE(lines, count - 3) << count << " cards";
    }
}
