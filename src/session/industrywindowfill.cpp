#include "session/industrywindowfill.h"

#include "projects/typednumbers.h"
#include "session/industrywindowread.h"
#include "session/otherfeebinding.h"
#include "windows/industrywindow.h"

namespace varnel::session {

namespace iw = windows::industrywindow;
using namespace engine::industry;

forms::Refusal fillIndustryWindow(forms::Form& w, IndustryWindowRules& rules, const KindProject& in) {
    w.reset();
    rules.populate(w);
    forms::Refusal refused;
    const auto step = [&](forms::Refusal r) {
        if (!refused)
            refused = std::move(r);
    };
    if (in.kind)
        step(w.userChoose(iw::kind, kindRow(*in.kind).name));
    if (in.grade)
        step(w.userChoose(iw::grade, engine::gradeNames[static_cast<std::size_t>(*in.grade)]));
    const std::vector<const ConditionRow*>& offered = rules.offered();
    for (std::size_t slot = 0; slot < offered.size(); ++slot) {
        const ConditionRow& row = *offered[slot];
        if (!in.has(row.condition) || refused)
            continue;
        step(w.userClick(iw::condition(slot)));
        if (row.entry && !refused)
            step(w.userType(iw::coefficient(slot), in.text(*row.entry)));
    }
    for (const engine::OtherFee& f : engine::otherFees) {
        if (!in.has(f.service) || refused)
            continue;
        step(w.userClick(iw::otherFees.of(f.service)));
        for (const projects::TypedNumber& n : projects::typedNumbersOf(f.service))
            if (!refused && w.text(*iw::otherFees.of(n.entry)) != in.text(n.entry))
                step(w.userType(*iw::otherFees.of(n.entry), in.text(n.entry)));
    }
    if (!refused && w.text(iw::amount) != in.amount)
        step(w.userType(iw::amount, in.amount));
    if (in.commission && !refused) {
        step(w.userClick(iw::independentPhase));
        if (!refused)
            step(w.userChoose(iw::shareRow, shareRows[in.commission->shareRow].name));
        if (!refused)
            step(w.userChoose(iw::phase, engine::designPhaseName(in.commission->phase)));
    }
    if (!refused && readIndustryProject(w) != in)
        refused = forms::Refusal{"the industry window cannot hold these inputs together"};
    return refused;
}

} // namespace varnel::session
