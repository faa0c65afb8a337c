#include "ui/guidewindow.h"

#include "windows/guide.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace varnel::ui {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Guide"));
    setWindowTitle(QStringLiteral("使用说明"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("guideText"));
    m_browser->setAccessibleName(QStringLiteral("使用说明"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(qs(windows::guide::page)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    // Wide enough for the widest window's picture, and as tall as the screen allows.
    const int em = fontMetrics().horizontalAdvance(QStringLiteral("中"));
    QSize size(em * 90, em * 50);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void GuideWindow::showPart(std::string_view part) {
    showNormal();
    raise();
    activateWindow();
    QUrl at(qs(windows::guide::page));
    at.setFragment(qs(part));
    // The same page again only moves to its anchor; the top of the page has no anchor to move to.
    m_browser->setSource(at);
    m_browser->scrollToAnchor(qs(part));
}

} // namespace varnel::ui
