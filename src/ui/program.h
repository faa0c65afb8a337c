#pragma once

#include "engine/record.h"
#include "session/calculationcommand.h"
#include "forms/desktop.h"
#include "ui/formwindow.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <string>

namespace varnel::ui {

// The running program: its windows, the handlers bound to their controls, message boxes, and its end.
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
    const engine::CalculationState& calculations() const { return m_calculations; }
    bool ended() const { return m_ended; }

  Q_SIGNALS:
    // The program has ended: every window is closed.
    void finished();

  private:
    FormWindow* open(const std::string& form);
    void bind(FormWindow& window);
    void bindMainWindow(forms::Form& w);
    void closed(const std::string& form);

    std::map<std::string, QPointer<FormWindow>> m_windows;
    engine::CalculationState m_calculations;
    bool m_ended = false;
};

// Sets the program-wide look: a CJK font that fits the twip layout, and the application's icon.
void setUpApplication();

} // namespace varnel::ui
