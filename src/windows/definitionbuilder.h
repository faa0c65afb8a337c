#pragma once

#include "forms/control.h"

#include <string>

namespace varnel::windows::detail {

using forms::ControlDef;
using forms::Kind;
using forms::Rect;

// Shorthand for the rows of the window tables.
inline ControlDef control(Kind kind, std::string name, std::string container, std::string caption,
                          Rect geometry, int tab) {
    ControlDef c;
    c.kind = kind;
    c.name = std::move(name);
    c.container = std::move(container);
    c.caption = std::move(caption);
    c.geometry = geometry;
    c.tab = tab;
    return c;
}

inline ControlDef menuItem(std::string name, std::string parent, std::string caption) {
    return control(Kind::MenuItem, std::move(name), std::move(parent), std::move(caption), {}, 0);
}

} // namespace varnel::windows::detail
