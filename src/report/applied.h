#pragma once

#include "engine/industrycalculation.h"
#include "engine/otherfees.h"
#include "engine/project.h"
#include "engine/record.h"
#include "engine/variables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::report {

// What a calculation applied, step by step, with the clause or table of the standard each step follows:
// the base price and the rows of 附表一 it was read from, each coefficient, each condition, each other
// design fee with what it was charged on, the benchmark, and the share of a phase commissioned on its
// own. Every report is written from it (the report windows' texts, the project's 计算书 and what the
// workbook and varnel-calc write of it), so none of them reads another's text. A figure the calculation
// did not reach is unset, as in engine::Variables.

using engine::Variable;

// How 附表一 gave the base price (1.0.7).
enum class BasePriceReading {
    Interpolated, // between two rows of the table, or on one of them
    BelowTable,   // below the table's first row: the line through its first two rows continued
    AboveTable,   // beyond the table's last row: a flat share of the amount
};

struct AppliedBasePrice {
    BasePriceReading reading = BasePriceReading::Interpolated;
    Variable feeBase; // 工程设计收费计费额, 万元
    // The rows interpolated between (Interpolated).
    Variable lowAmount, lowPrice, highAmount, highPrice;
    Variable basePrice; // 工程设计收费基价
};

// One additional adjustment condition that applied: its name, the clause that gives it, whether it
// applies without being ticked, and the coefficient it took.
struct AppliedCondition {
    std::string name;
    std::string_view clause;
    bool unasked = false;
    Variable coefficient;
};

// How an other design fee is charged, as its line states it.
enum class FeeCharge {
    ShareOfBasicFee, // 基本设计收费 × the fee's rate
    TypedAmount,     // an amount agreed and typed
    Equipment,       // 非标准设备计费额 × 非标准设备设计费率 (typed)
    ShareOfReuse, // 同类新建项目基本设计收费 × the fee's rate (采用标准设计和复用设计, 重新进行基础设计)
    PartialChange, // 基本设计收费 × a typed rate (局部修改)
};

// An other design fee charged in the calculation, in the order of engine::otherFees.
struct AppliedFee {
    engine::Service service = engine::Service::OverallDesign;
    std::string_view clause; // 1.0.10, 1.0.13 … 1.0.20
    FeeCharge charge = FeeCharge::ShareOfBasicFee;
    Variable basis; // what the rate multiplies: the basic fee or the equipment amount; unset for an amount
    Variable rate;  // a fraction (0.05) or a typed rate
    Variable fee;
};

// The design phase commissioned on its own whose share was charged (1.0.11): the phase, the table of
// phase shares and the row of it that gives the share, the share in percent, and the phase's fee.
struct AppliedPhase {
    std::string_view phase; // 初步设计, 施工图设计, …
    std::string_view table; // 表7.2-1
    std::string row; // the works the row covers: 建筑与室外工程, 公路, …; empty where it names none
    double percent = 0;
    Variable fee;
};

struct AppliedCalculation {
    // The engineering: the main window's type or the kind of engineering of 附表二, and for a kind its
    // group; the grade chosen.
    std::string engineering;
    std::string group; // empty for a main window's type
    std::optional<engine::Grade> grade;

    AppliedBasePrice basePrice;
    Variable professional;              // 专业调整系数, 附表二
    std::string_view professionalTable; // the table that gives it: 附表二
    std::string professionalRow;        // the row it is read from: the kind, or the type (人防工程)
    Variable complexity;                // 工程复杂程度调整系数, 1.0.9
    std::vector<std::string_view> complexityTables; // the chapter's tables of complexity
    std::vector<AppliedCondition> conditions;       // in the order the calculation added them
    std::array<Variable, engine::additionalPlaces> additionalPlaces;
    Variable additional; // 附加调整系数: 1 + Σ(cᵢ − 1)
    Variable basicFee;

    std::vector<AppliedFee> fees;                       // the fees charged, in their order
    std::array<Variable, engine::serviceCount> allFees; // every fee variable, charged or not, by service
    Variable otherFee;
    Variable benchmarkFee;
    std::optional<AppliedPhase> phase;
};

// What the main window's calculation applied: the record of its last complete calculation.
AppliedCalculation appliedOf(const engine::CalculationRecord& record);
// What the calculation of a kind of engineering applied to `project`.
AppliedCalculation appliedOf(const engine::industry::KindProject& project,
                             const engine::industry::Calculation& calculation);

} // namespace varnel::report
