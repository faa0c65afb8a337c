#pragma once

namespace varnel::forms {

class Form;

// The main window's phase line under the results: Label28 names the phase, Text18 holds its share and
// Label27 its unit. Hides it and empties the name and the share.
void hidePhaseLine(Form& mainWindow);

}  // namespace varnel::forms
