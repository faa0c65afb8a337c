#pragma once

#include <QWidget>

#include <string_view>

class QTextBrowser;

namespace varnel::ui {

// The guide (使用说明) in a window of its own: the page with its pictures, read in a text browser whose
// links move within it. The window is modeless and owned by the program, which keeps one.
class GuideWindow : public QWidget {
    Q_OBJECT

  public:
    explicit GuideWindow(QWidget* parent = nullptr);

    // Shows the window, brought to the front, with the part that begins at the anchor at its top.
    void showPart(std::string_view part);
    QTextBrowser* browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace varnel::ui
