// The main window's reading ties each field of the project to the control a user reads as that field: its
// caption, or the name a screen reader announces, inside the group of the project's type.
#include "session/mainwindowread.h"

#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace varnel;
using engine::Condition;
using engine::EngineeringType;
using engine::Entry;
using engine::Service;

namespace {

const forms::ControlDef& controlOf(std::string_view name) {
    const forms::ControlDef* c = windows::mainWindowDefinition().find(name);
    EXPECT_NE(c, nullptr) << name;
    static const forms::ControlDef none;
    return c ? *c : none;
}

// Where each type's own boxes lie.
std::string_view groupOf(EngineeringType type) {
    namespace box = windows::mainwindow;
    switch (type) {
    case EngineeringType::Road:
        return box::roadGroup;
    case EngineeringType::Bridge:
        return box::bridgeGroup;
    case EngineeringType::Building:
        return box::buildingGroup;
    case EngineeringType::Landscape:
        return box::landscapeGroup;
    case EngineeringType::Municipal:
        return box::municipalGroup;
    }
    return {};
}

struct ConditionCase {
    Condition condition;
    EngineeringType type;
    std::string caption;
};

class ConditionBoxes : public testing::TestWithParam<ConditionCase> {};

TEST_P(ConditionBoxes, AreTheBoxOfThatConditionInTheTypesGroup) {
    const ConditionCase& c = GetParam();
    const std::optional<std::string_view> box = session::conditionBox(c.condition, c.type);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(controlOf(*box).caption, c.caption);
    EXPECT_EQ(controlOf(*box).container, groupOf(c.type));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCondition, ConditionBoxes,
    testing::Values(
        ConditionCase{Condition::Renovation, EngineeringType::Road, "改扩建和技术改造建设项目"},
        ConditionCase{Condition::Renovation, EngineeringType::Bridge, "改扩建和技术改造建设项目"},
        ConditionCase{Condition::Renovation, EngineeringType::Building, "改扩建和技术改造建设项目"},
        ConditionCase{Condition::Renovation, EngineeringType::Landscape, "改扩建和技术改造建设项目"},
        ConditionCase{Condition::Renovation, EngineeringType::Municipal, "改扩建和技术改造建设项目"},
        ConditionCase{Condition::UrbanRoadUnderPipes, EngineeringType::Road,
                      "城市道路通过地下管网密集区的工程"},
        ConditionCase{Condition::Expressway, EngineeringType::Road, "高速公路、一级公路工程"},
        ConditionCase{Condition::UrbanBridgeUnderPipes, EngineeringType::Bridge,
                      "城市桥梁、隧道通过地下管网密集区的工程"},
        ConditionCase{Condition::HighwayBridgeGradeI, EngineeringType::Bridge, "公路桥梁、隧道工程Ⅰ级"},
        ConditionCase{Condition::HighwayBridgeGradeIII, EngineeringType::Bridge, "公路桥梁、隧道工程Ⅲ级"},
        ConditionCase{Condition::HistoricBuilding, EngineeringType::Building, "古建筑、仿古建筑、保护性建筑"},
        ConditionCase{Condition::IntelligentBuilding, EngineeringType::Building, "智能建筑弱电系统工程"},
        ConditionCase{Condition::CivilDefence, EngineeringType::Building, "人防工程"},
        ConditionCase{Condition::InteriorDecoration, EngineeringType::Building, "室内装修工程"},
        ConditionCase{Condition::AcousticDecoration, EngineeringType::Building, "特殊声学装修工程"},
        ConditionCase{Condition::Housing, EngineeringType::Building, "住宅工程"},
        ConditionCase{Condition::HousingCluster, EngineeringType::Building, "住宅工程(组团)"},
        ConditionCase{Condition::BuildingWithOutdoor, EngineeringType::Building, "建筑与室外工程"}));

TEST(ConditionBoxes, TheRenovationOfNoTypeHasNoBox) {
    EXPECT_FALSE(session::conditionBox(Condition::Renovation, std::nullopt).has_value());
    EXPECT_FALSE(session::entryBox(Entry::RenovationCoefficient, std::nullopt).has_value());
}

TEST(ServiceBoxes, AreTheBoxesOfThoseServices) {
    const std::pair<Service, std::string> services[] = {
        {Service::OverallDesign, "总体设计费"},
        {Service::DesignCoordination, "主体设计协调费"},
        {Service::ConstructionBudget, "施工图预算编制费"},
        {Service::AsBuiltDrawings, "竣工图编制费"},
        {Service::OwnPatents, "自有专利技术收费"},
        {Service::ForeignDesign, "境外设计收费"},
        {Service::ForeignReview, "境外审核确认收费"},
        {Service::ExtraPrinting, "另行印制设计文件工本费"},
        {Service::StandardDrawings, "购买标准图费"},
        {Service::NonstandardEquipment, "非标准设备设计费"},
        {Service::StandardDesignReuse, "采用标准设计和复用设计"},
        {Service::FoundationRedesign, "重新进行基础设计"},
        {Service::PartialChange, "对原设计进行局部调整"},
    };
    for (const auto& [service, caption] : services)
        EXPECT_EQ(controlOf(windows::mainwindow::otherFees.of(service)).caption, caption);
}

TEST(EntryBoxes, AreTheBoxesAScreenReaderNamesSo) {
    const std::pair<Entry, std::string> entries[] = {
        {Entry::HistoricCoefficient, "古建筑、仿古建筑、保护性建筑附加调整系数"},
        {Entry::OwnPatentsAmount, "自有专利技术收费（万元）"},
        {Entry::ForeignDesignAmount, "境外设计收费（万元）"},
        {Entry::ForeignReviewAmount, "境外审核确认收费（万元）"},
        {Entry::ExtraPrintingAmount, "另行印制设计文件工本费（万元）"},
        {Entry::StandardDrawingsAmount, "购买标准图费（万元）"},
        {Entry::NonstandardEquipmentAmount, "非标准设备设计额（万元）"},
        {Entry::NonstandardEquipmentRate, "非标准设备设计费率"},
        {Entry::PartialChangeRate, "对原设计进行局部调整的费率"},
    };
    for (const auto& [entry, name] : entries) {
        const std::optional<std::string_view> box = session::entryBox(entry, EngineeringType::Building);
        ASSERT_TRUE(box.has_value()) << name;
        EXPECT_EQ(controlOf(*box).accessibleName, name);
    }
    // Each type's renovation coefficient is typed beside that type's own box.
    for (EngineeringType type : engine::engineeringTypes) {
        const std::optional<std::string_view> box = session::entryBox(Entry::RenovationCoefficient, type);
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(controlOf(*box).accessibleName, "改扩建和技术改造建设项目附加调整系数");
        EXPECT_EQ(controlOf(*box).container, groupOf(type));
    }
}

TEST(PhaseOptions, AreTheOptionsOfThosePhases) {
    EXPECT_EQ(controlOf(session::phaseOption(engine::DesignPhase::Preliminary)).caption, "初步设计");
    EXPECT_EQ(controlOf(session::phaseOption(engine::DesignPhase::Drawing)).caption, "施工图设计");
    EXPECT_EQ(controlOf(session::phaseOption(engine::DesignPhase::Scheme)).caption, "方案设计");
}

} // namespace
