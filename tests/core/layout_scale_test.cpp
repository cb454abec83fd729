// Scaling a window and its controls: fitting to the screen, one step larger or smaller, and
// what the main window keeps at its designed size.
#include <gtest/gtest.h>

#include <cmath>

#include "board/layout_scale_form.h"
#include "board/layout_twips.h"
#include "tests/core/layout_fixture.h"

namespace {

ControlGeom Box(ControlKind kind, double l, double t, double w, double h) {
    ControlGeom c;
    c.Kind = kind;
    c.Left = l, c.Top = t, c.Width = w, c.Height = h;
    c.FontSize = 10;
    return c;
}

FormModel Dialog(const char* name) {
    FormModel f;
    f.Name = name;
    f.Width = 400, f.Height = 300, f.FontSize = 10;
    f.Controls["Label1"] = Box(ControlKind::Label, 10, 20, 100, 30);
    f.Controls["Combo1"] = Box(ControlKind::ComboBox, 10, 60, 100, 21);
    f.Controls["Image1"] = Box(ControlKind::Image, 200, 100, 40, 40);
    f.Controls["Line1"] = Box(ControlKind::Line, 0, 0, 50, 50);
    return f;
}

struct ScaleCase {
    const char* title;
    int mode, step;
    i32 screenWidth, screenHeight;
    double x, y;  // expected factors; 1 1: unchanged
    int dropBase;
};

class ScaleDialog : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleDialog, ScalesWindowAndControlsByTheFactors) {
    const ScaleCase c = GetParam();
    FormModel f = Dialog("frmChat");
    i16 dropBase = 82;
    ScaleContext ctx{c.screenWidth, c.screenHeight, false, false, &dropBase, nullptr};
    Scale_Form(f, c.mode, c.step, ctx);
    EXPECT_DOUBLE_EQ(f.Width, 400 * c.x);
    EXPECT_DOUBLE_EQ(f.Height, 300 * c.y);
    EXPECT_DOUBLE_EQ(f.FontSize, 10 * c.x);
    const ControlGeom& label = f.Controls.at("Label1");
    EXPECT_DOUBLE_EQ(label.Left, 10 * c.x);
    EXPECT_DOUBLE_EQ(label.Top, 20 * c.y);
    EXPECT_DOUBLE_EQ(label.Width, 100 * c.x);
    EXPECT_DOUBLE_EQ(label.Height, 30 * c.y);
    EXPECT_DOUBLE_EQ(label.FontSize, 10 * c.x);
    EXPECT_DOUBLE_EQ(f.Controls.at("Combo1").Height, 21);  // follows its font
    EXPECT_DOUBLE_EQ(f.Controls.at("Image1").FontSize, 10);
    EXPECT_DOUBLE_EQ(f.Controls.at("Image1").Width, 40 * c.x);
    EXPECT_DOUBLE_EQ(f.Controls.at("Line1").Width, 50);
    EXPECT_EQ(dropBase, c.dropBase);
}

std::string Title(const ::testing::TestParamInfo<ScaleCase>& info) {
    return info.param.title;
}

INSTANTIATE_TEST_SUITE_P(
    Factors, ScaleDialog,
    ::testing::Values(ScaleCase{"FitOnDesignScreen", 4, 0, 12000, 9000, 1, 1, 82},
                      ScaleCase{"FitOn1024x768", 4, 0, 15360, 11520, 1.28, 1.28, 82},
                      ScaleCase{"FitOnWideScreen", 4, 0, 28800, 16200, 2.4, 1.8, 82},
                      ScaleCase{"Larger", 5, 2, 15360, 11520, 1.25, 1.25, 102},
                      ScaleCase{"Smaller", 5, 3, 15360, 11520, 0.8, 0.8, 66},
                      ScaleCase{"UnknownStep", 5, 7, 15360, 11520, 1, 1, 82}),
    Title);

TEST(ScaleForm, LargerThenSmallerComesBack) {
    FormModel f = Dialog("frmChat");
    const FormModel before = f;
    ScaleContext ctx;
    Scale_Form(f, 5, 2, ctx);
    Scale_Form(f, 5, 3, ctx);
    EXPECT_NEAR(f.Width, before.Width, 1e-9);
    for (const auto& [key, c] : before.Controls) {
        EXPECT_NEAR(f.Controls.at(key).Left, c.Left, 1e-9) << key;
        EXPECT_NEAR(f.Controls.at(key).Height, c.Height, 1e-9) << key;
    }
}

TEST(ScaleForm, MaximisedOrMinimisedWindowStaysAsItIs) {
    for (int state : {1, 2}) {
        FormModel f = Dialog("frmChat");
        f.WindowState = state;
        const FormModel before = f;
        ScaleContext ctx;
        Scale_Form(f, 5, 3, ctx);
        EXPECT_EQ(f.Width, before.Width);
        EXPECT_EQ(f.Controls.at("Label1"), before.Controls.at("Label1"));
    }
}

TEST(ScaleForm, CounterWindowKeepsItsImages) {
    FormModel f = Dialog("frmCounter");
    ScaleContext ctx;
    Scale_Form(f, 5, 3, ctx);
    EXPECT_EQ(f.Controls.at("Image1"), Dialog("frmCounter").Controls.at("Image1"));
    EXPECT_DOUBLE_EQ(f.Controls.at("Label1").Width, 80);
}

TEST(ScaleForm, MainWindowKeepsItsWidthAndFixedControls) {
    for (const i32 screen : {kScreen800 - 1, kScreen800, kScreen1024}) {
        SCOPED_TRACE(screen);
        TableLayout t = FreshTable(2, 4, 0, screen);
        const FormModel before = t.Form();
        t.Scale_Form(5, 3);
        const FormModel& f = t.Form();
        EXPECT_EQ(f.Width, before.Width);
        EXPECT_DOUBLE_EQ(f.Height, before.Height * 0.8);
        EXPECT_EQ(t.DefaultWindowHeight, static_cast<i32>(std::nearbyint(before.Height * 0.8)));
        for (const char* fixed :
             {"lblRules", "lblLevel", "picPanel", "imgIcon", "ImgTurn1", "ImgTurn2", "StatusBar1"})
            EXPECT_EQ(f.At(fixed), before.At(fixed)) << fixed;
        // The avatar keeps its size on a wide screen, where it stands at the right edge.
        const bool avatarKept = screen >= 12000;
        EXPECT_EQ(f.At("ImgAvatar") == before.At("ImgAvatar"), avatarKept);
        const ControlGeom& hold = f.At("Picture7", 7);
        EXPECT_DOUBLE_EQ(hold.Left, before.At("Picture7", 7).Left * 0.8);
        EXPECT_DOUBLE_EQ(hold.Height, 96 * 0.8);
        EXPECT_DOUBLE_EQ(f.At("Label9", 2).FontSize, before.At("Label9", 2).FontSize * 0.8);
        EXPECT_DOUBLE_EQ(f.At("cmdDeal").FontSize, before.At("cmdDeal").FontSize * 0.8);
        EXPECT_DOUBLE_EQ(f.At("imgCenter").FontSize, before.At("imgCenter").FontSize);
        EXPECT_EQ(t.DropBase, 66);
    }
}

TEST(ScaleForm, MainWindowStartingUpKeepsItsHeight) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    const double height = t.Form().Height;
    const double top = t.Ctl("Picture7", 1).Top;
    t.StartingUp = true;
    t.Scale_Form(5, 2);
    EXPECT_EQ(t.Form().Height, height);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 1).Top, top * 1.25);
}

}  // namespace

namespace {

TEST(WindowSize, WideScreensKeepTheirWidthUntilARecordIsWritten) {
    const TableLayout t = FreshTable(2, 4, 0, 2560 * 15);
    EXPECT_EQ(t.DefaultWindowWidth, 2560);
    EXPECT_DOUBLE_EQ(t.Form().Width, 2560);
    EXPECT_DOUBLE_EQ(t.Ctl("ImgAvatar").Left, 2560 - 120);
    EXPECT_EQ(TwipsForRecord(2560), 32767);
    EXPECT_EQ(TwipsForRecord(1024), 15360);
    EXPECT_EQ(TwipsForRecord(-3000), -32768);
}

}  // namespace
