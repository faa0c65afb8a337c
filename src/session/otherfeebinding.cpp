#include "session/otherfeebinding.h"

#include "forms/form.h"

namespace varnel::session {

using engine::Entry;
using engine::Service;

OtherServices readOtherServices(const forms::Form& w, const windows::OtherFeeBoxes& boxes) {
    OtherServices read;
    for (const engine::OtherFee& f : engine::otherFees)
        read.services.set(f.service, w.ticked(boxes.of(f.service)));
    for (std::size_t i = 0; i < engine::entryCount; ++i)
        if (const std::optional<std::string_view> box = boxes.of(static_cast<Entry>(i)))
            read.entries[i] = w.text(*box);
    return read;
}

} // namespace varnel::session
