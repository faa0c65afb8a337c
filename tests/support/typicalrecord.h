#pragma once

#include "engine/record.h"

namespace varnel::test {

// The record of 1500 万元, building type, coefficients 1, only 总体设计费.
inline engine::CalculationRecord typicalRecord() {
    engine::CalculationRecord r;
    engine::Variables& v = r.variables;
    v.feeBase = 1500;
    v.lowAmount = 1000;
    v.lowPrice = 38.8;
    v.highAmount = 3000;
    v.highPrice = 103.8;
    v.basePrice = 55.05;
    v.profCoef = v.complexCoef = v.addCoef1 = v.addCoef2 = v.addCoef3 = v.addCoef4 = v.addCoef5 = v.addCoef =
        1;
    v.basicFee = 55.05;
    v.overallDesignFee = 2.7525;
    for (auto fee : {&engine::Variables::coordinationFee, &engine::Variables::budgetFee,
                     &engine::Variables::asBuiltFee, &engine::Variables::patentFee,
                     &engine::Variables::foreignDesignFee, &engine::Variables::foreignReviewFee,
                     &engine::Variables::printingFee, &engine::Variables::standardDrawingFee,
                     &engine::Variables::nonstdEquipFee, &engine::Variables::reuseFee,
                     &engine::Variables::refoundationFee, &engine::Variables::localChangeFee})
        v.*fee = 0;
    v.otherFee = 2.7525;
    v.benchmarkFee = 57.8025;
    r.project.services.insert(engine::Service::OverallDesign);
    return r;
}

} // namespace varnel::test
