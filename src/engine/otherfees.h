#pragma once

#include "engine/entries.h"

#include <array>
#include <cstddef>
#include <optional>
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
    TypedAmount,     // the amount typed as `entry`, which must not be empty (`message`)
    OwnRule,         // a rule of its own in the calculation
};

// One other design service (其他设计收费) the client may commission. The rows stand in the order of
// `Service`, which is the order the calculation charges them, the report writes them and the calculation
// variables list them; `variable` names its fee among those variables. The fees are added into 其他设计收费
// in the order of `sumPosition`: the standard's order, which decides the last bit of the sum.
struct OtherFee {
    Service service;
    std::string_view name; // the service as the standard names it
    std::string_view variable;
    Charge charge;
    double rate;
    std::optional<Entry> entry;
    std::string_view message;
    std::size_t sumPosition;
};

inline constexpr std::array otherFees{
    OtherFee{
        Service::OverallDesign, "总体设计费", "overallDesignFee", Charge::ShareOfBasicFee, 0.05, {}, {}, 1},
    OtherFee{Service::DesignCoordination,
             "主体设计协调费",
             "coordinationFee",
             Charge::ShareOfBasicFee,
             0.05,
             {},
             {},
             2},
    OtherFee{Service::ConstructionBudget,
             "施工图预算编制费",
             "budgetFee",
             Charge::ShareOfBasicFee,
             0.1,
             {},
             {},
             5},
    OtherFee{
        Service::AsBuiltDrawings, "竣工图编制费", "asBuiltFee", Charge::ShareOfBasicFee, 0.08, {}, {}, 6},
    OtherFee{Service::OwnPatents, "自有专利技术收费", "patentFee", Charge::TypedAmount, 0,
             Entry::OwnPatentsAmount, "请输入自有专利技术收费金额！", 8},
    OtherFee{Service::ForeignDesign, "境外设计收费", "foreignDesignFee", Charge::TypedAmount, 0,
             Entry::ForeignDesignAmount, "请输入境外设计收费金额！", 9},
    OtherFee{Service::ForeignReview, "境外审核确认收费", "foreignReviewFee", Charge::TypedAmount, 0,
             Entry::ForeignReviewAmount, "请输入境外审核确认收费金额！", 10},
    OtherFee{Service::ExtraPrinting, "另行印制设计文件工本费", "printingFee", Charge::TypedAmount, 0,
             Entry::ExtraPrintingAmount, "请输入工本费收费金额！", 11},
    OtherFee{Service::StandardDrawings, "购买标准图费", "standardDrawingFee", Charge::TypedAmount, 0,
             Entry::StandardDrawingsAmount, "请输入购买标准图所用金额！", 12},
    // The typed equipment amount × a typed rate between 0.1 and 0.2.
    OtherFee{
        Service::NonstandardEquipment, "非标准设备设计费", "nonstdEquipFee", Charge::OwnRule, 0, {}, {}, 0},
    // 30 % of the basic fee, only without either refinement below.
    OtherFee{
        Service::StandardDesignReuse, "采用标准设计和复用设计", "reuseFee", Charge::OwnRule, 0.3, {}, {}, 3},
    OtherFee{
        Service::FoundationRedesign, "重新进行基础设计", "refoundationFee", Charge::OwnRule, 0.4, {}, {}, 4},
    // The basic fee × a typed rate strictly between 0 and 1.
    OtherFee{Service::PartialChange, "对原设计进行局部调整", "localChangeFee", Charge::OwnRule, 0, {}, {}, 7},
};
inline constexpr std::size_t serviceCount = otherFees.size();

constexpr const OtherFee& otherFee(Service service) {
    return otherFees[static_cast<std::size_t>(service)];
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

// Every row in the order of `Service`, and every sum position taken once.
static_assert([] {
    std::array<bool, serviceCount> taken{};
    for (std::size_t i = 0; i < serviceCount; ++i) {
        if (static_cast<std::size_t>(otherFees[i].service) != i || otherFees[i].sumPosition >= serviceCount ||
            taken[otherFees[i].sumPosition])
            return false;
        taken[otherFees[i].sumPosition] = true;
    }
    return true;
}());

} // namespace varnel::engine
