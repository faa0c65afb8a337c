#include "engine/variables.h"

namespace varnel::engine {

#define VARNEL_VARIABLE(name)                                                                                \
    VariableName {                                                                                           \
#name, &Variables::name                                                                              \
    }

const std::array<VariableName, 36> variableNames{{
    VARNEL_VARIABLE(lowAmount),
    VARNEL_VARIABLE(lowPrice),
    VARNEL_VARIABLE(highAmount),
    VARNEL_VARIABLE(highPrice),
    VARNEL_VARIABLE(feeBase),
    VARNEL_VARIABLE(basePrice),
    VARNEL_VARIABLE(profCoef),
    VARNEL_VARIABLE(complexCoef),
    VARNEL_VARIABLE(addCoef1),
    VARNEL_VARIABLE(addCoef2),
    VARNEL_VARIABLE(addCoef3),
    VARNEL_VARIABLE(addCoef),
    VARNEL_VARIABLE(addCoef4),
    VARNEL_VARIABLE(addCoef5),
    VARNEL_VARIABLE(basicFee),
    VARNEL_VARIABLE(overallDesignFee),
    VARNEL_VARIABLE(coordinationFee),
    VARNEL_VARIABLE(budgetFee),
    VARNEL_VARIABLE(asBuiltFee),
    VARNEL_VARIABLE(patentFee),
    VARNEL_VARIABLE(foreignDesignFee),
    VARNEL_VARIABLE(foreignReviewFee),
    VARNEL_VARIABLE(printingFee),
    VARNEL_VARIABLE(standardDrawingFee),
    VARNEL_VARIABLE(nonstdEquipAmount),
    VARNEL_VARIABLE(nonstdEquipRate),
    VARNEL_VARIABLE(nonstdEquipFee),
    VARNEL_VARIABLE(reuseFee),
    VARNEL_VARIABLE(refoundationFee),
    VARNEL_VARIABLE(localChangeRate),
    VARNEL_VARIABLE(localChangeFee),
    VARNEL_VARIABLE(otherFee),
    VARNEL_VARIABLE(benchmarkFee),
    VARNEL_VARIABLE(drawingPhaseFee),
    VARNEL_VARIABLE(preliminaryPhaseFee),
    VARNEL_VARIABLE(schemePhaseFee),
}};

#undef VARNEL_VARIABLE

} // namespace varnel::engine
