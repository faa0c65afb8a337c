#include "engine/project.h"

namespace varnel::engine {

namespace {
template <typename E, std::size_t n>
std::optional<E> named(const std::array<std::string_view, n>& names, std::string_view name) {
    for (std::size_t i = 0; i < n; ++i)
        if (name == names[i])
            return static_cast<E>(i);
    return std::nullopt;
}
} // namespace

std::optional<EngineeringType> engineeringTypeNamed(std::string_view name) {
    return named<EngineeringType>(engineeringTypeNames, name);
}

std::optional<Grade> gradeNamed(std::string_view name) {
    return named<Grade>(gradeNames, name);
}

std::optional<Condition> conditionNamed(std::string_view name) {
    return named<Condition>(conditionNames, name);
}

std::optional<DesignPhase> designPhaseNamed(std::string_view name) {
    return named<DesignPhase>(designPhaseNames, name);
}

} // namespace varnel::engine
