#include "ui/centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace varnel::ui {

namespace {

void moveFrameToCentre(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Waits for the window manager's frame and centres the window once it is known. A window nobody frames
// (no window manager, or the offscreen platform) is left where it was; the watch ends after a few
// seconds either way, so a window the user has since moved is never moved back.
class FrameWatch : public QObject {
  public:
    explicit FrameWatch(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
        QTimer::singleShot(3000, this, [this] { deleteLater(); });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (moved && m_window.isVisible() && m_window.frameGeometry().size() != m_window.size()) {
            m_window.removeEventFilter(this);
            // Move after the event that brought the frame has been handled, not inside it. The watch is
            // the window's child: if the window goes first, so does this.
            QTimer::singleShot(0, this, [this] {
                moveFrameToCentre(m_window);
                deleteLater();
            });
        }
        return false;
    }

  private:
    QWidget& m_window;
};

} // namespace

void centreOnScreen(QWidget& window) {
    window.adjustSize();
    moveFrameToCentre(window);
    new FrameWatch(window); // owned by the window
}

} // namespace varnel::ui
