#include "session/reportfile.h"

#include "projects/files.h"
#include "session/projectdocument.h"
#include "windows/windows.h"

namespace varnel::session {

namespace {

bool isPdf(const std::string& path) {
    return projects::hasExtension(path, ".pdf");
}

void warn(forms::Desktop& desktop, std::string text) {
    desktop.showMessage(
        {std::move(text), std::string(windows::applicationTitle), forms::MessageIcon::Exclamation});
}

} // namespace

std::string reportPath(const std::string& chosen, std::size_t filter) {
    if (isPdf(chosen) || projects::hasExtension(chosen, ".txt"))
        return chosen;
    return chosen + (filter == textFilter ? ".txt" : ".pdf");
}

std::optional<projects::FileFailure> writeReportFile(const std::string& path, const std::string& text,
                                                     const std::function<std::optional<std::string>()>& pdf,
                                                     const FileWriter& write) {
    if (!isPdf(path))
        return write(path, text);
    const std::optional<std::string> bytes = pdf();
    if (!bytes)
        return projects::FileFailure{"无法生成 PDF 文件", ""};
    return write(path, *bytes);
}

std::string fileNameFrom(std::string name) {
    constexpr std::string_view refused = "\\/:*?\"<>|";
    for (char& c : name)
        if (refused.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    return name;
}

void printReport(forms::Desktop& desktop, const forms::Paper& paper, std::string_view document) {
    const std::string name(document);
    switch (desktop.print(paper)) {
    case forms::Printing::Printed:
    case forms::Printing::Cancelled:
        return;
    case forms::Printing::NoPrinter:
        warn(desktop,
             "没有可以打印" + name + "的打印机：请先在系统中添加打印机，或把" + name + "另存为 PDF 后打印。");
        return;
    case forms::Printing::Refused:
        warn(desktop, name +
                          "未能打印：打印机没有接受这份文件。\n请检查打印机是否已连接并处于就绪状态，然后再"
                          "打印一次。");
        return;
    }
}

void saveReport(forms::Desktop& desktop, const forms::Paper& paper, std::string_view document,
                const std::string& title, const std::string& suggested) {
    const std::optional<forms::ChosenFile> chosen =
        desktop.chooseFile({forms::FileRequest::Purpose::Save, title, suggested, std::string(reportFilter)});
    if (!chosen)
        return;
    const std::string path = reportPath(chosen->path, chosen->filter);
    const std::optional<projects::FileFailure> failure = writeReportFile(
        path, paper.text, [&] { return desktop.pdf(paper); },
        [&](const std::string& file, std::string_view bytes) -> std::optional<projects::FileFailure> {
            if (std::optional<forms::WriteFailure> written = desktop.writeFile(file, bytes))
                return projects::FileFailure{std::move(written->what), std::move(written->remedy)};
            return std::nullopt;
        });
    if (failure)
        warn(desktop, std::string(document) + "未能保存为“" + fileNameOf(path) + "”：" +
                          projects::explained(*failure, "再保存一次"));
}

} // namespace varnel::session
