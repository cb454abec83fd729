#include "board/model_canvas.h"

std::string RowName(PileRow row) {
    switch (row) {
        case PileRow::Center:
            return "PicCenter";
        case PileRow::Opp1:
            return "Picture1";
        case PileRow::Opp2:
            return "Picture2";
        case PileRow::Opp3:
            return "Picture3";
        case PileRow::Human:
            return "Picture7";
        case PileRow::HoldWindow:
            return "Picture8";
        case PileRow::Sample:
            return "FilePic";
    }
    return "";
}

bool ModelCanvas::Has(PileRow row, int index) const {
    return form_.IsLoaded(RowName(row), index);
}

ControlGeom* ModelCanvas::Box(PileRow row, int index) {
    return Has(row, index) ? &form_.At(RowName(row), index) : nullptr;
}

void ModelCanvas::Paint(PileRow row, int index, const CardLook& look) {
    if (!Has(row, index)) return;
    // A drawn card replaces the picture the layout named; the layout naming one again (an empty
    // pile after a reset) replaces the card.
    form_.At(RowName(row), index).Picture.clear();
    BoxFace& f = faces_[ControlKey(RowName(row), index)];
    f.look = look;
    f.painted = true;
    if (look.border) f.border = true;
    if (look.colour != BoxColour::Keep) f.colour = look.colour;
}

void ModelCanvas::SetBorder(PileRow row, int index, bool on) {
    if (Has(row, index)) faces_[ControlKey(RowName(row), index)].border = on;
}

void ModelCanvas::SetVisible(PileRow row, int index, bool on) {
    if (ControlGeom* c = Box(row, index)) c->Visible = on;
}

void ModelCanvas::BringToFront(PileRow row, int index) {
    if (ControlGeom* c = Box(row, index)) c->Front = true;
}

void ModelCanvas::PlaySound(const std::string& dataFile) {
    // Optional: a table drawn without a window (the layout's own checks) plays nothing.
    if (playSound) playSound(dataFile);
}

void ModelCanvas::SetWildLabel(int center, const std::string& text) {
    if (form_.IsLoaded("LblWild", center)) {
        ControlGeom& l = form_.At("LblWild", center);
        l.Caption = text;
        l.Visible = !text.empty();
    }
    // The pile's tool tip carries the value with the blank the runtime puts before a number.
    if (form_.IsLoaded("PicCenter", center))
        form_.At("PicCenter", center).ToolTip = text.empty() ? "" : " " + text;
}

void ModelCanvas::HideHoldImage() {
    if (form_.IsLoaded("ImgHold")) form_.At("ImgHold").Visible = false;
}

const BoxFace* ModelCanvas::FaceOf(const std::string& key) const {
    const auto it = faces_.find(key);
    return it == faces_.end() ? nullptr : &it->second;
}
