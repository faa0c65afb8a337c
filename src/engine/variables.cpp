#include "engine/variables.h"

namespace varnel::engine {

std::vector<NamedVariable> namedVariables(const Variables& v) {
    std::vector<NamedVariable> named{
        {"lowAmount", &v.lowAmount},
        {"lowPrice", &v.lowPrice},
        {"highAmount", &v.highAmount},
        {"highPrice", &v.highPrice},
        {"feeBase", &v.feeBase},
        {"basePrice", &v.basePrice},
        {"profCoef", &v.profCoef},
        {"complexCoef", &v.complexCoef},
        {"addCoef1", &v.additionalPlace[0]},
        {"addCoef2", &v.additionalPlace[1]},
        {"addCoef3", &v.additionalPlace[2]},
        {"addCoef", &v.addCoef},
        {"addCoef4", &v.additionalPlace[3]},
        {"addCoef5", &v.additionalPlace[4]},
        {"basicFee", &v.basicFee},
    };
    for (const OtherFee& f : otherFees) {
        if (f.service == Service::NonstandardEquipment) {
            named.push_back({"nonstdEquipAmount", &v.nonstdEquipAmount});
            named.push_back({"nonstdEquipRate", &v.nonstdEquipRate});
        }
        if (f.service == Service::PartialChange)
            named.push_back({"localChangeRate", &v.localChangeRate});
        named.push_back({f.variable, &v.fee(f.service)});
    }
    named.insert(named.end(), {{"otherFee", &v.otherFee},
                               {"benchmarkFee", &v.benchmarkFee},
                               {"drawingPhaseFee", &v.drawingPhaseFee},
                               {"preliminaryPhaseFee", &v.preliminaryPhaseFee},
                               {"schemePhaseFee", &v.schemePhaseFee}});
    return named;
}

} // namespace varnel::engine
