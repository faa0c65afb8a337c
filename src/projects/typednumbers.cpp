#include "projects/typednumbers.h"

#include <array>

namespace varnel::projects {

using engine::Entry;

namespace {
constexpr std::array<TypedNumber, 1> renovation{{{Entry::RenovationCoefficient, "coefficient"}}};
constexpr std::array<TypedNumber, 1> historic{{{Entry::HistoricCoefficient, "coefficient"}}};
constexpr std::array<TypedNumber, 1> ownPatents{{{Entry::OwnPatentsAmount, "amount"}}};
constexpr std::array<TypedNumber, 1> foreignDesign{{{Entry::ForeignDesignAmount, "amount"}}};
constexpr std::array<TypedNumber, 1> foreignReview{{{Entry::ForeignReviewAmount, "amount"}}};
constexpr std::array<TypedNumber, 1> extraPrinting{{{Entry::ExtraPrintingAmount, "amount"}}};
constexpr std::array<TypedNumber, 1> standardDrawings{{{Entry::StandardDrawingsAmount, "amount"}}};
constexpr std::array<TypedNumber, 2> nonstandardEquipment{
    {{Entry::NonstandardEquipmentBase, "amount"}, {Entry::NonstandardEquipmentRate, "rate"}}};
constexpr std::array<TypedNumber, 1> partialChange{{{Entry::PartialChangeRate, "rate"}}};
} // namespace

std::span<const TypedNumber> typedNumbersOf(engine::Condition condition) {
    switch (condition) {
    case engine::Condition::Renovation:
        return renovation;
    case engine::Condition::HistoricBuilding:
        return historic;
    default:
        return {};
    }
}

std::span<const TypedNumber> typedNumbersOf(engine::Service service) {
    using engine::Service;
    switch (service) {
    case Service::OwnPatents:
        return ownPatents;
    case Service::ForeignDesign:
        return foreignDesign;
    case Service::ForeignReview:
        return foreignReview;
    case Service::ExtraPrinting:
        return extraPrinting;
    case Service::StandardDrawings:
        return standardDrawings;
    case Service::NonstandardEquipment:
        return nonstandardEquipment;
    case Service::PartialChange:
        return partialChange;
    default:
        return {};
    }
}

} // namespace varnel::projects
