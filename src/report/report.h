#pragma once

#include "engine/record.h"

#include <optional>
#include <string>

namespace varnel::report {

inline constexpr std::string_view separatorLine =
    "*************************************************************************";

// The calculation report (计算书): the last complete calculation walked through line by line, lines joined
// by CR LF, no line break at the end. Lines for the other fees and the phase follow the boxes as they
// stood in that calculation. Without a calculation every number writes as nothing.
std::string buildReport(const std::optional<engine::CalculationRecord>& record);

} // namespace varnel::report
