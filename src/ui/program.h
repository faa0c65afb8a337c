#pragma once

#include "forms/desktop.h"
#include "session/session.h"
#include "ui/formwindow.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <string>

namespace varnel::ui {

// The desktop the session runs on: Qt windows built from the definitions, message boxes, and the end.
// The main window opens at start; the other four are single instances, created when first shown and
// again after the user closed them. The program ends with 退出, or when its last window closes.
class Program : public QObject, public forms::Desktop {
    Q_OBJECT

  public:
    Program();
    ~Program() override;

    // Opens the main window, centred, with the focus on its first control.
    void start();

    void showMessage(const forms::Message& message) override;
    forms::Form& showWindow(std::string_view form) override;
    void endProgram() override;

    // The window of that name while it is open, else null.
    FormWindow* window(const std::string& form) const;
    const engine::CalculationState& calculations() const { return m_session.calculations(); }
    bool ended() const { return m_ended; }

  Q_SIGNALS:
    // The program has ended: every window is closed.
    void finished();

  private:
    FormWindow* open(const std::string& form);
    void closed(const std::string& form);

    std::map<std::string, QPointer<FormWindow>> m_windows;
    session::Session m_session{*this};
    bool m_ended = false;
};

// Sets the program-wide look: a CJK font that fits the twip layout, and the application's icon.
void setUpApplication();

} // namespace varnel::ui
