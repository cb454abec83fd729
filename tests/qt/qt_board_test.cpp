#include "board/qt/qt_board.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QScreen>
#include <cmath>
#include <utility>
#include <vector>

#include "board/qt/box_damage.h"
#include "engine/engine.h"
#include "tests/qt/table_fixture.h"
#include "tests/support/headless_services.h"

namespace {
struct BoardFixture : TableFixture {
    CallLog log;
    ScriptedDialogs dialogs{log};
    std::unique_ptr<QtBoard> board;

    void SetUp() override {
        LayOut();
        board = std::make_unique<QtBoard>(
            QtBoardParts{g, layout, looks, pics, view, clock, pump, nullptr, &dialogs,
                         dir.path().toStdString(), [] {}},
            canvas);
        // No window around this board: the layout's requests of it go nowhere.
        board->SetLayoutFollowers({[] {}, [] {}, [] {}, [] {}, [] {}});
    }
    QColor At(const char* name, int index, int dx, int dy) {
        const ControlGeom& c = layout.Ctl(name, index);
        return view.Grab().pixelColor(int(c.Left) + dx, int(c.Top) + dy);
    }
};
}  // namespace

TEST_F(BoardFixture, ASlideIsPacedByTheClockAndPutsTheSourceBackHidden) {
    g.AnimationSpeed = 20;
    g.HumanCards[kId][3] = 5;
    g.HumanCards[kRank][3] = 5;
    board->ShowCard(PileRow::Human, 3, 5, card_kind::kSilent);
    const ControlGeom before = layout.Ctl("Picture7", 3);
    std::vector<std::pair<double, double>> shown;  // (seconds into the slide, box left) a wait
    pump.at = [&](double now) { shown.emplace_back(now, layout.Ctl("Picture7", 3).Left); };
    board->MoveCardAnim(PileRow::Human, 3, PileRow::Center, 2);
    const ControlGeom& after = layout.Ctl("Picture7", 3);
    EXPECT_FALSE(after.Visible);
    EXPECT_EQ(after.Left, before.Left);
    EXPECT_EQ(after.Top, before.Top);
    // 19 steps of 9 pixels to the left from 417, 4 ms each: 76 ms. A 60-frame screen is shown
    // steps 0, 4, 8, 12 and 16 at its frames; the last step, 18, comes at its own time, 72 ms.
    const std::vector<std::pair<double, double>> expected{{1 / 60.0, 417}, {2 / 60.0, 381},
                                                          {3 / 60.0, 345}, {4 / 60.0, 309},
                                                          {0.072, 273},    {0.076, 255}};
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_NEAR(shown[i].first, expected[i].first, 1e-9) << i;
        EXPECT_EQ(shown[i].second, expected[i].second) << i;
    }
    pump.at = nullptr;
    // The spare card covers the source.
    EXPECT_EQ(layout.Ctl("Picture1", 0).Left, before.Left);
    // A box standing at a fraction of a pixel goes back exactly there.
    const ControlGeom side = layout.Ctl("Picture7", 1);
    ASSERT_NE(side.Left, std::floor(side.Left));
    board->MoveCardAnim(PileRow::Human, 1, PileRow::Center, 2);
    EXPECT_EQ(layout.Ctl("Picture7", 1).Left, side.Left);
    EXPECT_EQ(layout.Ctl("Picture1", 0).Left, side.Left);
}

namespace {
// The areas the table paints, as the screen receives them.
struct PaintLog : QObject {
    std::vector<QRegion> areas;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) areas.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
};

int Area(const QRegion& r) {
    int a = 0;
    for (const QRect& part : r) a += part.width() * part.height();
    return a;
}
}  // namespace

// Each frame of a slide paints the table the card left and entered, and no frame the whole
// table; what the screen shows at the end is what a paint of the whole table shows, the spare
// card that an opponent's slide left on its side pile taken away.
TEST_F(BoardFixture, ASlidePaintsOnlyWhatTheCardLeavesAndEnters) {
    g.AnimationSpeed = 20;
    g.HumanCards[kId][3] = 5;
    g.HumanCards[kRank][3] = 5;
    board->ShowCard(PileRow::Human, 3, 5, card_kind::kSilent);
    g.CurSideCount = 4;
    board->ShowCard(PileRow::Opp1, kSideSlot, 40, card_kind::kSilent);
    board->PutMoverOnStock();  // the spare card shows a back, as a deal leaves it
    view.show();
    board->MoveCardAnim(PileRow::Opp1, kSideSlot, PileRow::Center, 1);
    ASSERT_TRUE(layout.Ctl("Picture1", 0).Visible);
    app.processEvents();
    PaintLog log;
    view.installEventFilter(&log);
    const ControlGeom& box = layout.Ctl("Picture7", 3);
    std::vector<QRect> places{BoxRect(box).toAlignedRect()};
    pump.at = [&](double) {
        places.push_back(BoxRect(box).toAlignedRect());
        const size_t before = log.areas.size();
        app.processEvents();
        ASSERT_EQ(log.areas.size(), before + 1) << "one paint a frame";
        const QRegion& painted = log.areas.back();
        EXPECT_EQ(painted.intersected(places[places.size() - 2]), places[places.size() - 2]);
        EXPECT_EQ(painted.intersected(places.back()), places.back());
        EXPECT_LT(Area(painted), view.width() * view.height() / 8) << places.size();
    };
    board->MoveCardAnim(PileRow::Human, 3, PileRow::Center, 2);
    pump.at = nullptr;
    board->ShowCard(PileRow::Center, 2, 5, card_kind::kSilent);
    app.processEvents();
    EXPECT_EQ(log.areas.size(), 7u);  // six frames, then the card put down and its box home
    EXPECT_LT(Area(log.areas.back()), view.width() * view.height() / 8);
    const QImage screen = view.screen()->grabWindow(view.winId()).toImage();
    EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32),
              view.Grab().convertToFormat(QImage::Format_RGB32));
}

TEST_F(BoardFixture, ASlideFromAHoldPileUncoversTheCardBelowOrThePlaceholder) {
    g.HumanHoldCount[1] = 1;
    g.HumanHold[kId][1][1] = 30;
    board->MoveCardAnim(PileRow::Human, 7, PileRow::Center, 1);
    const BoxFace* spare = canvas.FaceOf("Picture1_0");
    ASSERT_NE(spare, nullptr);
    EXPECT_EQ(spare->look.face, 30);
    EXPECT_TRUE(layout.Ctl("Picture1", 0).Visible);
    g.HumanHoldCount[2] = 0;
    board->MoveCardAnim(PileRow::Human, 8, PileRow::Center, 1);
    EXPECT_EQ(canvas.FaceOf("Picture1_0")->look.picture, CardPicture::LargeEmpty);
}

TEST_F(BoardFixture, DealingShowsTheCardAtItsSlotFaceUpForTheHuman) {
    HeadlessServices h(g);
    h.services.board = board.get();
    g.StockCount = 1;
    g.Deck[kId][1] = 27;
    g.Deck[kRank][1] = 1;
    Engine(g, h.services).DealCard(PileRow::Human, g.HumanCards, 2);
    EXPECT_TRUE(layout.Ctl("Picture7", 2).Visible);
    EXPECT_EQ(canvas.FaceOf("Picture7_2")->look.face, 27);
    // The heart Ace's big pip is red in the middle of the box.
    const QColor c = At("Picture7", 2, 35, 48);
    EXPECT_GT(c.red(), 150);
    EXPECT_LT(c.green(), 80);
}

// With three or four players the stock is a large card on a wide table but the dealt card shows
// the small back: it travels at the small size.
TEST_F(BoardFixture, TheDealtCardTravelsAtTheSizeOfItsBack) {
    LayOut(4, 4);
    for (int pturn : {1, 2}) {
        g.Pturn = static_cast<i16>(pturn);
        board->PutMoverOnStock();
        const ControlGeom& mover = layout.Ctl("Picture1", 0);
        EXPECT_EQ(canvas.FaceOf("Picture1_0")->look.picture, CardPicture::SmallBack);
        EXPECT_EQ(mover.Width, 59);
        EXPECT_EQ(mover.Height, 80);
        EXPECT_EQ(mover.Left, layout.Ctl("PicCenter", 0).Left);
    }
    LayOut(2, 3);
    board->PutMoverOnStock();
    EXPECT_EQ(layout.Ctl("Picture1", 0).Width, layout.Ctl("PicCenter", 0).Width);
}

TEST_F(BoardFixture, AMissingBoxSaysWhatWentWrongInsteadOfDrawing) {
    board->ShowCard(PileRow::Opp3, 4, 12, card_kind::kSilent);
    ASSERT_EQ(dialogs.asked, 1);
    EXPECT_NE(dialogs.lastText.find("Houston, we have a problem:"), std::string::npos);
    EXPECT_NE(dialogs.lastText.find("Object is: Picture3"), std::string::npos);
}

TEST_F(BoardFixture, BackgroundCycleWrapsAndOnlyPictureIndexesLoadAFile) {
    looks.BackgroundFiles = {"", "a.jpg", "b.jpg"};
    looks.BackgroundCount = 2;
    looks.BackgroundIndex = 2;
    board->CycleBackground(40);
    EXPECT_EQ(looks.BackgroundIndex, 3);  // the plain mat colour
    EXPECT_EQ(dialogs.lastTitle, "Brivo Backgrounds");
    EXPECT_EQ(looks.BackgroundChoice, 3);
    EXPECT_EQ(At("PicCenter", 0, -20, 0), QColor(0x1E, 0x6B, 0x34));
    board->CycleBackground(40);
    EXPECT_EQ(looks.BackgroundIndex, 1);
    board->CycleBackground(38);
    EXPECT_EQ(looks.BackgroundIndex, 3);
    EXPECT_EQ(dialogs.asked, 1);  // explained once per profile
    // Index 0 (or any other that names no picture) paints the mat colour, never a file.
    looks.BackgroundIndex = 0;
    board->LoadBackground();
    EXPECT_EQ(At("PicCenter", 0, -20, 0), QColor(0x1E, 0x6B, 0x34));
}

TEST_F(BoardFixture, AvatarsFitTheirBoxByTheirProportions) {
    QDir(dir.path()).mkpath("Avatars");
    struct Case {
        int w, h, wantW, wantH;
    } cases[] = {{64, 64, 120, 120}, {100, 82, 146, 120}, {200, 100, 120, 60}};
    for (const auto& c : cases) {
        QImage img(c.w, c.h, QImage::Format_RGB32);
        img.fill(Qt::red);
        img.save(dir.path() + "/Avatars/a.png");
        board->LoadAvatar("a.png");
        EXPECT_EQ(layout.Ctl("ImgAvatar").Width, c.wantW) << c.w << "x" << c.h;
        EXPECT_EQ(layout.Ctl("ImgAvatar").Height, c.wantH) << c.w << "x" << c.h;
        EXPECT_DOUBLE_EQ(layout.Ctl("ImgAvatar").Left, layout.Form().Width - c.wantW);
    }
    board->LoadAvatar("../escape.png");  // not a plain name: nothing changes
    board->LoadAvatar("missing.png");
    EXPECT_EQ(layout.Ctl("ImgAvatar").Width, 120);
}

TEST_F(BoardFixture, EmptySlotsNeverTakeTheMouseAndTheTutorialKeepsHoldPilesOpen) {
    g.HumanCards[kRank][2] = 4;
    g.HumanCards[kRank][8] = 9;
    board->EnableHumanPiles(true, 1, 10);
    EXPECT_TRUE(layout.Ctl("Picture7", 2).Enabled);
    EXPECT_FALSE(layout.Ctl("Picture7", 3).Enabled);
    EXPECT_FALSE(layout.Ctl("Picture7", 7).Enabled);
    EXPECT_TRUE(layout.Ctl("Picture7", 8).Enabled);
    g.TutorialOn = VbTrue;
    board->EnablePlayerPiles(false);
    EXPECT_FALSE(layout.Ctl("Picture7", 2).Enabled);
    for (int i = 7; i <= 10; ++i) EXPECT_TRUE(layout.Ctl("Picture7", i).Enabled) << i;
}

TEST_F(BoardFixture, AResetTableShowsEmptyPilesOverTheCardsDrawnBefore) {
    board->ShowCard(PileRow::Human, 8, 27, card_kind::kSilent);
    EXPECT_EQ(At("Picture7", 8, 6, 48).lightness(), 255);  // the face's white margin
    board->ResetTable();
    const QColor wood = At("Picture7", 8, 6, 48);
    EXPECT_GT(wood.red(), wood.blue() + 20);  // the wooden placeholder
}

// A reset asks the window for the wild panel, the idle timer off and the counter closed; a new
// layout between games shows the first opponent's avatar.
TEST_F(BoardFixture, TheBoardPassesOnWhatTheLayoutAsksOfTheWindow) {
    std::vector<std::string> asked;
    const auto note = [&asked](const char* what) {
        return [&asked, what] { asked.push_back(what); };
    };
    board->SetLayoutFollowers(
        {note("rules"), note("wild"), note("timer"), note("counter"), note("window")});
    board->ResetTable();
    EXPECT_EQ(asked, (std::vector<std::string>{"wild", "timer", "counter"}));

    QDir(dir.path()).mkpath("Avatars");
    QImage img(100, 82, QImage::Format_RGB32);
    img.fill(Qt::red);
    img.save(dir.path() + "/Avatars/opp.png");
    g.Opp[1].Avatar = "opp.png";
    g.Pturn = 0;
    g.NumPlayers = 3;
    g.NumCards = 156;
    board->SetupLayout(2, 3);
    EXPECT_EQ(layout.Ctl("ImgAvatar").Height, 120);
    EXPECT_EQ(layout.Ctl("ImgAvatar").Width, 146);
}
