#pragma once

#include "engine/project.h"

#include <string_view>

namespace varnel::rules {

// The texts the rules compare the type list and the grade label with: the standard's names.
inline constexpr std::string_view roadType = engine::engineeringTypeNames[0];
inline constexpr std::string_view bridgeType = engine::engineeringTypeNames[1];
inline constexpr std::string_view buildingType = engine::engineeringTypeNames[2];
inline constexpr std::string_view landscapeType = engine::engineeringTypeNames[3];
inline constexpr std::string_view municipalType = engine::engineeringTypeNames[4];

inline constexpr std::string_view gradeICaption = engine::gradeNames[0];
inline constexpr std::string_view gradeIICaption = engine::gradeNames[1];
inline constexpr std::string_view gradeIIICaption = engine::gradeNames[2];

} // namespace varnel::rules
