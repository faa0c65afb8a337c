#pragma once

#include "session/projectdocument.h"

#include <string>

namespace varnel::forms {
class Form;
} // namespace varnel::forms

namespace varnel::session {

// A float or a tax rate, in percent, as its box in the project window shows it.
std::string percentBoxText(double percent);

// Shows the open project in the project window: the title, the quote's fields, the items in the table with
// their sums, the float or the contract amount and what it comes to, the VAT, and the commands on items
// enabled only while there is an item.
void fillProjectWindow(forms::Form& projectWindow, const ProjectDocument& document);

} // namespace varnel::session
