#include "session/industrywindowread.h"

#include "session/otherfeebinding.h"
#include "windows/industrywindow.h"

#include <algorithm>

namespace varnel::session {

namespace iw = windows::industrywindow;
using namespace engine::industry;
using engine::Entry;

std::optional<Kind> chosenKind(const forms::Form& w) {
    return kindNamed(w.text(iw::kind));
}

std::optional<engine::Grade> chosenGrade(const forms::Form& w) {
    return engine::gradeNamed(w.text(iw::grade));
}

std::optional<std::string_view> industryEntryBox(const forms::Form& w, Entry entry) {
    if (const std::optional<std::string_view> fee = iw::otherFees.of(entry))
        return fee;
    const std::optional<Kind> kind = chosenKind(w);
    if (!kind)
        return std::nullopt;
    const std::vector<const ConditionRow*> offered = offeredConditions(*kind, chosenGrade(w));
    for (std::size_t slot = 0; slot < offered.size() && slot < iw::conditionSlots; ++slot)
        if (offered[slot]->entry == entry)
            return w.definition().at(iw::coefficient(slot)).name;
    return std::nullopt;
}

KindProject readIndustryProject(const forms::Form& w) {
    KindProject p;
    p.amount = w.text(iw::amount);
    p.kind = chosenKind(w);
    p.grade = chosenGrade(w);
    if (p.kind) {
        const std::vector<const ConditionRow*> offered = offeredConditions(*p.kind, p.grade);
        for (std::size_t slot = 0; slot < offered.size() && slot < iw::conditionSlots; ++slot) {
            if (!w.ticked(iw::condition(slot)))
                continue;
            p.conditions.insert(offered[slot]->condition);
            if (offered[slot]->entry)
                p.text(*offered[slot]->entry) = w.text(iw::coefficient(slot));
        }
    }
    const OtherServices other = readOtherServices(w, iw::otherFees);
    p.services = other.services;
    for (std::size_t i = 0; i < engine::entryCount; ++i)
        if (iw::otherFees.of(static_cast<Entry>(i)))
            p.entries[i] = other.entries[i];
    if (p.kind && w.ticked(iw::independentPhase)) {
        const std::vector<std::size_t> rows = shareRowsFor(*p.kind, p.grade);
        const auto row = std::find_if(rows.begin(), rows.end(), [&](std::size_t r) {
            return shareRows[r].name == w.text(iw::shareRow);
        });
        const std::optional<engine::DesignPhase> phase = engine::designPhaseNamed(w.text(iw::phase));
        if (row != rows.end() && phase)
            p.commission = Commission{*row, *phase};
    }
    return p;
}

} // namespace varnel::session
