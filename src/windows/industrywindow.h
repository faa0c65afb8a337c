#pragma once

#include "windows/otherfeeboxes.h"

#include <cstddef>
#include <string>
#include <string_view>

// The industry window (全行业设计收费): the design fee of any kind of engineering of 附表二, its controls
// named by what they hold.
namespace varnel::windows::industrywindow {

// The project.
inline constexpr std::string_view amount = "amount"; // 工程设计收费计费额, in 万元
inline constexpr std::string_view kind = "kind";     // the kind of engineering, under its group
inline constexpr std::string_view professionalNote =
    "professionalNote";                            // its professional coefficient and clause
inline constexpr std::string_view grade = "grade"; // Ⅰ级, Ⅱ级 or Ⅲ级
inline constexpr std::string_view complexityNote = "complexityNote"; // the tables that grade the kind

// The additional adjustment: the conditions the kind and grade offer stand in the first boxes, each with
// a box for its coefficient where the standard gives a range; the conditions that apply unasked are noted.
inline constexpr std::size_t conditionSlots = 6;
inline std::string condition(std::size_t slot) {
    return "condition" + std::to_string(slot + 1);
}
inline std::string coefficient(std::size_t slot) {
    return "coefficient" + std::to_string(slot + 1);
}
inline constexpr std::string_view unaskedNote = "unaskedNote";

// The other design fees, as in the main window.
inline constexpr OtherFeeBoxes otherFees{"overallDesign",
                                         "designCoordination",
                                         "constructionBudget",
                                         "asBuiltDrawings",
                                         "ownPatents",
                                         "ownPatentsAmount",
                                         "foreignDesign",
                                         "foreignDesignAmount",
                                         "foreignReview",
                                         "foreignReviewAmount",
                                         "extraPrinting",
                                         "extraPrintingAmount",
                                         "standardDrawings",
                                         "standardDrawingsAmount",
                                         "nonstandardEquipment",
                                         "nonstandardEquipmentBase",
                                         "nonstandardEquipmentRate",
                                         "standardDesignReuse",
                                         "foundationRedesign",
                                         "partialChange",
                                         "partialChangeRate"};

// A phase commissioned on its own: 单独委托设计, the row of the share table it is charged by, the phase.
inline constexpr std::string_view independentPhase = "independentPhase";
inline constexpr std::string_view shareRow = "shareRow";
inline constexpr std::string_view phase = "phase";

// The commands.
inline constexpr std::string_view calculate = "calculate";   // 计算
inline constexpr std::string_view report = "report";         // 计算书
inline constexpr std::string_view addItem = "addItem";       // 加入项目…
inline constexpr std::string_view updateItem = "updateItem"; // 更新单项: the item opened from the project
inline constexpr std::string_view newItem = "newItem";       // 新单项: the window as it first opens

// The open project, as the main window's 文件 menu saves it; 保存项目 answers Ctrl+S.
inline constexpr std::string_view saveProject = "saveProject";
inline constexpr std::string_view saveProjectAs = "saveProjectAs";

// The results, in 万元, and the phase's share with its name.
inline constexpr std::string_view basicFee = "basicFee";
inline constexpr std::string_view otherFee = "otherFee";
inline constexpr std::string_view benchmarkFee = "benchmarkFee";
inline constexpr std::string_view phaseName = "phaseName";
inline constexpr std::string_view phaseFee = "phaseFee";
inline constexpr std::string_view phaseFeeUnit = "phaseFeeUnit"; // 万元 after the phase's share

} // namespace varnel::windows::industrywindow
