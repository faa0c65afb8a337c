#pragma once

#include "forms/desktop.h"
#include "forms/form.h"
#include "session/session.h"
#include "windows/projectwindow.h"
#include "windows/windows.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnel::bench {

// The program on a desktop without a toolkit, as plain as it can be: windows are bare models bound by the
// session when they open, files live in memory, every message is kept (an opening that was refused says
// so there), every question takes its default button and every dialog is cancelled.
class BenchDesktop : public forms::Desktop {
  public:
    void showMessage(const forms::Message& message) override { messages.push_back(message.text); }
    std::size_t ask(const forms::Question& question) override { return question.defaultButton; }
    std::optional<std::string> askText(const forms::TextRequest&) override { return std::nullopt; }
    std::optional<forms::ChosenFile> chooseFile(const forms::FileRequest&) override { return std::nullopt; }
    forms::Printing print(const forms::Paper&) override { return forms::Printing::Cancelled; }
    std::optional<std::string> pdf(const forms::Paper&) override { return std::nullopt; }
    forms::Form& showWindow(std::string_view form) override {
        auto& slot = m_windows[std::string(form)];
        if (!slot) {
            slot = std::make_unique<forms::Form>(windows::definition(form));
            session.bind(*slot);
        }
        return *slot;
    }
    forms::Form* openWindow(std::string_view form) override {
        auto it = m_windows.find(std::string(form));
        return it == m_windows.end() ? nullptr : it->second.get();
    }
    void showGuide(std::string_view) override {}
    void endProgram() override { m_windows.clear(); }
    forms::FileContents readFile(const std::string& path, std::uintmax_t limit) override {
        auto it = files.find(path);
        if (it == files.end())
            return {{}, 0, "文件不存在", false};
        if (it->second.size() > limit)
            return {{}, it->second.size(), {}, true};
        return {it->second, it->second.size(), {}, false};
    }
    std::optional<forms::WriteFailure> writeFile(const std::string& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
        return std::nullopt;
    }
    std::vector<std::string> recentProjects() override { return m_recent; }
    void setRecentProjects(const std::vector<std::string>& paths) override { m_recent = paths; }
    std::string today() override { return "2026-12-09"; }

    // The rows the project window's table shows, none while that window is closed.
    std::size_t projectRows() {
        forms::Form* w = openWindow(windows::project);
        return w ? w->rows(windows::projectwindow::items).size() : 0;
    }

    std::map<std::string, std::string> files;
    std::vector<std::string> messages;

  private:
    std::map<std::string, std::unique_ptr<forms::Form>> m_windows;
    std::vector<std::string> m_recent;

  public:
    // Made last, since making it asks the desktop for today's date.
    session::Session session{*this};
};

} // namespace varnel::bench
