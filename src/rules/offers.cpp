#include "rules/offers.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

namespace varnel::rules {

namespace box = windows::mainwindow;

void offerEntry(forms::Form& w, std::string_view entry, bool ticked, Withdrawal withdrawal) {
    const auto offer = [&](bool offered) {
        if (withdrawal == Withdrawal::Hide)
            w.setVisible(entry, offered);
        else
            w.setEnabled(entry, offered);
    };
    if (ticked) {
        offer(true);
    } else {
        offer(false);
        w.setText(entry, "");
    }
}

void offerEveryPhaseWhileCommissioned(forms::Form& w) {
    if (w.ticked(box::independentPhase)) {
        w.setEnabled(box::preliminaryPhase, true);
        w.setEnabled(box::drawingPhase, true);
        w.setEnabled(box::schemePhase, true);
    }
}

} // namespace varnel::rules
