#pragma once

#include <string>
#include <string_view>

namespace varnel::forms {

class Form;

enum class MessageIcon { None, Stop, Exclamation };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

// What the window logic asks of the program around it: modal messages, the other windows, the end.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Shows a modal message box with an OK button and returns when the user has closed it.
    virtual void showMessage(const Message& message) = 0;
    // Creates the window if it is not open (fresh, in its initial state) or brings it to the front,
    // modeless and without owner; returns its model.
    virtual Form& showWindow(std::string_view form) = 0;
    // Ends the program at once with all its windows.
    virtual void endProgram() = 0;
};

} // namespace varnel::forms
