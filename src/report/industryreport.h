#pragma once

#include "engine/industrycalculation.h"

#include <string>

namespace varnel::report {

// The calculation report (计算书) of a project of any kind of engineering: its calculation walked through
// line by line, each figure with the clause or table of the standard it follows, in the habits of the main
// window's report (the same greeting, separators and closing, lines joined by CR LF, no line break at the
// end, numbers in the joining form). The base price and the other fees are written exactly as the main
// window's report writes them. Meant for a complete calculation; a number it did not reach writes as
// nothing.
std::string buildIndustryReport(const engine::industry::KindProject& project,
                                const engine::industry::Calculation& calculation);

} // namespace varnel::report
