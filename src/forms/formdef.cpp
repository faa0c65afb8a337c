#include "forms/formdef.h"

#include <algorithm>
#include <stdexcept>

namespace varnel::forms {

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::CommandButton:
    case ControlKind::Table:
        return true;
    default:
        return false;
    }
}

bool showsCaption(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
        return true;
    default:
        return false;
    }
}

const ControlDef* FormDef::find(std::string_view control) const {
    auto it = std::find_if(controls.begin(), controls.end(),
                           [&](const ControlDef& c) { return c.name == control; });
    return it == controls.end() ? nullptr : &*it;
}

const ControlDef& FormDef::at(std::string_view control) const {
    if (const ControlDef* c = find(control))
        return *c;
    throw std::out_of_range(name + " has no control " + std::string(control));
}

} // namespace varnel::forms
