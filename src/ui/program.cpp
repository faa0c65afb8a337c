#include "ui/program.h"

#include "ui/centring.h"
#include "ui/reportcommands.h"

#include <QApplication>
#include <QMessageBox>

namespace varnel::ui {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

Program::Program() = default;

Program::~Program() {
    for (auto& [name, window] : m_windows)
        delete window.data();
}

void Program::start() {
    m_session.start();
}

FormWindow* Program::window(const std::string& form) const {
    auto it = m_windows.find(form);
    return it == m_windows.end() ? nullptr : it->second.data();
}

FormWindow* Program::open(const std::string& form) {
    auto* w = new FormWindow(forms::windowDefinition(form));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowIcon(QApplication::windowIcon());
    m_windows[form] = w;
    connect(w, &FormWindow::closed, this, [this, form] { closed(form); });
    m_session.bind(w->model());
    if (form == forms::windows::report)
        new ReportCommands(*w, *this); // owned by the window
    if (w->model().definition().placement == forms::Placement::Centred)
        centreOnScreen(*w);
    w->show();
    w->focusFirstControl();
    return w;
}

forms::Form& Program::showWindow(std::string_view name) {
    const std::string form(name);
    FormWindow* w = window(form);
    if (!w)
        return open(form)->model();
    w->showNormal();
    w->raise();
    w->activateWindow();
    return w->model();
}

void Program::showMessage(const forms::Message& message) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (message.icon == forms::MessageIcon::Stop)
        icon = QMessageBox::Critical;
    else if (message.icon == forms::MessageIcon::Exclamation)
        icon = QMessageBox::Warning;
    QMessageBox box(icon, qs(message.title), qs(message.text), QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void Program::endProgram() {
    // The handler that asked for the end is still running inside a window: windows go when it returns.
    for (auto& [name, w] : m_windows) {
        if (w) {
            w->hide();
            w->deleteLater();
        }
    }
    m_windows.clear();
    if (!m_ended) {
        m_ended = true;
        Q_EMIT finished();
    }
}

void Program::closed(const std::string& form) {
    m_windows.erase(form);
    if (m_windows.empty() && !m_ended) {
        m_ended = true;
        Q_EMIT finished();
    }
}

} // namespace varnel::ui
