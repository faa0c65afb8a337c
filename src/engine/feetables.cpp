// The standard's tables as the calculation uses them, each in the order in which it is read.
#include "engine/feetables.h"

namespace varnel::engine {

using enum EngineeringType;
using V = Variables;

const std::array<GradeCoefficient, 3> complexityCoefficients{{
    {"Ⅰ级", 0.85},
    {"Ⅱ级", 1},
    {"Ⅲ级", 1.15},
}};

const std::array<ProfessionalCoefficient, 5> professionalCoefficients{{
    {Road, 0.9},
    {Bridge, 1.1},
    {Building, 1},
    {Landscape, 1.1},
    {Municipal, 1},
}};

namespace {
constexpr std::string_view roadRebuild = "改扩建和技术改造建设项目附加调整系数超标！";
constexpr std::string_view rebuild = "改扩建和技术改造建设项目附加调整系数超标!！";
constexpr std::string_view ancient = "古建筑、仿古建筑、保护性建筑附加调整系数超标!！";
} // namespace

const std::array<AdditionalCondition, 15> additionalConditions{{
    {Road, 0, "Ⅰ级", &V::addCoef1, 1.89, 0, 0, 0, {}},
    {Road, 9, {}, &V::addCoef4, 0.61, 0, 0, 0, {}},
    {Road, 12, {}, &V::addCoef2, 1.1, 0, 0, 0, {}},
    {Road, 20, {}, &V::addCoef3, 0, 8, 1.1, 1.4, roadRebuild},
    {Bridge, 6, {}, &V::addCoef1, 2, 0, 0, 0, {}},
    {Bridge, 5, {}, &V::addCoef1, 0.7, 0, 0, 0, {}},
    {Bridge, 2, {}, &V::addCoef2, 1.1, 0, 0, 0, {}},
    {Bridge, 1, {}, &V::addCoef3, 0, 2, 1.1, 1.4, rebuild},
    {Building, 22, {}, &V::addCoef1, 0, 19, 1.1, 1.4, rebuild},
    {Building, 25, {}, &V::addCoef2, 0, 20, 1.3, 1.6, ancient},
    {Building, 23, {}, &V::addCoef3, 1.3, 0, 0, 0, {}},
    {Building, 26, {}, &V::addCoef4, 2, 0, 0, 0, {}},
    {Building, 24, {}, &V::addCoef5, 1.5, 0, 0, 0, {}},
    {Landscape, 31, {}, &V::addCoef1, 0, 22, 1.1, 1.4, rebuild},
    {Municipal, 27, {}, &V::addCoef1, 0, 21, 1.1, 1.4, rebuild},
}};

const std::array<SimpleFee, 9> simpleFees{{
    {7, &V::overallDesignFee, 0.05, 0, {}},
    {8, &V::coordinationFee, 0.05, 0, {}},
    {10, &V::budgetFee, 0.1, 0, {}},
    {11, &V::asBuiltFee, 0.08, 0, {}},
    {13, &V::patentFee, 0, 10, "请输入自有专利技术收费金额！"},
    {14, &V::foreignDesignFee, 0, 11, "请输入境外设计收费金额！"},
    {15, &V::foreignReviewFee, 0, 12, "请输入境外审核确认收费金额！"},
    {16, &V::printingFee, 0, 13, "请输入工本费收费金额！"},
    {17, &V::standardDrawingFee, 0, 14, "请输入购买标准图所用金额！"},
}};

const std::array<Variable Variables::*, 13> otherFeeSumOrder{
    &V::nonstdEquipFee,   &V::overallDesignFee, &V::coordinationFee,    &V::reuseFee,  &V::refoundationFee,
    &V::budgetFee,        &V::asBuiltFee,       &V::localChangeFee,     &V::patentFee, &V::foreignDesignFee,
    &V::foreignReviewFee, &V::printingFee,      &V::standardDrawingFee,
};

const std::array<Phase, 4> phases{{
    {nullptr, {}},
    {&V::preliminaryPhaseFee, "其中初步设计费"},
    {&V::drawingPhaseFee, "其中施工图设计费"},
    {&V::schemePhaseFee, "其中方案设计费"},
}};

namespace {
constexpr unsigned I = gradeI, II = gradeII, III = gradeIII, any = everyGrade;
} // namespace

const std::array<PhaseRow, 35> phaseRows{{
    // 公路和城市道路工程, 公路和城市桥梁、隧道工程
    {Road, 1, 0, any, 0.45},
    {Road, 2, 0, any, 0.55},
    {Bridge, 1, 0, any, 0.45},
    {Bridge, 2, 0, any, 0.55},
    // 建筑、人防工程, by the ticked building kind: 初步设计
    {Building, 1, 29, any, 0.3},
    {Building, 1, 32, any, 0.3},
    {Building, 1, 25, any, 0.2},
    {Building, 1, 23, any, 0.4},
    {Building, 1, 28, any, 0.4},
    // 施工图设计
    {Building, 2, 29, I, 0.6},
    {Building, 2, 29, II, 0.55},
    {Building, 2, 29, III, 0.5},
    {Building, 2, 32, any, 0.45},
    {Building, 2, 30, any, 0.75},
    {Building, 2, 25, any, 0.5},
    {Building, 2, 23, any, 0.6},
    {Building, 2, 24, any, 0.5},
    {Building, 2, 28, any, 0.5},
    // 方案设计
    {Building, 3, 29, I, 0.1},
    {Building, 3, 29, II, 0.15},
    {Building, 3, 29, III, 0.2},
    {Building, 3, 32, any, 0.25},
    {Building, 3, 30, any, 0.25},
    {Building, 3, 25, any, 0.3},
    {Building, 3, 24, any, 0.5},
    {Building, 3, 28, any, 0.1},
    // 园林绿化工程
    {Landscape, 1, 0, III, 0.2},
    {Landscape, 2, 0, I | II, 0.7},
    {Landscape, 2, 0, III, 0.5},
    {Landscape, 3, 0, I | II, 0.3},
    {Landscape, 3, 0, III, 0.3},
    // 市政公用工程
    {Municipal, 1, 0, I | II, 0.4},
    {Municipal, 1, 0, III, 0.5},
    {Municipal, 2, 0, I | II, 0.6},
    {Municipal, 2, 0, III, 0.5},
}};

} // namespace varnel::engine
