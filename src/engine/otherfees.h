#pragma once

#include "engine/entries.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace varnel::engine {

// The other design services (其他设计收费) the client commissions.
enum class Service {
    OverallDesign,        // 总体设计费
    DesignCoordination,   // 主体设计协调费
    ConstructionBudget,   // 施工图预算编制费
    AsBuiltDrawings,      // 竣工图编制费
    OwnPatents,           // 自有专利技术收费, a typed amount
    ForeignDesign,        // 境外设计收费, a typed amount
    ForeignReview,        // 境外审核确认收费, a typed amount
    ExtraPrinting,        // 另行印制设计文件工本费, a typed amount
    StandardDrawings,     // 购买标准图费, a typed amount
    NonstandardEquipment, // 非标准设备设计费, a typed amount and rate
    StandardDesignReuse,  // 采用标准设计和复用设计
    FoundationRedesign,   // 重新进行基础设计 (with reuse)
    PartialChange,        // 对原设计进行局部调整 (with reuse), a typed rate
};

// How an other design fee is charged.
enum class Charge {
    ShareOfBasicFee, // `rate` × 基本设计收费
    TypedAmount,     // the amount typed as its one typed number, which must not be empty (`message`)
    OwnRule,         // a rule of its own in the calculation
};

// What a number typed for a condition or a service is to it: an amount of 万元, a rate, or a coefficient.
enum class Role { Amount, Rate, Coefficient };

// A number typed for a service. `name` says what it is: the window labels or announces its box by it, an
// amount with its unit, "…（万元）". `tooltip` explains its box's label, where the window has one.
struct TypedNumber {
    Entry entry;
    Role role;
    std::string_view name = {};
    std::string_view tooltip = {};
};

// The numbers typed for one service, in the order the window and the files list them.
struct TypedNumbers {
    std::array<TypedNumber, 2> numbers{};
    std::size_t count = 0;

    constexpr TypedNumbers() = default;
    constexpr TypedNumbers(TypedNumber a) : numbers{a}, count(1) {}
    constexpr TypedNumbers(TypedNumber a, TypedNumber b) : numbers{a, b}, count(2) {}
    constexpr std::span<const TypedNumber> all() const { return {numbers.data(), count}; }
};

// One other design service (其他设计收费) the client may commission, with all that is known of it. The rows
// stand in the order of `Service`, which is the order the calculation charges them, the report writes
// them and the calculation variables list them; `variable` names its fee among those variables. The fees
// are added into 其他设计收费 in the order of `sumPosition`: the standard's order, which decides the last
// bit of the sum.
//
// `name` is the service as the standard names it, and the caption of its box in both windows; `clause` is
// the standard's clause on it, as the reports cite it. `tooltip` explains its box in the industry window
// and, unless `mainTooltip` words it otherwise (empty: none), in the main window.
struct OtherFee {
    Service service;
    std::string_view name;
    std::string_view reportLabel; // how the fee's line of the report window begins
    std::string_view clause;
    std::string_view variable;
    Charge charge;
    double rate;
    TypedNumbers typed;
    std::string_view message; // a typed amount left empty
    std::size_t sumPosition;
    std::string_view tooltip;
    std::optional<std::string_view> mainTooltip;

    // The box of a typed amount, which the fee is.
    constexpr Entry amountEntry() const { return typed.numbers[0].entry; }
};

// The rows below by how the fee is charged.
namespace otherfeerows {
// A share of the basic fee.
constexpr OtherFee share(Service service, std::string_view name, std::string_view reportLabel,
                         std::string_view clause, std::string_view variable, double rate,
                         std::size_t sumPosition, std::string_view tooltip,
                         std::optional<std::string_view> mainTooltip = {}) {
    return {service, name, reportLabel, clause,      variable, Charge::ShareOfBasicFee,
            rate,    {},   {},          sumPosition, tooltip,  mainTooltip};
}
// A fee of the amount typed for it, announced with its unit like the fee itself.
constexpr OtherFee typedAmount(Service service, std::string_view name, std::string_view reportLabel,
                               std::string_view clause, std::string_view variable, Entry entry,
                               std::string_view message, std::size_t sumPosition,
                               std::string_view mainTooltip = {}) {
    return {service,     name,
            reportLabel, clause,
            variable,    Charge::TypedAmount,
            0,           TypedNumber{entry, Role::Amount, name},
            message,     sumPosition,
            {},          mainTooltip};
}
// A fee of a rule of its own, with the numbers typed for it.
constexpr OtherFee ownRule(Service service, std::string_view name, std::string_view reportLabel,
                           std::string_view clause, std::string_view variable, double rate,
                           TypedNumbers typed, std::size_t sumPosition, std::string_view tooltip) {
    return {service, name,  reportLabel, clause,      variable, Charge::OwnRule,
            rate,    typed, {},          sumPosition, tooltip,  {}};
}
} // namespace otherfeerows

inline constexpr std::array otherFees{
    otherfeerows::share(Service::OverallDesign, "总体设计费", "您的工程总体设计费为：", "1.0.13",
                        "overallDesignFee", 0.05, 1, "编制总体设计的费用，为基本设计收费的5%"),
    otherfeerows::share(Service::DesignCoordination, "主体设计协调费", "您的工程主体设计协调费为：", "1.0.14",
                        "coordinationFee", 0.05, 2,
                        "对建设项目工程设计合理性和整体性负责的设计人加收的费用，为基本设计收费的5%"),
    otherfeerows::share(Service::ConstructionBudget, "施工图预算编制费", "您的工程预算编制费为：", "1.0.16",
                        "budgetFee", 0.1, 5, "编制施工图收取的费用，为基本设计收费的10%"),
    otherfeerows::share(Service::AsBuiltDrawings, "竣工图编制费", "您的工程竣工图编制费为：", "1.0.16",
                        "asBuiltFee", 0.08, 6, "编制竣工图的费用，为基本设计收费的8%", ""),
    otherfeerows::typedAmount(Service::OwnPatents, "自有专利技术收费", "您的自有专利技术收费为：", "1.0.17",
                              "patentFee", Entry::OwnPatentsAmount, "请输入自有专利技术收费金额！", 8,
                              "专利和自有技术收费由发包人和设计人协商"),
    otherfeerows::typedAmount(Service::ForeignDesign, "境外设计收费", "您的境外设计收费为：", "1.0.18",
                              "foreignDesignFee", Entry::ForeignDesignAmount, "请输入境外设计收费金额！", 9,
                              "境外人员设计费由发包人和设计人协商确定"),
    otherfeerows::typedAmount(Service::ForeignReview, "境外审核确认收费", "您的境外审核确认费为：", "1.0.19",
                              "foreignReviewFee", Entry::ForeignReviewAmount, "请输入境外审核确认收费金额！",
                              10, "协商确定"),
    otherfeerows::typedAmount(Service::ExtraPrinting, "另行印制设计文件工本费",
                              "您的另行印制设计文件工本费为：", "1.0.20", "printingFee",
                              Entry::ExtraPrintingAmount, "请输入工本费收费金额！", 11),
    otherfeerows::typedAmount(Service::StandardDrawings, "购买标准图费", "您的购买标准设计图费为：", "1.0.20",
                              "standardDrawingFee", Entry::StandardDrawingsAmount,
                              "请输入购买标准图所用金额！", 12),
    // The typed equipment amount × a typed rate between 0.1 and 0.2.
    otherfeerows::ownRule(Service::NonstandardEquipment, "非标准设备设计费", "您的非标准设备设计费为：",
                          "1.0.10", "nonstdEquipFee", 0,
                          {TypedNumber{Entry::NonstandardEquipmentAmount, Role::Amount, "非标准设备设计额"},
                           TypedNumber{Entry::NonstandardEquipmentRate, Role::Rate, "非标准设备设计费率",
                                       "费率应在0.1-0.2之间"}},
                          0, {}),
    // 30 % of the basic fee, only without either refinement below.
    otherfeerows::ownRule(Service::StandardDesignReuse, "采用标准设计和复用设计",
                          "您采用标准设备和复用设计费为：", "1.0.15", "reuseFee", 0.3, {}, 3,
                          "采用标准设计和复用设计费按基本设计收费的0.3计算"),
    otherfeerows::ownRule(Service::FoundationRedesign, "重新进行基础设计",
                          "您采用标准设备和复用设计并重新进行基础设计费为：", "1.0.15", "refoundationFee",
                          0.4, {}, 4, "重新进行基础设计的按基本设计收费的0.4"),
    // The basic fee × a typed rate strictly between 0 and 1.
    otherfeerows::ownRule(Service::PartialChange, "对原设计进行局部调整",
                          "您采用标准设备和复用设计并做局部修改设计费为：", "1.0.15", "localChangeFee", 0,
                          TypedNumber{Entry::PartialChangeRate, Role::Rate, "对原设计进行局部调整的费率"}, 7,
                          "做局部修改的费率由发包人和设计人协商"),
};
inline constexpr std::size_t serviceCount = otherFees.size();

constexpr const OtherFee& otherFee(Service service) {
    return otherFees[static_cast<std::size_t>(service)];
}

// The tooltip of the service's box in the main window.
constexpr std::string_view mainWindowTooltip(const OtherFee& fee) {
    return fee.mainTooltip.value_or(fee.tooltip);
}

// A service by the standard's name of it.
constexpr std::optional<Service> serviceNamed(std::string_view name) {
    for (const OtherFee& f : otherFees)
        if (f.name == name)
            return f.service;
    return std::nullopt;
}

// The services in the order their fees are added into 其他设计收费.
constexpr std::array<Service, serviceCount> sumOrder = [] {
    std::array<Service, serviceCount> order{};
    for (const OtherFee& f : otherFees)
        order[f.sumPosition] = f.service;
    return order;
}();

// Every row in the order of `Service`, every sum position taken once, and a typed amount typed as one.
static_assert([] {
    std::array<bool, serviceCount> taken{};
    for (std::size_t i = 0; i < serviceCount; ++i) {
        if (static_cast<std::size_t>(otherFees[i].service) != i || otherFees[i].sumPosition >= serviceCount ||
            taken[otherFees[i].sumPosition])
            return false;
        if (otherFees[i].charge == Charge::TypedAmount &&
            (otherFees[i].typed.count != 1 || otherFees[i].typed.numbers[0].role != Role::Amount))
            return false;
        taken[otherFees[i].sumPosition] = true;
    }
    return true;
}());

} // namespace varnel::engine
