#include "board/qt/table_render.h"

#include <cmath>

#include "board/model_canvas.h"
#include "board/qt/card_pictures.h"
#include "board/qt/table_painter.h"
#include "board/qt/textures.h"
#include "board/table_draw.h"

QImage RenderTable(const Game& g, TableLayout& layout, const BoardLooks& looks,
                   CardPictures& pictures, const RenderExtras& extras) {
    FormModel& form = layout.Form();
    ModelCanvas canvas(form);
    const DrawInputs in{g, looks, layout.DisplayMode, layout.ScreenWidth, layout.LargeFonts};
    DrawTable(canvas, in);
    const int w = static_cast<int>(std::ceil(form.Width));
    const int h = static_cast<int>(std::ceil(form.Height));
    QImage img = BlankImage(w, h, pictures.dpr());
    QPainter p(&img);
    PaintTable(p, TableScene{form, canvas, pictures, looks, extras.background, extras.stretch,
                             extras.avatar, true});
    return img;
}
