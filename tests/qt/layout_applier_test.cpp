#include "board/qt/layout_applier.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "board/table_layout.h"
#include "tests/qt/qt_test_app.h"

namespace {

Game CountsGame(int players) {
    Game g;
    g.NumPlayers = static_cast<i16>(players);
    g.NumCenters = 4;
    g.CurSideShape = 99;
    g.Opp[1].Name = "Brivo";
    g.Opp[2].Name = "Tessik";
    g.Opp[3].Name = "Ruun";
    return g;
}

QWidget* Child(QWidget& table, const char* name) {
    return table.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

TEST(LayoutApplier, PlacesWidgetsWhereTheModelPutsThem) {
    TestApp();
    TableLayout layout(15360, false);
    const Game g = CountsGame(4);
    layout.StartUp(g, 0);
    QWidget table;
    ApplyLayout(layout.Form(), &table);

    QWidget* hold = Child(table, "Picture7_7");
    ASSERT_NE(hold, nullptr);
    EXPECT_EQ(hold->geometry(), QRect(433, 273, 71, 96));
    QWidget* fourth = Child(table, "Picture3_10");
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->width(), 59);
    // A fractional position is rounded to the nearest pixel.
    EXPECT_EQ(Child(table, "Picture7_1")->x(), 344);  // 344.25

    auto* name = qobject_cast<QLabel*>(Child(table, "Label9_6"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Ruun");
    EXPECT_NE(qobject_cast<QPushButton*>(Child(table, "cmdDeal")), nullptr);
    EXPECT_EQ(Child(table, "PicCenter_4")->property(kPictureProperty).toString(), "EmptyPic");
}

TEST(LayoutApplier, RemovesTheWidgetsOfUnloadedControls) {
    TestApp();
    TableLayout layout(15360, false);
    layout.StartUp(CountsGame(4), 0);
    QWidget table;
    ApplyLayout(layout.Form(), &table);
    QWidget* foreign = new QWidget(&table);
    foreign->setObjectName("Picture3_5");  // not one of the applier's: left alone

    const Game two = CountsGame(2);
    layout.Setup_Layout(two, 4, 4);
    ApplyLayout(layout.Form(), &table);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(Child(table, "Picture3_10"), nullptr);
    EXPECT_EQ(Child(table, "Stack_100"), nullptr);
    EXPECT_NE(Child(table, "Picture3_5"), nullptr);
    EXPECT_FALSE(Child(table, "Picture3_1")->isVisibleTo(&table));
    EXPECT_EQ(Child(table, "Picture1_7")->geometry(), QRect(480, 128, 71, 96));
}

}  // namespace

namespace {

TEST(LayoutApplier, TheStartUpTableOnANarrowScreen) {
    TestApp();
    TableLayout layout(12000, false);
    layout.StartUp(CountsGame(2), 0);
    QWidget table;
    ApplyLayout(layout.Form(), &table);
    QWidget* stock = Child(table, "PicCenter_0");
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->size(), QSize(59, 80));  // the small stock on an 800-pixel screen
    EXPECT_EQ(layout.Form().Width, 800);
}

}  // namespace
