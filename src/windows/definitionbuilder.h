#pragma once

#include "forms/formdef.h"

#include <string>

namespace varnel::windows {

// The control model's terms, as every window definition uses them.
using forms::ControlDef;
using forms::ControlKind;
using forms::FontDef;
using forms::FormDef;
using forms::Placement;
using forms::Rect;
using forms::Rgb;
using forms::ScrollBars;

namespace detail {

// Shorthand for the rows of the window tables.
inline ControlDef control(ControlKind kind, std::string name, std::string container, std::string caption,
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
    return control(ControlKind::MenuItem, std::move(name), std::move(parent), std::move(caption), {}, 0);
}

} // namespace detail

} // namespace varnel::windows
