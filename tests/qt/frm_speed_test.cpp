// The speed window driven through its scroll bars.
#include "records/qt/frm_speed.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "tests/qt/qt_test_app.h"

TEST(SpeedWindow, OpensOnTheSettingsAndTheBarsChangeThem) {
    TestApp();
    PlayOptions o;
    o.SpeedLevel = 0;
    o.MovePause = 0.9f;  // the profile's pause for level 0
    o.AnimationSpeed = 150;
    FrmSpeed form(o);
    form.show();
    SaveRender(form.grab().toImage(), "frm_speed");
    auto* h = form.findChild<QScrollBar*>("HScroll1");
    auto* v = form.findChild<QScrollBar*>("VScroll1");
    ASSERT_TRUE(h && v);
    EXPECT_EQ(form.windowTitle(), "Speed Settings");
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "coma");
    EXPECT_EQ(v->value(), 7);
    EXPECT_EQ(form.findChild<QLabel*>("lblAni")->text(), " 7");
    EXPECT_FLOAT_EQ(o.MovePause, 0.9f);  // opening changes nothing

    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(o.SpeedLevel, 1);
    EXPECT_FLOAT_EQ(o.MovePause, 0.5f);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "turtle");
    h->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_FLOAT_EQ(o.MovePause, 0.7f);
    v->setValue(10);
    EXPECT_EQ(o.AnimationSpeed, 250);
    EXPECT_EQ(form.findChild<QLabel*>("lblAni")->text(), " 10");
    form.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
}
