#pragma once

#include "engine/entries.h"
#include "engine/otherfees.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace varnel::windows {

// The boxes of 其他设计收费 in a window that offers the other design fees, the main window's or the
// industry window's: a box for each service, and a box for each number typed for one.
struct OtherFeeBoxes {
    std::string_view overallDesign;      // 总体设计费
    std::string_view designCoordination; // 主体设计协调费
    std::string_view constructionBudget; // 施工图预算编制费
    std::string_view asBuiltDrawings;    // 竣工图编制费
    std::string_view ownPatents;         // 自有专利技术收费, and its amount
    std::string_view ownPatentsAmount;
    std::string_view foreignDesign; // 境外设计收费, and its amount
    std::string_view foreignDesignAmount;
    std::string_view foreignReview; // 境外审核确认收费, and its amount
    std::string_view foreignReviewAmount;
    std::string_view extraPrinting; // 另行印制设计文件工本费, and its amount
    std::string_view extraPrintingAmount;
    std::string_view standardDrawings; // 购买标准图费, and its amount
    std::string_view standardDrawingsAmount;
    std::string_view nonstandardEquipment; // 非标准设备设计费, its equipment amount and its rate
    std::string_view nonstandardEquipmentBase;
    std::string_view nonstandardEquipmentRate;
    std::string_view standardDesignReuse; // 采用标准设计和复用设计
    std::string_view foundationRedesign;  // 重新进行基础设计
    std::string_view partialChange;       // 对原设计进行局部调整, and its rate
    std::string_view partialChangeRate;

    // The box of a service.
    constexpr std::string_view of(engine::Service service) const;
    // The box of a number typed for a service; none for a coefficient, which the window's conditions hold.
    constexpr std::optional<std::string_view> of(engine::Entry entry) const;
};

// Which box holds what: the box of each service, by `Service`, and the box of each typed number.
inline constexpr std::array<std::string_view OtherFeeBoxes::*, engine::serviceCount> serviceBoxes{
    &OtherFeeBoxes::overallDesign,       &OtherFeeBoxes::designCoordination,
    &OtherFeeBoxes::constructionBudget,  &OtherFeeBoxes::asBuiltDrawings,
    &OtherFeeBoxes::ownPatents,          &OtherFeeBoxes::foreignDesign,
    &OtherFeeBoxes::foreignReview,       &OtherFeeBoxes::extraPrinting,
    &OtherFeeBoxes::standardDrawings,    &OtherFeeBoxes::nonstandardEquipment,
    &OtherFeeBoxes::standardDesignReuse, &OtherFeeBoxes::foundationRedesign,
    &OtherFeeBoxes::partialChange};
inline constexpr std::array<std::pair<engine::Entry, std::string_view OtherFeeBoxes::*>, 8> typedNumberBoxes{{
    {engine::Entry::OwnPatentsAmount, &OtherFeeBoxes::ownPatentsAmount},
    {engine::Entry::ForeignDesignAmount, &OtherFeeBoxes::foreignDesignAmount},
    {engine::Entry::ForeignReviewAmount, &OtherFeeBoxes::foreignReviewAmount},
    {engine::Entry::ExtraPrintingAmount, &OtherFeeBoxes::extraPrintingAmount},
    {engine::Entry::StandardDrawingsAmount, &OtherFeeBoxes::standardDrawingsAmount},
    {engine::Entry::NonstandardEquipmentAmount, &OtherFeeBoxes::nonstandardEquipmentBase},
    {engine::Entry::NonstandardEquipmentRate, &OtherFeeBoxes::nonstandardEquipmentRate},
    {engine::Entry::PartialChangeRate, &OtherFeeBoxes::partialChangeRate},
}};

// Every number typed for a service has its box.
static_assert([] {
    std::size_t typed = 0;
    for (const engine::OtherFee& f : engine::otherFees)
        for (const engine::TypedNumber& n : f.typed.all()) {
            ++typed;
            bool boxed = false;
            for (const auto& [entry, box] : typedNumberBoxes)
                boxed = boxed || entry == n.entry;
            if (!boxed)
                return false;
        }
    return typed == typedNumberBoxes.size();
}());

constexpr std::string_view OtherFeeBoxes::of(engine::Service service) const {
    return this->*serviceBoxes[static_cast<std::size_t>(service)];
}

constexpr std::optional<std::string_view> OtherFeeBoxes::of(engine::Entry entry) const {
    for (const auto& [typed, box] : typedNumberBoxes)
        if (typed == entry)
            return this->*box;
    return std::nullopt;
}

// What a screen reader announces for a typed number's box: its name, an amount with its unit.
inline std::string announcedName(const engine::TypedNumber& number) {
    return std::string(number.name) + (number.role == engine::Role::Amount ? "（万元）" : "");
}

} // namespace varnel::windows
