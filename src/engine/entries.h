#pragma once

#include <cstddef>

namespace varnel::engine {

// The numbers the user types for the project, as typed.
enum class Entry {
    RenovationCoefficient,      // 改扩建和技术改造建设项目附加调整系数
    HistoricCoefficient,        // 古建筑、仿古建筑、保护性建筑附加调整系数
    OwnPatentsAmount,           // 自有专利技术收费（万元）
    ForeignDesignAmount,        // 境外设计收费（万元）
    ForeignReviewAmount,        // 境外审核确认收费（万元）
    ExtraPrintingAmount,        // 另行印制设计文件工本费（万元）
    StandardDrawingsAmount,     // 购买标准图费（万元）
    NonstandardEquipmentAmount, // 非标准设备设计额（万元）
    NonstandardEquipmentRate,   // 非标准设备设计费率
    PartialChangeRate,          // 对原设计进行局部调整的费率
};
inline constexpr std::size_t entryCount = static_cast<std::size_t>(Entry::PartialChangeRate) + 1;

} // namespace varnel::engine
