#include "session/reportwindowcommands.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "session/reportfile.h"
#include "windows/secondarywindows.h"

namespace varnel::session {

namespace rw = windows::reportwindow;

void bindReportWindow(forms::Form& w, forms::Desktop& desktop) {
    w.onClick(rw::print, [&w, &desktop] { printReport(desktop, {w.text(rw::text)}, "计算书"); });
    w.onClick(rw::save,
              [&w, &desktop] { saveReport(desktop, {w.text(rw::text)}, "计算书", "另存为", "计算书.pdf"); });
}

} // namespace varnel::session
