#pragma once

#include "engine/otherfees.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace varnel::engine {

// How many additional adjustment coefficients a project can combine: one place for each.
inline constexpr std::size_t additionalPlaces = 5;

// A calculation variable: unset until a calculation writes it. Unset counts as 0 in arithmetic and as
// nothing when joined into text.
using Variable = std::optional<double>;

inline double numeric(const Variable& v) {
    return v.value_or(0.0);
}

// The calculation variables the main window holds for its whole life. Nothing clears them: each run
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
    // The five places of the additional adjustment (addCoef1 … addCoef5): each type puts each of its
    // conditions in a place of its own, and a calculation sets every place it does not fill to 1.
    std::array<Variable, additionalPlaces> additionalPlace;
    Variable addCoef;                        // combined 附加调整系数
    Variable basicFee;                       // 基本设计收费
    std::array<Variable, serviceCount> fees; // each other design fee, by service
    Variable nonstdEquipAmount;              // fee base amount of the non-standard equipment
    Variable nonstdEquipRate;                // 非标准设备设计费率
    Variable localChangeRate;                // rate of a partial change of an existing design
    Variable otherFee;                       // 其他设计收费
    Variable benchmarkFee;                   // 工程设计收费基准价
    Variable drawingPhaseFee;                // share of 施工图设计
    Variable preliminaryPhaseFee;            // share of 初步设计
    Variable schemePhaseFee;                 // share of 方案设计

    Variable& fee(Service service) { return fees[static_cast<std::size_t>(service)]; }
    const Variable& fee(Service service) const { return fees[static_cast<std::size_t>(service)]; }
};

// A calculation variable and the name tools and tests know it by.
struct NamedVariable {
    std::string_view name;
    const Variable* value;
};

// Every variable by name, in the order the window holds them: each other fee follows the numbers typed
// for it.
std::vector<NamedVariable> namedVariables(const Variables& variables);

} // namespace varnel::engine
