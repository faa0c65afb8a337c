#pragma once

#include "forms/control.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel::forms {

enum class Placement { Centred, SystemDefault };

// A window as data: its caption, client size in twips, first placement and controls.
struct FormDef {
    std::string name;
    std::string caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    Placement placement = Placement::SystemDefault;
    bool hasMenuBar = false;
    std::vector<ControlDef> controls;

    const ControlDef* find(std::string_view control) const;
    const ControlDef& at(std::string_view control) const; // throws std::out_of_range for an unknown name
};

} // namespace varnel::forms
