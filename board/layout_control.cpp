#include "board/layout_control.h"

#include <stdexcept>

std::string ControlKey(std::string_view name, int index) {
    std::string key(name);
    if (index >= 0) key += "_" + std::to_string(index);
    return key;
}

bool FormModel::IsLoaded(std::string_view name, int index) const {
    return Controls.count(ControlKey(name, index)) != 0;
}

ControlGeom& FormModel::At(std::string_view name, int index) {
    auto it = Controls.find(ControlKey(name, index));
    if (it == Controls.end())
        throw std::out_of_range("control not loaded: " + ControlKey(name, index));
    return it->second;
}

const ControlGeom& FormModel::At(std::string_view name, int index) const {
    return const_cast<FormModel*>(this)->At(name, index);
}

ControlGeom& FormModel::Load(std::string_view name, int index, const ControlGeom& from) {
    ControlGeom& c = Controls[ControlKey(name, index)];
    c = from;
    c.Visible = false;
    return c;
}

void FormModel::Unload(std::string_view name, int index) {
    Controls.erase(ControlKey(name, index));
}
