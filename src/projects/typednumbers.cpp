#include "projects/typednumbers.h"

#include "engine/feetables.h"

#include <array>
#include <optional>

namespace varnel::projects {

using engine::Entry;
using engine::Role;

std::span<const TypedNumber> typedNumbersOf(engine::Condition condition) {
    // The coefficient typed for each condition that has one, as the rows of the main window's conditions
    // say; made on first use, after the rows themselves.
    static const std::array<std::optional<TypedNumber>, engine::conditionCount> numbers = [] {
        std::array<std::optional<TypedNumber>, engine::conditionCount> read{};
        for (const engine::AdditionalCondition& c : engine::additionalConditions())
            if (c.condition && c.entry)
                read[static_cast<std::size_t>(*c.condition)] = TypedNumber{*c.entry, Role::Coefficient};
        return read;
    }();
    const std::optional<TypedNumber>& number = numbers[static_cast<std::size_t>(condition)];
    return number ? std::span<const TypedNumber>(&*number, 1) : std::span<const TypedNumber>();
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
