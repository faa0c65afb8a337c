#include "session/phaseline.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

namespace varnel::session {

namespace box = windows::mainwindow;

void showPhaseLine(forms::Form& w, std::string_view caption, const std::string& shareText) {
    w.setVisible(box::phaseLineShare, true);
    w.setVisible(box::phaseLineUnit, true);
    w.setVisible(box::phaseLineName, true);
    w.setCaption(box::phaseLineName, std::string(caption));
    w.setText(box::phaseLineShare, shareText);
}

void hidePhaseLine(forms::Form& w) {
    w.setVisible(box::phaseLineName, false);
    w.setCaption(box::phaseLineName, "");
    w.setVisible(box::phaseLineUnit, false);
    w.setVisible(box::phaseLineShare, false);
    w.setText(box::phaseLineShare, "");
}

} // namespace varnel::session
