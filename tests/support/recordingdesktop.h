#pragma once

#include "forms/desktop.h"
#include "forms/form.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnel::test {

// A desktop without windows: it notes every message and keeps the models of the windows shown.
class RecordingDesktop : public forms::Desktop {
  public:
    void showMessage(const forms::Message& message) override { messages.push_back(message); }
    forms::Form& showWindow(std::string_view form) override {
        auto& slot = windows[std::string(form)];
        if (!slot)
            slot = std::make_unique<forms::Form>(forms::windowDefinition(form));
        return *slot;
    }
    void endProgram() override { ended = true; }

    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back().text; }

    std::vector<forms::Message> messages;
    std::map<std::string, std::unique_ptr<forms::Form>> windows;
    bool ended = false;
};

} // namespace varnel::test
