#pragma once

#include <string_view>

namespace varnel::rules {

// The works of each complexity grade of one engineering type, written into the three grade descriptions.
struct GradeDescriptions {
    std::string_view type;
    std::string_view gradeI;
    std::string_view gradeII;
    std::string_view gradeIII;
};

const GradeDescriptions& descriptionsOf(std::string_view type);

} // namespace varnel::rules
