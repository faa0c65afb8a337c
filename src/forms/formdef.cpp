#include "forms/formdef.h"

#include <algorithm>
#include <stdexcept>

namespace varnel::forms {

bool takesFocus(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::ComboBox:
    case Kind::CommandButton:
    case Kind::Table:
        return true;
    default:
        return false;
    }
}

bool showsCaption(Kind kind) {
    switch (kind) {
    case Kind::Frame:
    case Kind::Label:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::CommandButton:
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
