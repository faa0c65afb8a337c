#pragma once

class QWidget;

namespace varnel::ui {

// Places a top-level window so that the whole window, frame and title bar included, sits in the middle
// of the primary screen's available area. Before the window is shown its frame is not known yet, so the
// window is centred as if it had none; once a window manager has framed it (the frame appears with the
// first move or resize after showing), it is centred again, once. Call before show().
void centreOnScreen(QWidget& window);

} // namespace varnel::ui
