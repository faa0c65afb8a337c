#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>

namespace varnel::engine {

// The five engineering types, in the order of the type list.
enum class EngineeringType { Road, Bridge, Building, Landscape, Municipal };

inline constexpr std::array<std::string_view, 5> engineeringTypeNames{
    "公路和城市道路工程", "公路和城市桥梁、隧道工程", "建筑、人防工程", "园林绿化工程", "市政公用工程"};

// The complexity grades as the grade label shows them.
inline constexpr std::array<std::string_view, 3> gradeNames{"Ⅰ级", "Ⅱ级", "Ⅲ级"};

// The main window's inputs as the calculation reads them, taken at the moment 计算 is clicked.
struct Inputs {
    std::string amount;                // Text1, the fee base amount as typed
    std::string type;                  // Combo2, the engineering type (empty before a choice)
    std::string grade;                 // Label7, the complexity grade (empty before a choice)
    std::bitset<33> ticked;            // check box values by number: ticked[7] is Check7
    std::array<std::string, 23> texts; // text box texts by number: texts[8] is Text8
    int option = 0;                    // the chosen design phase, Option1..Option3, or 0 for none

    bool isTicked(int check) const { return ticked.test(static_cast<std::size_t>(check)); }
    const std::string& text(int box) const { return texts[static_cast<std::size_t>(box)]; }
};

} // namespace varnel::engine
