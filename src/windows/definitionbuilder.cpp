#include "windows/definitionbuilder.h"

namespace varnel::windows::detail {

ControlDef control(ControlKind kind, std::string_view name, std::string_view container,
                   std::string_view caption, Rect geometry, int tab) {
    ControlDef c;
    c.kind = kind;
    c.name = name;
    c.container = container;
    c.caption = caption;
    c.geometry = geometry;
    c.tab = tab;
    return c;
}

ControlDef menuItem(std::string_view name, std::string_view parent, std::string_view caption) {
    return control(ControlKind::MenuItem, name, parent, caption, {}, 0);
}

} // namespace varnel::windows::detail
