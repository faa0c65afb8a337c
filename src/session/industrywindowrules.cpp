#include "session/industrywindowrules.h"

#include "engine/feetables.h"
#include "engine/numbers.h"
#include "rules/rules.h"
#include "session/industrywindowread.h"
#include "windows/industrywindow.h"

#include <algorithm>

namespace varnel::session {

namespace iw = windows::industrywindow;
using namespace engine::industry;

namespace {

std::string percentText(int percent) {
    return std::to_string(percent) + "%";
}

// The kinds of engineering under their groups, each followed by its professional coefficient.
std::vector<forms::Row> kindItems() {
    std::vector<forms::Row> items;
    for (const GroupRow& group : groups) {
        items.push_back({"", std::to_string(group.number) + " " + std::string(group.name)});
        for (const KindRow& kind : kinds)
            if (kind.group == group.group)
                items.push_back({std::string(kind.name),
                                 std::string(kind.name) + "  " + engine::joinedText(kind.coefficient)});
    }
    return items;
}

// The grades, each with its words and coefficient (1.0.9).
std::vector<forms::Row> gradeItems() {
    std::vector<forms::Row> items;
    for (const engine::GradeCoefficient& g : engine::complexityCoefficients) {
        const auto i = static_cast<std::size_t>(g.grade);
        items.push_back({std::string(engine::gradeNames[i]), std::string(engine::gradeNames[i]) + "  " +
                                                                 std::string(complexityNames[i]) + "  " +
                                                                 engine::joinedText(g.coefficient)});
    }
    return items;
}

std::string conditionCaption(const ConditionRow& row) {
    const std::string coefficient = row.typed()
                                        ? engine::joinedText(row.lower) + "～" + engine::joinedText(row.upper)
                                        : engine::joinedText(row.value);
    return std::string(row.name) + "（" + coefficient + "）";
}

std::string shareRowLabel(const ShareRow& row) {
    std::string shares;
    for (engine::DesignPhase phase : phasesOf(row)) {
        if (!shares.empty())
            shares += "，";
        shares += std::string(engine::designPhaseName(phase)) + " " + percentText(row.share(phase));
    }
    return std::string(row.name) + "（" + shares + "）";
}

const ShareRow* chosenShareRow(const forms::Form& w) {
    const std::optional<Kind> kind = chosenKind(w);
    if (!kind)
        return nullptr;
    for (std::size_t r : shareRowsFor(*kind, chosenGrade(w)))
        if (shareRows[r].name == w.text(iw::shareRow))
            return &shareRows[r];
    return nullptr;
}

} // namespace

void showPhaseShare(forms::Form& w, bool shown) {
    for (std::string_view part : {iw::phaseName, iw::phaseFee, iw::phaseFeeUnit})
        w.setVisible(part, shown);
}

void hidePhaseShare(forms::Form& w) {
    showPhaseShare(w, false);
    w.setText(iw::phaseFee, "");
}

// The lists a fresh window has.
void IndustryWindowRules::populate(forms::Form& w) {
    m_offered.clear();
    m_group.reset();
    w.setItems(iw::kind, kindItems());
    w.setItems(iw::grade, gradeItems());
}

void IndustryWindowRules::install(forms::Form& w) {
    populate(w);
    w.onClick(iw::kind, [this, &w] { offerForKindAndGrade(w); });
    w.onClick(iw::grade, [this, &w] { offerForKindAndGrade(w); });
    for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
        w.onClick(iw::condition(slot), [this, &w, slot] { conditionClicked(w, slot); });
    rules::installOtherFeeRules(w, iw::otherFees);
    w.onClick(iw::independentPhase, [this, &w] { commissionClicked(w); });
    w.onClick(iw::shareRow, [this, &w] { shareRowChosen(w); });
}

// The kind and the grade decide what the window offers: the notes on their coefficients, the conditions
// (a condition ticked before stays ticked where it is still offered, unless the kind is of another group,
// which starts with none ticked, as the main window's type does), and the share rows.
void IndustryWindowRules::offerForKindAndGrade(forms::Form& w) {
    const std::optional<Kind> kind = chosenKind(w);
    const std::optional<engine::Grade> grade = chosenGrade(w);
    if (kind) {
        const KindRow& row = kindRow(*kind);
        w.setCaption(iw::professionalNote, "专业调整系数 " + engine::joinedText(row.coefficient) + "（" +
                                               std::string(row.clause) + "，" +
                                               std::string(groupOf(*kind).name) + "）");
        std::string tables;
        for (const ComplexityTable* t : complexityTablesOf(*kind))
            tables += (tables.empty() ? "" : "、") + std::string(t->table);
        w.setCaption(iw::complexityNote, tables.empty() ? "" : "复杂程度见" + tables);
    }

    // The conditions: what was ticked, with its typed coefficient, goes back into the new boxes.
    const std::optional<Group> group =
        kind ? std::optional<Group>(groupOf(*kind).group) : std::optional<Group>();
    std::vector<std::pair<KindCondition, std::string>> ticked;
    if (group == m_group)
        for (std::size_t slot = 0; slot < m_offered.size(); ++slot)
            if (w.ticked(iw::condition(slot)))
                ticked.emplace_back(m_offered[slot]->condition, w.text(iw::coefficient(slot)));
    for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
        w.untickAndClick(iw::condition(slot));
    m_group = group;
    m_offered = kind ? offeredConditions(*kind, grade) : std::vector<const ConditionRow*>{};
    m_offered.resize(std::min(m_offered.size(), iw::conditionSlots));
    for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot) {
        const bool offered = slot < m_offered.size();
        w.setCaption(iw::condition(slot), offered ? conditionCaption(*m_offered[slot]) : "");
        w.setVisible(iw::condition(slot), offered);
    }
    for (std::size_t slot = 0; slot < m_offered.size(); ++slot) {
        const auto kept = std::find_if(ticked.begin(), ticked.end(),
                                       [&](const auto& t) { return t.first == m_offered[slot]->condition; });
        if (kept == ticked.end())
            continue;
        w.tickAndClick(iw::condition(slot));
        w.setText(iw::coefficient(slot), kept->second);
    }
    std::string unasked;
    if (kind)
        for (const ConditionRow* row : unaskedConditions(*kind, grade))
            unasked += (unasked.empty() ? "" : "；") + std::string(row->name) + " " +
                       engine::joinedText(row->value) + "，不必勾选即计入";
    w.setCaption(iw::unaskedNote, unasked);

    // The share rows of the kind and grade; without any, no phase can be commissioned on its own.
    std::vector<forms::Row> rows;
    if (kind)
        for (std::size_t r : shareRowsFor(*kind, grade))
            rows.push_back({std::string(shareRows[r].name), shareRowLabel(shareRows[r])});
    const std::string chosenRow = w.text(iw::shareRow);
    w.setItems(iw::shareRow, rows);
    if (std::none_of(rows.begin(), rows.end(), [&](const forms::Row& r) { return r[0] == chosenRow; })) {
        w.setText(iw::shareRow, "");
        shareRowChosen(w);
    }
    if (rows.empty())
        w.untickAndClick(iw::independentPhase);
    w.setEnabled(iw::independentPhase, !rows.empty());
}

// Ticking a condition unticks those it excludes and offers its coefficient's box where the standard gives
// a range; unticking it withdraws and empties that box.
void IndustryWindowRules::conditionClicked(forms::Form& w, std::size_t slot) {
    const bool ticked = w.ticked(iw::condition(slot));
    const bool typed = slot < m_offered.size() && m_offered[slot]->typed();
    w.setVisible(iw::coefficient(slot), ticked && typed);
    if (!ticked) {
        w.setText(iw::coefficient(slot), "");
        return;
    }
    for (std::size_t other = 0; other < m_offered.size(); ++other)
        if (other != slot && w.ticked(iw::condition(other)) &&
            excludeEachOther(*m_offered[slot], *m_offered[other]))
            w.untickAndClick(iw::condition(other));
}

// 单独委托设计 offers the share rows and their phases; withdrawn, it clears them and the share shown.
void IndustryWindowRules::commissionClicked(forms::Form& w) {
    const bool ticked = w.ticked(iw::independentPhase);
    w.setEnabled(iw::shareRow, ticked);
    w.setEnabled(iw::phase, ticked);
    if (!ticked) {
        w.setText(iw::shareRow, "");
        shareRowChosen(w);
        hidePhaseShare(w);
    }
}

// A share row offers the phases it gives a share, each with its share.
void IndustryWindowRules::shareRowChosen(forms::Form& w) {
    std::vector<forms::Row> phases;
    if (const ShareRow* row = chosenShareRow(w))
        for (engine::DesignPhase phase : phasesOf(*row)) {
            const std::string name(engine::designPhaseName(phase));
            phases.push_back({name, name + " " + percentText(row->share(phase))});
        }
    const std::string chosen = w.text(iw::phase);
    w.setItems(iw::phase, phases);
    if (std::none_of(phases.begin(), phases.end(), [&](const forms::Row& p) { return p[0] == chosen; }))
        w.setText(iw::phase, "");
}

} // namespace varnel::session
