#pragma once

#include "engine/record.h"
#include "report/applied.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::report {

inline constexpr std::string_view separatorLine =
    "*************************************************************************";

// The calculation report (计算书): the last complete calculation walked through line by line, lines joined
// by CR LF, no line break at the end. Lines for the other fees and the phase follow the boxes as they
// stood in that calculation. Without a calculation every number writes as nothing.
std::string buildReport(const std::optional<engine::CalculationRecord>& record);

// The report's closing line.
inline constexpr std::string_view closingLine =
    "计算完毕，请设计人与发包人在此基础上，根据《工程勘察设计收费标准》的规定，在上下浮动20%幅度范围内，"
    "协商确定该项工程设计收费合同额。谢谢使用本软件！";

// The report's lines for the base price read from 附表一: the rows interpolated between and the
// interpolation, or the line continued below the table, or the flat rate above it.
std::vector<std::string> basePriceLines(const AppliedBasePrice& basePrice);
// The report's line for an other design fee: "您的工程总体设计费为：…×5% =…万元".
std::string feeLine(const AppliedFee& fee);
// The report's sum of the other design fees: every fee in the order of the fee table, unset ones as
// nothing, " + " between them, then the sum.
std::string otherFeeSumLine(const AppliedCalculation& calculation);

} // namespace varnel::report
