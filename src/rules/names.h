#pragma once

#include <string_view>

namespace varnel::rules {

// The texts the rules compare the type list and the grade label with.
inline constexpr std::string_view roadType = "公路和城市道路工程";
inline constexpr std::string_view bridgeType = "公路和城市桥梁、隧道工程";
inline constexpr std::string_view buildingType = "建筑、人防工程";
inline constexpr std::string_view landscapeType = "园林绿化工程";
inline constexpr std::string_view municipalType = "市政公用工程";

inline constexpr std::string_view gradeI = "Ⅰ级";
inline constexpr std::string_view gradeII = "Ⅱ级";
inline constexpr std::string_view gradeIII = "Ⅲ级";

} // namespace varnel::rules
