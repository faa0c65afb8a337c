#pragma once

#include "projects/quote.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::test {

// A road with a phase commissioned on its own, a civil-defence building, and a landscape with typed fees:
// three single works of different types, each with conditions, services or typed numbers of its own.
inline projects::Quote sampleQuote() {
    using namespace engine;
    projects::Quote q;
    q.name = "某某道路工程";
    q.client = "某某市城市建设投资有限公司";
    q.designer = "某某市政设计研究院";
    q.date = "2026-12-09";
    q.floatPercent = -5;

    Project road;
    road.amount = "1500";
    road.type = EngineeringType::Road;
    road.grade = Grade::II;
    road.conditions = {Condition::Renovation, Condition::UrbanRoadUnderPipes};
    road.text(Entry::RenovationCoefficient) = "1.2";
    road.services = {Service::OverallDesign};
    road.independentPhase = true;
    road.phase = DesignPhase::Preliminary;

    Project building;
    building.amount = "1500";
    building.type = EngineeringType::Building;
    building.grade = Grade::II;
    building.conditions = {Condition::CivilDefence};
    building.services = {Service::OverallDesign};

    Project landscape;
    landscape.amount = "300";
    landscape.type = EngineeringType::Landscape;
    landscape.grade = Grade::III;
    landscape.services = {Service::OwnPatents, Service::NonstandardEquipment, Service::StandardDesignReuse,
                          Service::PartialChange};
    landscape.text(Entry::OwnPatentsAmount) = "3";
    landscape.text(Entry::NonstandardEquipmentAmount) = "100";
    landscape.text(Entry::NonstandardEquipmentRate) = "0.15";
    landscape.text(Entry::PartialChangeRate) = "0.3";

    q.items = {{"主线道路（一标段）", road}, {"地下人防", building}, {"沿线绿化", landscape}};
    return q;
}

// The commission of `phase` by the share row of that name among those of the kind and grade.
inline engine::industry::Commission commissionOf(engine::industry::Kind kind, engine::Grade grade,
                                                 std::string_view row, engine::DesignPhase phase) {
    for (std::size_t i : engine::industry::shareRowsFor(kind, grade))
        if (engine::industry::shareRows[i].name == row)
            return {i, phase};
    return {engine::industry::shareRows.size(), phase}; // no such row: no share is charged
}

// Four works of kinds of engineering of 附表二, each as its window enters it: a coal preparation plant with
// its typed renovation coefficient, the Ⅲ级 plant's condition, a service and 初步设计 commissioned; a
// petrochemical plant whose 基础设计 is commissioned, with a typed non-standard equipment fee; a water
// channel whose 招标设计 is commissioned; a Ⅰ级 road, to which 公路工程Ⅰ级 applies unasked.
inline std::vector<projects::Item> industrySampleItems() {
    using namespace engine;
    using namespace engine::industry;
    industry::KindProject coal;
    coal.amount = "1500";
    coal.kind = Kind::CoalPreparation;
    coal.grade = Grade::III;
    coal.conditions = {KindCondition::Renovation, KindCondition::CoalPreparationPlant};
    coal.text(Entry::RenovationCoefficient) = "1.2";
    coal.services = {Service::OverallDesign};
    coal.commission =
        commissionOf(*coal.kind, *coal.grade, "黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放",
                     engine::DesignPhase::Preliminary);

    industry::KindProject plant;
    plant.amount = "8000";
    plant.kind = Kind::PetroleumChemical;
    plant.grade = Grade::II;
    plant.conditions = {KindCondition::PipeSegmentDrawings};
    plant.services = {Service::NonstandardEquipment};
    plant.text(Entry::NonstandardEquipmentAmount) = "200";
    plant.text(Entry::NonstandardEquipmentRate) = "0.12";
    plant.commission = commissionOf(*plant.kind, *plant.grade, "一般石油化工", engine::DesignPhase::Basic);

    industry::KindProject channel;
    channel.amount = "600";
    channel.kind = Kind::WindAndOtherWater;
    channel.grade = Grade::I;
    channel.conditions = {KindCondition::ChannelsAndDikes};
    channel.commission =
        commissionOf(*channel.kind, *channel.grade, "引调水：渠道、管线", engine::DesignPhase::Tender);

    industry::KindProject road;
    road.amount = "2500";
    road.kind = Kind::Road;
    road.grade = Grade::I;
    road.services = {Service::DesignCoordination};

    return {{"选煤厂", coal}, {"乙烯装置", plant}, {"引水干渠", channel}, {"一级公路", road}};
}

// The sample quote with the works of kinds of engineering after its three main-window items.
inline projects::Quote mixedQuote() {
    projects::Quote q = sampleQuote();
    q.name = "某某园区工程";
    for (projects::Item& item : industrySampleItems())
        q.items.push_back(std::move(item));
    return q;
}

// Works that take the other roads through the calculation: an amount below 附表一 and one beyond it, an
// amount on one of its rows, a building with several conditions, every other fee and the 方案设计 of a
// building with outdoor works, and a reused design with its foundation designed again.
inline std::vector<projects::Item> edgeItems() {
    using namespace engine;
    Project small;
    small.amount = "150";
    small.type = EngineeringType::Municipal;
    small.grade = Grade::I;

    Project huge;
    huge.amount = "2500000";
    huge.type = EngineeringType::Bridge;
    huge.grade = Grade::III;
    huge.conditions = {Condition::HighwayBridgeGradeIII};

    Project building;
    building.amount = "1000";
    building.type = EngineeringType::Building;
    building.grade = Grade::III;
    building.conditions = {Condition::Renovation, Condition::HistoricBuilding, Condition::IntelligentBuilding,
                           Condition::BuildingWithOutdoor};
    building.text(Entry::RenovationCoefficient) = "1.1";
    building.text(Entry::HistoricCoefficient) = "1.3";
    building.services = {Service::OverallDesign,      Service::DesignCoordination,
                         Service::ConstructionBudget, Service::AsBuiltDrawings,
                         Service::OwnPatents,         Service::ForeignDesign,
                         Service::ForeignReview,      Service::ExtraPrinting,
                         Service::StandardDrawings,   Service::NonstandardEquipment};
    for (Entry e : {Entry::OwnPatentsAmount, Entry::ForeignDesignAmount, Entry::ForeignReviewAmount,
                    Entry::ExtraPrintingAmount, Entry::StandardDrawingsAmount})
        building.text(e) = "1.5";
    building.text(Entry::NonstandardEquipmentAmount) = "80";
    building.text(Entry::NonstandardEquipmentRate) = "0.2";
    building.independentPhase = true;
    building.phase = DesignPhase::Scheme;

    Project reused;
    reused.amount = "500";
    reused.type = EngineeringType::Road;
    reused.grade = Grade::I;
    reused.services = {Service::StandardDesignReuse, Service::FoundationRedesign};

    return {{"小型泵站", small}, {"跨海大桥", huge}, {"文化中心", building}, {"复用道路", reused}};
}

// `count` buildings of Ⅱ级 of the same typed amount, named 第 1 项, 第 2 项, …; with `typedFees`, every
// typed fee and the non-standard equipment's amount is that amount too (at the highest rate). The largest
// projects a file can hold.
inline projects::Quote equalWorks(std::size_t count, const std::string& amount, bool typedFees = false) {
    using namespace engine;
    Project work;
    work.amount = amount;
    work.type = EngineeringType::Building;
    work.grade = Grade::II;
    if (typedFees) {
        work.services = {Service::OwnPatents,    Service::ForeignDesign,    Service::ForeignReview,
                         Service::ExtraPrinting, Service::StandardDrawings, Service::NonstandardEquipment};
        for (Entry e :
             {Entry::OwnPatentsAmount, Entry::ForeignDesignAmount, Entry::ForeignReviewAmount,
              Entry::ExtraPrintingAmount, Entry::StandardDrawingsAmount, Entry::NonstandardEquipmentAmount})
            work.text(e) = amount;
        work.text(Entry::NonstandardEquipmentRate) = "0.2";
    }
    projects::Quote q;
    q.name = "大型项目";
    q.floatPercent = 20;
    for (std::size_t i = 0; i < count; ++i)
        q.items.push_back({"第 " + std::to_string(i + 1) + " 项", work});
    return q;
}

// A project of one to twelve works drawn from the mixed sample, each with a random amount (up to three
// decimals), a random float or contract amount, VAT rate and 含税 or not: figures whose fourth decimal and
// the digits beyond it vary, for checks that what is printed adds up.
template <typename Random>
projects::Quote randomQuote(Random& random) {
    const projects::Quote mixed = mixedQuote();
    projects::Quote q = mixed;
    q.items.clear();
    const std::size_t count = 1 + random() % 12;
    for (std::size_t i = 0; i < count; ++i) {
        projects::Item item = mixed.items[random() % mixed.items.size()];
        const unsigned long whole = 200 + random() % 30000;
        const unsigned long fraction = random() % 1000;
        const std::string amount = std::to_string(whole) + "." + std::to_string(1000 + fraction).substr(1);
        std::visit([&amount](auto& in) { in.amount = amount; }, item.inputs);
        item.name += " " + std::to_string(i + 1);
        q.items.push_back(std::move(item));
    }
    q.newTechnology = random() % 2 == 0;
    q.floatPercent = static_cast<double>(static_cast<long>(random() % 40001) - 20000) / 1000;
    if (random() % 3 == 0)
        q.contractAmount = static_cast<double>(1 + random() % 100000000) / 1000;
    constexpr double rates[] = {6, 3, 1};
    q.taxRate = rates[random() % 3];
    q.taxIncluded = random() % 2 == 0;
    return q;
}

} // namespace varnel::test
