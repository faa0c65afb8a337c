#pragma once

#include <string_view>

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
};

} // namespace varnel::windows
