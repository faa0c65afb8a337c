#include "session/otherfeebinding.h"

#include "forms/form.h"

namespace varnel::session {

using engine::Entry;
using engine::Service;

std::string_view serviceBox(Service service, const windows::OtherFeeBoxes& b) {
    switch (service) {
    case Service::OverallDesign:
        return b.overallDesign;
    case Service::DesignCoordination:
        return b.designCoordination;
    case Service::ConstructionBudget:
        return b.constructionBudget;
    case Service::AsBuiltDrawings:
        return b.asBuiltDrawings;
    case Service::OwnPatents:
        return b.ownPatents;
    case Service::ForeignDesign:
        return b.foreignDesign;
    case Service::ForeignReview:
        return b.foreignReview;
    case Service::ExtraPrinting:
        return b.extraPrinting;
    case Service::StandardDrawings:
        return b.standardDrawings;
    case Service::NonstandardEquipment:
        return b.nonstandardEquipment;
    case Service::StandardDesignReuse:
        return b.standardDesignReuse;
    case Service::FoundationRedesign:
        return b.foundationRedesign;
    case Service::PartialChange:
        return b.partialChange;
    }
    return {};
}

std::optional<std::string_view> feeEntryBox(Entry entry, const windows::OtherFeeBoxes& b) {
    switch (entry) {
    case Entry::OwnPatentsAmount:
        return b.ownPatentsAmount;
    case Entry::ForeignDesignAmount:
        return b.foreignDesignAmount;
    case Entry::ForeignReviewAmount:
        return b.foreignReviewAmount;
    case Entry::ExtraPrintingAmount:
        return b.extraPrintingAmount;
    case Entry::StandardDrawingsAmount:
        return b.standardDrawingsAmount;
    case Entry::NonstandardEquipmentBase:
        return b.nonstandardEquipmentBase;
    case Entry::NonstandardEquipmentRate:
        return b.nonstandardEquipmentRate;
    case Entry::PartialChangeRate:
        return b.partialChangeRate;
    default:
        return std::nullopt; // a coefficient: the window's own conditions hold it
    }
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
