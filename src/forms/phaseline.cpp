#include "forms/phaseline.h"

#include "forms/form.h"

namespace varnel::forms {

void hidePhaseLine(Form& w) {
    w.setVisible("Label28", false);
    w.setCaption("Label28", "");
    w.setVisible("Label27", false);
    w.setVisible("Text18", false);
    w.setText("Text18", "");
}

}  // namespace varnel::forms
