#pragma once

#include "forms/desktop.h"
#include "session/session.h"
#include "ui/formwindow.h"
#include "ui/guidewindow.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSettings>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace varnel::ui {

// The desktop the session runs on: Qt windows built from the definitions, message boxes, and the end.
// The main window opens at start; the others are single instances, created when first shown and
// again after the user closed them. The program ends with 退出, or when its last window closes.
class Program : public QObject, public forms::Desktop {
    Q_OBJECT

  public:
    // The user's settings (the recent projects) are kept in `settingsFile` where one is given; else in
    // varnel.ini beside the program where that file exists (the portable folder keeps everything inside
    // it); else where the system keeps a user's settings.
    explicit Program(const QString& settingsFile = {});
    ~Program() override;

    // Opens the main window, centred, with the focus on its first control; then the project file, if any.
    void start(const std::optional<std::string>& projectFile = std::nullopt);

    void showMessage(const forms::Message& message) override;
    std::size_t ask(const forms::Question& question) override;
    std::optional<std::string> askText(const forms::TextRequest& request) override;
    std::optional<forms::ChosenFile> chooseFile(const forms::FileRequest& request) override;
    forms::Printing print(const forms::Paper& paper) override;
    std::optional<std::string> pdf(const forms::Paper& paper) override;
    forms::Form& showWindow(std::string_view form) override;
    forms::Form* openWindow(std::string_view form) override;
    void showGuide(std::string_view part) override;
    void endProgram() override;
    forms::FileContents readFile(const std::string& path, std::uintmax_t limit) override;
    std::optional<forms::WriteFailure> writeFile(const std::string& path, std::string_view bytes) override;
    std::vector<std::string> recentProjects() override;
    void setRecentProjects(const std::vector<std::string>& paths) override;
    std::string today() override;

    // The guide's window while it is open, else null.
    GuideWindow* guide() const { return m_guide.data(); }
    // The window of that name while it is open, else null.
    FormWindow* window(const std::string& form) const;
    const session::CalculationState& calculations() const { return m_session.calculations(); }
    const session::ProjectDocument& project() const { return m_session.project(); }
    bool ended() const { return m_ended; }

  Q_SIGNALS:
    // The program has ended: every window is closed.
    void finished();

  private:
    FormWindow* open(const std::string& form);
    void closed(const std::string& form);

    bool isLastWindow(const std::string& form) const;
    // The font the report window shows its text in.
    QFont reportFont() const;

    std::map<std::string, QPointer<FormWindow>> m_windows;
    QPointer<GuideWindow> m_guide; // goes with the program
    std::unique_ptr<QSettings> m_settings;
    session::Session m_session{*this};
    bool m_ended = false;
};

// Sets the program-wide look: a CJK font that fits the twip layout, and the application's icon.
void setUpApplication();

} // namespace varnel::ui
