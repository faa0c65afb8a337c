#pragma once

#include "engine/project.h"
#include "engine/variables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::engine {

// Complexity adjustment coefficient by grade, the same for every type.
struct GradeCoefficient {
    Grade grade;
    double coefficient;
};
extern const std::array<GradeCoefficient, 3> complexityCoefficients;

// Professional adjustment coefficient of a type: that of the kind of engineering of 附表二 the type is, a
// building that is also 人防工程 taking that of 人防工程.
double professionalCoefficient(EngineeringType type, bool civilDefence);

// One condition of the additional adjustment, in the order the calculation reads them. It applies when
// the project has `condition`, or (no condition) when its grade is `grade`. Its coefficient is `value`, or
// the number typed as `entry`, which must lie within [lower, upper] or the calculation stops with
// `message`; it stands in the additional adjustment's place `place` (0 to 4), which the type gives it.
// Each is a condition of 附表二's group of the type's kind, and takes its figures from that row.
struct AdditionalCondition {
    EngineeringType type;
    std::optional<Condition> condition;
    std::optional<Grade> grade;
    std::size_t place;
    double value;
    std::optional<Entry> entry;
    double lower;
    double upper;
    std::string_view message;
    // The row of 附表二's chapter it is: the clause that gives it (1.0.12, 第6章, …) and its name there,
    // which names a condition a grade brings (公路工程Ⅰ级).
    std::string_view clause;
    std::string_view table2Name;
};
const std::array<AdditionalCondition, 15>& additionalConditions();

// 非标准设备设计费: its rate must lie within [lower, upper].
inline constexpr double nonstandardRateLower = 0.1, nonstandardRateUpper = 0.2;
// Whether a standard or reused design is charged at its own rate: only without either refinement, each
// of which is charged on its own.
bool chargesReuseAlone(const Project& project);

// What each design phase writes: its variable and the caption of the phase line.
struct PhaseResult {
    Variable Variables::*share;
    std::string_view caption;
};
// By DesignPhase; a phase the main window's types do not offer writes nothing.
extern const std::array<PhaseResult, designPhaseCount> phaseResults;

// The grades a phase row applies to, as a set with a bit for each grade.
using GradeSet = unsigned;
constexpr GradeSet gradeSetOf(Grade grade) {
    return 1u << static_cast<unsigned>(grade);
}
inline constexpr GradeSet onlyGradeI = gradeSetOf(Grade::I), onlyGradeII = gradeSetOf(Grade::II),
                          onlyGradeIII = gradeSetOf(Grade::III);
inline constexpr GradeSet everyGrade = 0; // the row does not depend on the grade

// One row of the standard's phase proportions. It applies when the type is `type`, the phase is `phase`,
// the project has the building kind `kind` (none: no kind needed) and the grade is in `grades`.
struct PhaseRow {
    EngineeringType type;
    DesignPhase phase;
    std::optional<Condition> kind;
    GradeSet grades;
    double proportion;
};
// In the order the rows are tried: read from the type's rows of 表6.2-1 and 表7.2-1 (a building's, from
// its kind's row).
const std::vector<PhaseRow>& phaseRows();

// The row whose share the project's phase is charged: the last that applies, or none (no phase, or no row
// for this type, phase, building kind and grade). The type and the grade must be chosen.
const PhaseRow* phaseRowFor(const Project& project);

// Why a project that commissions a phase on its own has no share to charge for it, saying what to choose:
// the phase, or the building kind whose share it is, or another phase. Empty when it has its share, or
// commissions none: the whole benchmark is then charged, knowingly. The type and the grade must be chosen.
std::string missingShareMessage(const Project& project);

// Whether the calculation of a project of this type reads the condition at all: as an additional
// adjustment, as the building kind its phase shares depend on, or (人防工程) for its professional
// coefficient. A condition it does not read changes nothing in that project's figures.
bool readsCondition(EngineeringType type, Condition condition);

} // namespace varnel::engine
