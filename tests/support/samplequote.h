#pragma once

#include "projects/quote.h"

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
    landscape.text(Entry::NonstandardEquipmentBase) = "100";
    landscape.text(Entry::NonstandardEquipmentRate) = "0.15";
    landscape.text(Entry::PartialChangeRate) = "0.3";

    q.items = {{"主线道路（一标段）", road}, {"地下人防", building}, {"沿线绿化", landscape}};
    return q;
}

} // namespace varnel::test
