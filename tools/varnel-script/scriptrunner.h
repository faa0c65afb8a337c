#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <string>

class QMessageBox;
class QWidget;

namespace varnel::ui {
class FormWindow;
class Program;
} // namespace varnel::ui

namespace varnel::script {

// Carries out the session commands on the real windows, as a user would: every action is a mouse click
// or a key press on the widget of the named control. Writes one JSON object per line for each event.
class ScriptRunner : public QObject {
  public:
    using Output = std::function<void(const std::string& json)>;

    ScriptRunner(ui::Program& program, Output output);

    // Runs one command line (line number for the refusals). Returns false once the program has ended.
    bool run(const std::string& line, int lineNumber);

  private:
    struct Target {
        ui::FormWindow* window = nullptr;
        QWidget* widget = nullptr;
        std::string control;
        std::string refusal;
    };

    Target resolve(const std::string& reference, bool forUser);
    template <typename Action>
    void onControl(const std::string& rest, int line, Action action);
    void refuse(int line, const std::string& reason);
    void click(const Target& target, int line);
    void clickMenuItem(const std::string& name, int line);
    void choose(const Target& target, const std::string& item, int line);
    void type(const Target& target, const std::string& text, int line);
    void key(const Target& target, const std::string& keys, int line);
    void settle();
    void answerModalWindow();
    void answerMessageBox(QMessageBox* box);
    void answerFileDialog(QWidget* dialog);
    void answerTextDialog(QWidget* dialog);
    void activate(const Target& target, const std::string& row, int line);
    void picture(const std::string& rest, int line);

    ui::Program& m_program;
    Output m_output;
    QTimer m_messageWatch;
    std::optional<std::string> m_fileAnswer;   // for the next file or print dialog
    std::deque<std::string> m_textAnswers;     // for the next text dialogs, in turn
    std::optional<std::string> m_buttonAnswer; // for the next question
    QPointer<QWidget> m_answering;             // the file dialog being answered
};

// Undoes the escapes of a typed text: \t, \n and \\.
std::string unescape(const std::string& text);

} // namespace varnel::script
