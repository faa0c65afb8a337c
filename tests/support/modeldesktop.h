#pragma once

#include "forms/desktop.h"
#include "forms/form.h"
#include "session/session.h"
#include "windows/windows.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnel::test {

// The program on a desktop without a toolkit: its windows are bare models, bound by the session when they
// open and gone when closed or when the program ends; every message and question is noted. Dialogs take
// the answers prepared for them, in order (none prepared: a question takes its default button, a text or
// file dialog is cancelled); files live in memory. Pages are printed as `printing` says, and a PDF is the
// paper's text after a mark of its own.
class ModelDesktop : public forms::Desktop {
  public:
    void showMessage(const forms::Message& message) override { messages.push_back(message); }
    std::size_t ask(const forms::Question& question) override {
        questions.push_back(question);
        if (buttonAnswers.empty())
            return question.defaultButton;
        const std::string answer = take(buttonAnswers);
        for (std::size_t i = 0; i < question.buttons.size(); ++i)
            if (question.buttons[i] == answer)
                return i;
        return question.escapeButton;
    }
    std::optional<std::string> askText(const forms::TextRequest& request) override {
        textRequests.push_back(request);
        if (textAnswers.empty())
            return std::nullopt;
        return take(textAnswers);
    }
    std::optional<forms::ChosenFile> chooseFile(const forms::FileRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return std::nullopt;
        return forms::ChosenFile{take(fileAnswers), chosenFilter};
    }
    forms::Printing print(const forms::Paper& paper) override {
        printed.push_back(paper.text);
        return printing;
    }
    std::optional<std::string> pdf(const forms::Paper& paper) override {
        if (!paintsPdf)
            return std::nullopt;
        return std::string(pdfMark) + paper.text;
    }
    forms::Form& showWindow(std::string_view form) override {
        auto& slot = windows[std::string(form)];
        if (!slot) {
            slot = std::make_unique<forms::Form>(windows::definition(form));
            opened.emplace_back(form);
            session.bind(*slot);
        }
        return *slot;
    }
    forms::Form* openWindow(std::string_view form) override {
        auto it = windows.find(std::string(form));
        return it == windows.end() ? nullptr : it->second.get();
    }
    void showGuide(std::string_view part) override { guideParts.emplace_back(part); }
    void endProgram() override {
        ended = true;
        windows.clear();
    }
    forms::FileContents readFile(const std::string& path, std::uintmax_t limit) override {
        auto it = files.find(path);
        if (it == files.end())
            return {{}, 0, "文件不存在", false};
        if (it->second.size() > limit)
            return {{}, it->second.size(), {}, true};
        return {it->second, it->second.size(), {}, false};
    }
    std::optional<forms::WriteFailure> writeFile(const std::string& path, std::string_view bytes) override {
        if (path.starts_with(unwritableFolder))
            return forms::WriteFailure{"没有在这个文件夹中写入文件的权限", "换一个可以写入的文件夹"};
        files[path] = std::string(bytes);
        return std::nullopt;
    }
    std::vector<std::string> recentProjects() override { return recent; }
    void setRecentProjects(const std::vector<std::string>& paths) override { recent = paths; }
    std::string today() override { return "2026-12-09"; }

    void close(std::string_view form) { windows.erase(std::string(form)); }
    forms::Form& window(std::string_view form) { return *windows.at(std::string(form)); }
    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back().text; }

    session::Session session{*this};
    std::vector<forms::Message> messages;
    std::vector<forms::Question> questions;
    std::vector<forms::TextRequest> textRequests;
    std::vector<forms::FileRequest> fileRequests;
    std::deque<std::string> buttonAnswers, textAnswers, fileAnswers;
    std::size_t chosenFilter = 0; // the file type every file dialog is answered with
    forms::Printing printing = forms::Printing::Printed;
    std::vector<std::string> printed; // the text of every paper printed
    bool paintsPdf = true;
    static constexpr std::string_view pdfMark = "%PDF ";
    std::map<std::string, std::string> files;
    std::string unwritableFolder = "/read-only/";
    std::vector<std::string> recent;
    std::map<std::string, std::unique_ptr<forms::Form>> windows;
    std::vector<std::string> opened;     // every window opened, in order
    std::vector<std::string> guideParts; // the parts of the guide shown, in order
    bool ended = false;

  private:
    static std::string take(std::deque<std::string>& answers) {
        std::string answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

} // namespace varnel::test
