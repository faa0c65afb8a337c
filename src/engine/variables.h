#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace varnel::engine {

// A calculation variable: unset until a calculation writes it. Unset counts as 0 in arithmetic and as
// nothing when joined into text.
using Variable = std::optional<double>;

inline double numeric(const Variable& v) {
    return v.value_or(0.0);
}

// The 36 calculation variables the main window holds for its whole life. Nothing clears them: each run
// of the calculation overwrites the ones it reaches.
struct Variables {
    Variable lowAmount;   // fee base amount of the table row at or below feeBase
    Variable lowPrice;    // base price of that row
    Variable highAmount;  // fee base amount of the next row
    Variable highPrice;   // base price of the next row
    Variable feeBase;     // 工程设计收费计费额
    Variable basePrice;   // 工程设计收费基价
    Variable profCoef;    // 专业调整系数
    Variable complexCoef; // 工程复杂程度调整系数
    Variable addCoef1;    // additional adjustment coefficient slots
    Variable addCoef2;
    Variable addCoef3;
    Variable addCoef; // combined 附加调整系数
    Variable addCoef4;
    Variable addCoef5;
    Variable basicFee;            // 基本设计收费
    Variable overallDesignFee;    // 总体设计费
    Variable coordinationFee;     // 主体设计协调费
    Variable budgetFee;           // 施工图预算编制费
    Variable asBuiltFee;          // 竣工图编制费
    Variable patentFee;           // 自有专利技术收费
    Variable foreignDesignFee;    // 境外设计收费
    Variable foreignReviewFee;    // 境外审核确认收费
    Variable printingFee;         // 另行印制设计文件工本费
    Variable standardDrawingFee;  // 购买标准图费
    Variable nonstdEquipAmount;   // fee base amount of the non-standard equipment
    Variable nonstdEquipRate;     // 非标准设备设计费率
    Variable nonstdEquipFee;      // 非标准设备设计费
    Variable reuseFee;            // standard or reused design (30 %)
    Variable refoundationFee;     // foundation design redone (40 %)
    Variable localChangeRate;     // rate of a partial change of an existing design
    Variable localChangeFee;      // fee of that partial change
    Variable otherFee;            // 其他设计收费
    Variable benchmarkFee;        // 工程设计收费基准价
    Variable drawingPhaseFee;     // share of 施工图设计
    Variable preliminaryPhaseFee; // share of 初步设计
    Variable schemePhaseFee;      // share of 方案设计
};

struct VariableName {
    std::string_view name;
    Variable Variables::*member;
};

// Every variable by name, in the order the window holds them.
extern const std::array<VariableName, 36> variableNames;

} // namespace varnel::engine
