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
    labelNames_.Toggle(form_);
}
