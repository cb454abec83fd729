#include "board/label_names.h"

#include "board/layout_scale_form.h"

namespace {
// The emoticon beside the player shows with the labels, so that its box can be found too.
constexpr const char* kIcon = "imgIcon";

std::string NameOf(const std::string& key) {
    const std::string_view name = ControlBaseName(key);
    std::string caption(name);
    if (name.size() < key.size()) caption += " " + key.substr(name.size() + 1);
    return caption;
}
}  // namespace

void LabelNames::Toggle(FormModel& form) {
    if (shown_)
        Hide(form);
    else
        Show(form);
}

void LabelNames::Show(FormModel& form) {
    changed_.clear();
    for (auto& [key, c] : form.Controls) {
        if (c.Kind != ControlKind::Label && key != kIcon) continue;
        Changed was{c.Visible, c.Caption, c.Caption, c.Picture};
        c.Visible = true;
        if (c.Kind == ControlKind::Label && c.Caption.empty()) c.Caption = NameOf(key);
        was.captionAfter = c.Caption;
        changed_[key] = was;
    }
    shown_ = true;
}

// A control the game has written to since is the game's again: only what still shows the aid's
// work is put back.
void LabelNames::Hide(FormModel& form) {
    for (const auto& [key, was] : changed_) {
        auto it = form.Controls.find(key);
        if (it == form.Controls.end()) continue;
        ControlGeom& c = it->second;
        if (c.Caption != was.captionAfter || c.Picture != was.picture) continue;
        c.Caption = was.captionBefore;
        c.Visible = was.wasVisible;
    }
    changed_.clear();
    shown_ = false;
}
