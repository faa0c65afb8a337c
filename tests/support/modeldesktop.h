#pragma once

#include "forms/desktop.h"
#include "forms/form.h"
#include "session/session.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnel::test {

// The program on a desktop without a toolkit: its windows are bare models, bound by the session when they
// open and gone when closed or when the program ends; every message is noted.
class ModelDesktop : public forms::Desktop {
  public:
    void showMessage(const forms::Message& message) override { messages.push_back(message); }
    forms::Form& showWindow(std::string_view form) override {
        auto& slot = windows[std::string(form)];
        if (!slot) {
            slot = std::make_unique<forms::Form>(forms::windowDefinition(form));
            opened.emplace_back(form);
            session.bind(*slot);
        }
        return *slot;
    }
    void endProgram() override {
        ended = true;
        windows.clear();
    }

    void close(std::string_view form) { windows.erase(std::string(form)); }
    forms::Form& window(std::string_view form) { return *windows.at(std::string(form)); }
    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back().text; }

    session::Session session{*this};
    std::vector<forms::Message> messages;
    std::map<std::string, std::unique_ptr<forms::Form>> windows;
    std::vector<std::string> opened; // every window opened, in order
    bool ended = false;
};

} // namespace varnel::test
