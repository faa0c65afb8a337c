#include "ui/twips.h"

#include <cmath>

namespace varnel::ui {

int Twips::px(int twips) const {
    return static_cast<int>(std::lround(twips * m_dpi / 1440.0));
}

QRect Twips::rect(const forms::Rect& r) const {
    // Edges are rounded, not sizes, so that controls that meet in twips meet in pixels.
    const int left = px(r.left);
    const int top = px(r.top);
    return QRect(left, top, px(r.left + r.width) - left, px(r.top + r.height) - top);
}

} // namespace varnel::ui
