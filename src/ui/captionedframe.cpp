#include "ui/captionedframe.h"

#include <QStylePainter>

namespace varnel::ui {

namespace {
constexpr int captionIndent = 6;  // pixels from the frame's left edge to the caption
constexpr int captionPadding = 2; // room between the caption and the line on either side
} // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    // Said by name: unnamed, Qt would announce a frame inside another by the outer frame's caption.
    setAccessibleName(caption);
}

int CaptionedFrame::topLineY() const {
    return fontMetrics().height() / 2;
}

void CaptionedFrame::paintEvent(QPaintEvent*) {
    // Drawn here rather than by the style, which puts the line below the whole caption: an etched line,
    // a dark one with a light one inside it.
    QStylePainter painter(this);
    const QRect line = rect().adjusted(0, topLineY(), -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(line.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.adjusted(1, 1, 0, 0));
    if (title().isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(captionIndent, 0, metrics.horizontalAdvance(title()) + 2 * captionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().brush(QPalette::Window));
    painter.drawItemText(caption, Qt::AlignCenter, palette(), isEnabled(), title(), QPalette::WindowText);
}

} // namespace varnel::ui
