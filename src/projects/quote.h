#pragma once

#include "engine/industrycalculation.h"
#include "engine/project.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::projects {

// What a single work was calculated from: the main window's inputs (one of its five types), or a project
// of any kind of engineering of 附表二.
using ItemInputs = std::variant<engine::Project, engine::industry::KindProject>;

// One 单项工程 of the project: its name and its inputs, in the standard's terms.
struct Item {
    std::string name;
    ItemInputs inputs;

    bool operator==(const Item&) const = default;

    // The inputs of the one kind the item holds; none for the other.
    const engine::Project* mainInputs() const { return std::get_if<engine::Project>(&inputs); }
    engine::Project* mainInputs() { return std::get_if<engine::Project>(&inputs); }
    const engine::industry::KindProject* industryInputs() const {
        return std::get_if<engine::industry::KindProject>(&inputs);
    }
    engine::industry::KindProject* industryInputs() {
        return std::get_if<engine::industry::KindProject>(&inputs);
    }
    // Whether the item is a project of a kind of engineering of 附表二 rather than the main window's.
    bool isIndustry() const { return industryInputs() != nullptr; }
};

// The float (浮动幅度值) allowed around the benchmark, in percent: ±20 % by 第六条 of
// 《工程勘察设计收费管理规定》, and up to +25 % for a design using new technology by its 第七条.
inline constexpr double lowestFloat = -20;
inline constexpr double highestFloat = 20;
inline constexpr double highestNewTechnologyFloat = 25;
// The highest float a project may have: with new technology (采用新技术) or without.
constexpr double highestFloatFor(bool newTechnology) {
    return newTechnology ? highestNewTechnologyFloat : highestFloat;
}

// The clause that allows a project its float, as the notes cite it: 第六条 of 《工程勘察设计收费管理规定》,
// or its 第七条 for a design using new technology; and the range it allows, "-20% 到 +20%".
std::string floatClause(bool newTechnology);
std::string floatRangeText(bool newTechnology);

// The VAT (增值税) on a design fee, in percent: 6 for a general taxpayer's design services, 3 or 1 for a
// small-scale taxpayer; a project may name any rate from none to the highest below.
inline constexpr double defaultTaxRate = 6;
inline constexpr double highestTaxRate = 20;

// A whole project's quote (报价): who it is for and by whom, its single works in order, and how the
// contract amount follows from their total, by a float or as an amount agreed outright.
struct Quote {
    std::string name;        // 项目名称
    std::string client;      // 发包人
    std::string designer;    // 设计人
    std::string date;        // 编制日期, as written (e.g. 2026-12-09)
    double floatPercent = 0; // 浮动幅度值, within [lowestFloat, highestFloatFor(newTechnology)]
    std::optional<double> contractAmount; // 合同额 in 万元, typed instead of a float
    bool newTechnology = false;           // 采用新技术: the float may reach +25 %
    double taxRate = defaultTaxRate;      // 增值税税率, percent, within [0, highestTaxRate]
    bool taxIncluded = true;              // whether the contract amount includes the VAT (含税)
    std::vector<Item> items;

    bool operator==(const Quote&) const = default;
};

// The inputs as the calculation reads them: the conditions the type does not read, the typed numbers of
// conditions and services that are not ticked, and 单独委托设计 with its phase where the standard gives
// that phase no share for this project, are dropped. Two projects with the same canonical inputs have the
// same figures.
engine::Project canonicalInputs(const engine::Project& inputs);
// The same for a kind of engineering: the conditions not offered for its kind and grade (and those that
// apply unasked, which need no tick), the typed numbers of conditions and services that are not ticked,
// and a commission whose share row and phase give no share, are dropped.
engine::industry::KindProject canonicalInputs(const engine::industry::KindProject& inputs);
ItemInputs canonicalInputs(const ItemInputs& inputs);

// What the tables show of an item: the main window's type or the kind of engineering of 附表二, and the
// grade, by the standard's names (empty where none is chosen); the amount as typed.
std::string_view engineeringNameOf(const ItemInputs& inputs);
std::string_view gradeNameOf(const ItemInputs& inputs);
const std::string& amountOf(const ItemInputs& inputs);

// The float typed into the project window: a plain decimal number (an optional sign, digits, at most one
// point; blanks around it are allowed) within [lowestFloat, highestFloatFor(newTechnology)]. Anything else
// is refused.
std::optional<double> readFloat(std::string_view text, bool newTechnology);
// A VAT rate typed into the project window: a plain decimal number within [0, highestTaxRate].
std::optional<double> readTaxRate(std::string_view text);
// A contract amount typed into the project window: a plain decimal number above 0 and at most
// engine::maxTypedAmount.
std::optional<double> readContractAmount(std::string_view text);

} // namespace varnel::projects
