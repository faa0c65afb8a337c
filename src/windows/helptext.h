#pragma once

#include <string>

namespace varnel::windows {

// The help window's fixed text: the notice that promulgates the fee rules, the rules themselves and the
// general part of the design fee standard, 63 lines, each ended by CR LF.
const std::string& helpText();

} // namespace varnel::windows
