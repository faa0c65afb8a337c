#pragma once

#include "engine/inputs.h"
#include "engine/variables.h"

#include <array>
#include <string_view>

namespace varnel::engine {

// Complexity adjustment coefficient by grade, the same for every type.
struct GradeCoefficient {
    std::string_view grade;
    double coefficient;
};
extern const std::array<GradeCoefficient, 3> complexityCoefficients;

// Professional adjustment coefficient by type; the building type takes `defenceCoefficient` instead while
// 人防工程 (Check28) is ticked.
struct ProfessionalCoefficient {
    EngineeringType type;
    double coefficient;
};
extern const std::array<ProfessionalCoefficient, 5> professionalCoefficients;
inline constexpr int civilDefenceBox = 28;
inline constexpr double defenceCoefficient = 1.1;

// One condition of the additional adjustment, in the order the calculation reads them. The condition is
// a ticked box, or (box 0) the grade `grade`. The slot gets `value`, or the number typed into
// `entryBox`, which must lie within [lower, upper] or the calculation stops with `message`.
struct AdditionalCondition {
    EngineeringType type;
    int box;
    std::string_view grade;
    Variable Variables::*slot;
    double value;
    int entryBox;
    double lower;
    double upper;
    std::string_view message;
};
extern const std::array<AdditionalCondition, 15> additionalConditions;

// The other design fees that are a share of the basic fee (`rate`) or an amount typed into `entryBox`,
// which must not be empty (`message`). The remaining four fees have rules of their own.
struct SimpleFee {
    int box;
    Variable Variables::*fee;
    double rate;
    int entryBox;
    std::string_view message;
};
extern const std::array<SimpleFee, 9> simpleFees;

// The order in which the thirteen other fees are added into 其他设计收费.
extern const std::array<Variable Variables::*, 13> otherFeeSumOrder;

// What each design phase writes: its variable and the caption of the phase line.
struct Phase {
    Variable Variables::*share;
    std::string_view caption;
};
extern const std::array<Phase, 4> phases; // by option number; [0] is unused

// Grade sets for the phase rows.
inline constexpr unsigned gradeI = 1, gradeII = 2, gradeIII = 4;
inline constexpr unsigned everyGrade = 0; // the row does not depend on the grade

// One row of the standard's phase proportions. It applies when the type is `type`, the chosen option is
// `option`, the box `box` is ticked (0: no box needed) and the grade is in `grades`.
struct PhaseRow {
    EngineeringType type;
    int option;
    int box;
    unsigned grades;
    double proportion;
};
// In the order the rows are tried.
extern const std::array<PhaseRow, 35> phaseRows;

} // namespace varnel::engine
