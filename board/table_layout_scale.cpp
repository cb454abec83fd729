// The main window's own scaling and the developer's label aid.
#include "board/layout_scale_form.h"
#include "board/table_layout.h"

void TableLayout::Scale_Form(int Mode, int Step) {
    ScaleContext ctx;
    ctx.ScreenWidth = ScreenWidth;
    ctx.StartingUp = StartingUp;
    ctx.MainWindow = true;
    ctx.DropBase = &DropBase;
    ctx.DefaultWindowHeight = &DefaultWindowHeight;
    ::Scale_Form(form_, Mode, Step, ctx);
}

void TableLayout::Toggle_LabelNames() {
    for (auto& [key, c] : form_.Controls) {
        if (c.Kind != ControlKind::Label) continue;
        c.Visible = true;
        if (!c.Caption.empty()) continue;
        const std::string_view name = ControlBaseName(key);
        c.Caption = std::string(name);
        if (name.size() < key.size()) c.Caption += " " + key.substr(name.size() + 1);
    }
    Ctl("imgIcon").Visible = true;
}
