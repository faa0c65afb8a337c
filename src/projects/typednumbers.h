#pragma once

#include "engine/project.h"

#include <span>
#include <string_view>

namespace varnel::projects {

// A number the user types for a condition or a service, and what it is to that condition or service.
struct TypedNumber {
    engine::Entry entry;
    std::string_view role; // "coefficient", "amount" or "rate"
};

// The numbers typed for a condition or a service while it is ticked (none for most).
std::span<const TypedNumber> typedNumbersOf(engine::Condition condition);
std::span<const TypedNumber> typedNumbersOf(engine::Service service);

} // namespace varnel::projects
