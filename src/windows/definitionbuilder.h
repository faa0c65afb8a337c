#pragma once

#include "forms/formdef.h"

#include <string_view>

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

// Shorthand for the rows of the window tables. Out of line, taking the texts as views: a window's rows
// then cost a call each rather than the whole construction of a control, spelled out row by row.
ControlDef control(ControlKind kind, std::string_view name, std::string_view container,
                   std::string_view caption, Rect geometry, int tab);
ControlDef menuItem(std::string_view name, std::string_view parent, std::string_view caption);

} // namespace detail

} // namespace varnel::windows
