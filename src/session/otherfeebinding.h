#pragma once

#include "engine/entries.h"
#include "engine/otherfees.h"
#include "engine/project.h"
#include "windows/otherfeeboxes.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::forms {
class Form;
}

namespace varnel::session {

// The services ticked in a window that offers the other design fees with these boxes (the main window's or
// the industry window's), and the numbers typed for them.
struct OtherServices {
    engine::EnumSet<engine::Service, engine::serviceCount> services;
    std::array<std::string, engine::entryCount> entries;
};
OtherServices readOtherServices(const forms::Form& window, const windows::OtherFeeBoxes& boxes);

} // namespace varnel::session
