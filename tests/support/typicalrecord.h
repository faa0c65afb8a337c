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
    v.profCoef = v.complexCoef = v.additionalPlace[0] = v.additionalPlace[1] = v.additionalPlace[2] =
        v.additionalPlace[3] = v.additionalPlace[4] = v.addCoef = 1;
    v.basicFee = 55.05;
    for (engine::Variable& fee : v.fees)
        fee = 0;
    v.fee(engine::Service::OverallDesign) = 2.7525;
    v.otherFee = 2.7525;
    v.benchmarkFee = 57.8025;
    r.project.services.insert(engine::Service::OverallDesign);
    return r;
}

} // namespace varnel::test
