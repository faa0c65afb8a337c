#include "session/otherfeebinding.h"

#include "forms/form.h"

namespace varnel::session {

using engine::Entry;
using engine::Service;

std::string_view serviceBox(Service service, const windows::OtherFeeBoxes& b) {
    return b.of(service);
}

std::optional<std::string_view> feeEntryBox(Entry entry, const windows::OtherFeeBoxes& b) {
    return b.of(entry);
}

OtherServices readOtherServices(const forms::Form& w, const windows::OtherFeeBoxes& boxes) {
    OtherServices read;
    for (const engine::OtherFee& f : engine::otherFees)
        read.services.set(f.service, w.ticked(serviceBox(f.service, boxes)));
    for (std::size_t i = 0; i < engine::entryCount; ++i)
        if (const std::optional<std::string_view> box = feeEntryBox(static_cast<Entry>(i), boxes))
            read.entries[i] = w.text(*box);
    return read;
}

} // namespace varnel::session
