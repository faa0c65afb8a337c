#pragma once

#include <array>
#include <string_view>

namespace varnel::test {

// Every message the calculation can end with, as the user reads it.
inline constexpr std::array<std::string_view, 19> calculationMessages{
    "工程计费额不能小于或等于零！",
    "工程计费额不能大于100000000万元！",
    "你还没有选择工程类型！",
    "改扩建和技术改造建设项目附加调整系数超标！",
    "改扩建和技术改造建设项目附加调整系数超标!！",
    "古建筑、仿古建筑、保护性建筑附加调整系数超标!！",
    "你还没有选择工程复杂程度！",
    "请输入自有专利技术收费金额！",
    "请输入境外设计收费金额！",
    "请输入境外审核确认收费金额！",
    "请输入工本费收费金额！",
    "请输入购买标准图所用金额！",
    "请输入非标准设备设计额！",
    "请输入非标准设备计费率！",
    "非标准设备设计费率不得超标！",
    "局部修改费率超标！",
    "输入的金额不能大于100000000万元！",
    "输入的数值超出计算范围！",
};

// The planning window's refusals (its result reads 您的设计收费为…万元).
inline constexpr std::array<std::string_view, 2> planningMessages{"设计面积不能小于等于零！",
                                                                  "收费单价超标！"};

} // namespace varnel::test
