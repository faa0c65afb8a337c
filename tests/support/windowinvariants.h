#pragma once

#include "forms/form.h"

#include <string>

namespace varnel::test {

// What the main window's input rules always keep true, whatever a user clicks:
//  - at most one building kind is ticked, and while one is the other seven are disabled;
//  - an entry box is hidden, or disabled, and empty while its box is unticked (Text3 aside: unticking
//    重新进行基础设计 enables it while 局部调整 is still unticked);
//  - 重新进行基础设计 and 对原设计进行局部调整 are never both ticked;
//  - at most one design phase is chosen, and none is offered without 单独委托设计.
// Returns what is broken, or an empty string.
std::string brokenInvariant(const forms::Form& mainWindow);

} // namespace varnel::test
