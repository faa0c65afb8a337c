#pragma once

#include <QGroupBox>

namespace varnel::ui {

// A group frame drawn as the twip layout expects: its border line runs at the middle of the caption's
// height, and the caption, a little in from the left, interrupts it. The first row of controls starts
// below that line.
class CaptionedFrame : public QGroupBox {
  public:
    CaptionedFrame(const QString& caption, QWidget* parent);

    // Where the top border line runs, in the frame's own coordinates.
    int topLineY() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace varnel::ui
