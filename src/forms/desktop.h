#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::projects {
struct ProjectReport;
} // namespace varnel::projects

namespace varnel::forms {

class Form;

enum class MessageIcon { None, Stop, Exclamation, Question };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

// A question with buttons of its own captions; the default button is the one Enter presses, the escape
// button the one Esc and the close box press.
struct Question {
    Message message;
    std::vector<std::string> buttons;
    std::size_t defaultButton = 0;
    std::size_t escapeButton = 0;
};

// A line of text asked for in a small dialog.
struct TextRequest {
    std::string title;
    std::string label;
    std::string suggested; // the text the box starts with, selected
};

// A file to open or a name to save under, chosen in the system's file dialog.
struct FileRequest {
    enum class Purpose { Open, Save } purpose = Purpose::Open;
    std::string title;
    std::string suggested; // a file name, or a path
    std::string filter;    // as "Varnel 项目 (*.varnel)"; several types separated by ";;"
};

// The file the user chose, and the type (the index of its filter) chosen with it.
struct ChosenFile {
    std::string path;
    std::size_t filter = 0;
};

// A 计算书 to put on paper: the report window's text, set in that window's font, or, where `project` is
// set, the project's 计算书 laid out as its document (and `text` what its text file holds).
struct Paper {
    std::string text;
    const projects::ProjectReport* project = nullptr;
};

// What became of a printing: printed, cancelled in the print dialog, not offered for want of a printer
// (the system has none), or refused by the printer.
enum class Printing { Printed, Cancelled, NoPrinter, Refused };

// A file's bytes, or why they could not be read. A file larger than the limit is not read.
struct FileContents {
    std::string bytes;
    std::uintmax_t size = 0;
    std::string error; // empty when read; else a sentence for the user, without its full stop
    bool tooLarge = false;
};

// Why a file could not be written: what is wrong, and what the user can do about it (empty when nothing),
// neither with its full stop.
struct WriteFailure {
    std::string what;
    std::string remedy;
};

// What the window logic asks of the program around it: modal messages and dialogs, the other windows,
// files, the user's settings and the end.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Shows a modal message box with an OK button and returns when the user has closed it.
    virtual void showMessage(const Message& message) = 0;
    // Asks a question in a modal message box; returns the index of the button chosen.
    virtual std::size_t ask(const Question& question) = 0;
    // Asks for a line of text; nothing when the user cancelled.
    virtual std::optional<std::string> askText(const TextRequest& request) = 0;
    // Asks for a file; nothing when the user cancelled. A name to save under comes with its extension.
    virtual std::optional<ChosenFile> chooseFile(const FileRequest& request) = 0;
    // Prints the pages on the printer the user chooses in the system's print dialog.
    virtual Printing print(const Paper& paper) = 0;
    // The pages as a PDF file's bytes; nothing when they could not be painted.
    virtual std::optional<std::string> pdf(const Paper& paper) = 0;

    // Creates the window if it is not open (fresh, in its initial state) or brings it to the front,
    // modeless and without owner; returns its model.
    virtual Form& showWindow(std::string_view form) = 0;
    // The window's model while it is open, else null.
    virtual Form* openWindow(std::string_view form) = 0;
    // Shows the guide (使用说明) in its window, modeless, at the part that begins at the anchor; a single
    // window, brought to the front and moved to that part when it is open already.
    virtual void showGuide(std::string_view part) = 0;
    // Ends the program at once with all its windows.
    virtual void endProgram() = 0;

    virtual FileContents readFile(const std::string& path, std::uintmax_t limit) = 0;
    // Writes the file whole or not at all: nothing half-written ever takes its name, and a file it
    // replaces stays as it was when the write fails. Returns why it could not be written, nothing when it
    // was.
    virtual std::optional<WriteFailure> writeFile(const std::string& path, std::string_view bytes) = 0;

    // The project files opened or saved last, the newest first, as the user's settings keep them.
    virtual std::vector<std::string> recentProjects() = 0;
    virtual void setRecentProjects(const std::vector<std::string>& paths) = 0;
    // Today's date as a quote writes it: 2026-12-09.
    virtual std::string today() = 0;
};

} // namespace varnel::forms
