// Dialogs kept within the screen: a message box with a long text shows it whole, wrapped as the
// box itself wraps it; a dialog taller than the screen scrolls its contents and fits.
#include "platform/qt/dialog_screen_fit.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "tests/qt/qt_test_app.h"

namespace {

struct ScreenFitTest : ::testing::Test {
    DialogScreenFit fit;
    void SetUp() override { TestApp().installEventFilter(&fit); }
    void TearDown() override { TestApp().removeEventFilter(&fit); }
    static QRect Area(const QWidget& w) { return w.screen()->availableGeometry(); }
};

TEST_F(ScreenFitTest, ALongMessageShowsWholeInItsBox) {
    // The first start's greeting: three lines of the program's texts joined into one.
    const QString text =
        "Welcome! Press Deal to start your first game. Drag your cards onto the center piles, "
        "and end your turn by dropping a card from your hand on one of your hold piles. The menu "
        "bar appears when you move the pointer to the top of the window; F1 opens the help.";
    QMessageBox box(QMessageBox::Information, "Enjoy playing!", text, QMessageBox::Ok);
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(box.findChild<QScrollArea*>("screenFitScroll"), nullptr);
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    ASSERT_TRUE(label);
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    EXPECT_TRUE(box.rect().contains(label->geometry()));
    EXPECT_TRUE(box.button(QMessageBox::Ok)->isVisible());
    EXPECT_TRUE(Area(box).contains(box.geometry()));
}

TEST_F(ScreenFitTest, ADialogTallerThanTheScreenScrollsItsContents) {
    QDialog dialog;
    auto* rows = new QVBoxLayout(&dialog);
    for (int i = 0; i < 80; ++i) rows->addWidget(new QLabel(QString("Row %1").arg(i)));
    dialog.show();
    QApplication::processEvents();
    EXPECT_NE(dialog.findChild<QScrollArea*>("screenFitScroll"), nullptr);
    EXPECT_TRUE(Area(dialog).contains(dialog.geometry()));
}

}  // namespace
