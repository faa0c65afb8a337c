#pragma once

#include "forms/control.h"

#include <QRect>

namespace varnel::ui {

// Twips to logical pixels: 15 twips are one pixel at 96 dpi; the screen's logical dpi scales that, so a
// window keeps its proportions with larger text settings. Device pixels follow from Qt's own scaling.
class Twips {
  public:
    explicit Twips(double logicalDpi = 96) : m_dpi(logicalDpi) {}
    int px(int twips) const;
    QRect rect(const forms::Rect& r) const;

  private:
    double m_dpi;
};

} // namespace varnel::ui
