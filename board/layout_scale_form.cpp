#include "board/layout_scale_form.h"

#include <cctype>
#include <cmath>

std::string_view ControlBaseName(std::string_view key) {
    const auto cut = key.rfind('_');
    if (cut == std::string_view::npos || cut + 1 == key.size()) return key;
    for (std::size_t i = cut + 1; i < key.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(key[i]))) return key;
    return key.substr(0, cut);
}

namespace {

struct Factors {
    double x = 1;
    double y = 1;
};

// The main window's menu bar, rules, level, icon, turn markers and status notice keep their
// designed size (the notice's lines are measured to its box); so does the avatar from an 800-pixel
// screen up, where it stands against the window's right edge.
bool KeepsMainSize(std::string_view name, i32 screenWidth) {
    for (const char* fixed :
         {"lblRules", "lblLevel", "picPanel", "imgIcon", "ImgTurn1", "ImgTurn2", "StatusMsg"})
        if (name == fixed) return true;
    if (name == "ImgAvatar" || name == "imgSlap") return screenWidth >= 12000;
    return false;
}

bool ScalesOnMain(ControlKind k) {
    return k == ControlKind::Image || k == ControlKind::PictureBox || k == ControlKind::Label ||
           k == ControlKind::Shape || k == ControlKind::CommandButton;
}

void ScaleMainControls(FormModel& frm, Factors f, i32 screenWidth) {
    for (auto& [key, c] : frm.Controls) {
        const std::string_view name = ControlBaseName(key);
        if (!ScalesOnMain(c.Kind) || KeepsMainSize(name, screenWidth)) continue;
        c.Left *= f.x;
        c.Top *= f.y;
        c.Height *= f.y;
        c.Width *= f.x;
        if (c.Kind == ControlKind::Label || c.Kind == ControlKind::CommandButton) c.FontSize *= f.x;
    }
}

void ScaleOtherControls(FormModel& frm, Factors f) {
    for (auto& [key, c] : frm.Controls) {
        if (frm.Name == "frmCounter" && c.Kind == ControlKind::Image) continue;
        if (c.Kind == ControlKind::Line || c.Kind == ControlKind::Menu) continue;
        c.Left *= f.x;
        c.Top *= f.y;
        if (c.Kind != ControlKind::ComboBox) c.Height *= f.y;  // its height follows its font
        c.Width *= f.x;
        if (c.Kind != ControlKind::Image) c.FontSize *= f.x;
    }
}

}  // namespace

void Scale_Form(FormModel& Frm, int Mode, int Step, ScaleContext& ctx) {
    if (Frm.WindowState != 0) return;
    Factors f;
    if (Mode == 4) {
        // A screen of 12000 x 9000 twips shows the window as designed.
        f = {ctx.ScreenWidth / 12000.0, ctx.ScreenHeight / 9000.0};
    } else if (Mode == 5 && (Step == 2 || Step == 3)) {
        const double step = Step == 2 ? 1.25 : 0.8;
        f = {step, step};
        if (ctx.DropBase) *ctx.DropBase = static_cast<i16>(std::nearbyint(82 * step));
    } else {
        return;
    }
    if (!(ctx.MainWindow && ctx.StartingUp)) Frm.Height *= f.y;
    if (ctx.MainWindow) {
        if (ctx.DefaultWindowHeight)
            *ctx.DefaultWindowHeight = static_cast<i32>(std::nearbyint(Frm.Height));
        ScaleMainControls(Frm, f, ctx.ScreenWidth);
    } else {
        Frm.Width *= f.x;
    }
    Frm.FontSize *= f.x;
    if (!ctx.MainWindow) ScaleOtherControls(Frm, f);
}
