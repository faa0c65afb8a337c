#pragma once

#include "engine/otherfees.h"
#include "engine/project.h"

#include <span>
#include <string_view>

namespace varnel::projects {

using engine::TypedNumber;

// The numbers typed for a condition or a service while it is ticked (none for most).
std::span<const TypedNumber> typedNumbersOf(engine::Condition condition);
inline std::span<const TypedNumber> typedNumbersOf(engine::Service service) {
    return engine::otherFee(service).typed.all();
}

// The word a project file keys a typed number by: "amount", "rate" or "coefficient".
std::string_view roleKey(engine::Role role);

} // namespace varnel::projects
