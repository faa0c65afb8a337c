#include "session/projectwindowcommands.h"

#include "forms/form.h"
#include "session/projectcommands.h"
#include "session/projectwindowrules.h"
#include "windows/projectwindow.h"

#include <cstddef>
#include <optional>

namespace varnel::session {

namespace pw = windows::projectwindow;

void bindProjectWindow(forms::Form& w, ProjectCommands& project) {
    installProjectWindowRules(w, project);
    w.on(forms::Event::Activate, pw::items, [&w, &project] {
        if (w.currentRow(pw::items) >= 0)
            project.openItem(static_cast<std::size_t>(w.currentRow(pw::items)));
    });
    w.onClick(pw::openItem, [&project] {
        if (const std::optional<std::size_t> item = project.currentItem())
            project.openItem(*item);
    });
    w.onClick(pw::removeItem, [&project] { project.removeItem(); });
    w.onClick(pw::moveUp, [&project] { project.moveItem(-1); });
    w.onClick(pw::moveDown, [&project] { project.moveItem(1); });
    w.onClick(pw::renameItem, [&project] { project.renameItem(); });
    w.onClick(pw::saveProject, [&project] { project.save(); });
    w.onClick(pw::saveProjectAs, [&project] { project.saveAs(); });
    w.onClick(pw::printReport, [&project] { project.printReport(); });
    w.onClick(pw::saveReport, [&project] { project.saveReport(); });
    w.onClick(pw::exportWorkbook, [&project] { project.exportWorkbook(); });
    project.show();
    if (!project.document().quote.items.empty())
        w.setCurrentRow(pw::items, 0);
}

} // namespace varnel::session
