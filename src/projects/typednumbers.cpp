#include "projects/typednumbers.h"

#include <array>

namespace varnel::projects {

using engine::Entry;
using engine::Role;

namespace {
constexpr std::array<TypedNumber, 1> renovation{{{Entry::RenovationCoefficient, Role::Coefficient}}};
constexpr std::array<TypedNumber, 1> historic{{{Entry::HistoricCoefficient, Role::Coefficient}}};
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

std::string_view roleKey(Role role) {
    switch (role) {
    case Role::Amount:
        return "amount";
    case Role::Rate:
        return "rate";
    case Role::Coefficient:
        return "coefficient";
    }
    return {};
}

} // namespace varnel::projects
