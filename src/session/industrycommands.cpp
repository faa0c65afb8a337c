#include "session/industrycommands.h"

#include "engine/feetables.h"
#include "engine/numbers.h"
#include "forms/desktop.h"
#include "projects/typednumbers.h"
#include "report/industryreport.h"
#include "rules/rules.h"
#include "session/industrywindowbinding.h"
#include "session/otherfeebinding.h"
#include "windows/industrywindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

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
    for (Phase phase : phasesOf(row)) {
        if (!shares.empty())
            shares += "，";
        shares +=
            std::string(phaseNames[static_cast<std::size_t>(phase)]) + " " + percentText(row.share(phase));
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

// The line under the results that names the phase commissioned on its own and shows its share.
void showPhaseShare(forms::Form& w, bool shown) {
    for (std::string_view part : {iw::phaseName, iw::phaseFee, iw::phaseFeeUnit})
        w.setVisible(part, shown);
}

void hidePhaseShare(forms::Form& w) {
    showPhaseShare(w, false);
    w.setText(iw::phaseFee, "");
}

} // namespace

// The lists a fresh window has.
void IndustryCommands::populate(forms::Form& w) {
    m_offered.clear();
    m_group.reset();
    w.setItems(iw::kind, kindItems());
    w.setItems(iw::grade, gradeItems());
}

void IndustryCommands::bind(forms::Form& w) {
    populate(w);
    w.onClick(iw::kind, [this, &w] { offerForKindAndGrade(w); });
    w.onClick(iw::grade, [this, &w] { offerForKindAndGrade(w); });
    for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
        w.onClick(iw::condition(slot), [this, &w, slot] { conditionClicked(w, slot); });
    rules::installOtherFeeRules(w, iw::otherFees);
    w.onClick(iw::independentPhase, [this, &w] { commissionClicked(w); });
    w.onClick(iw::shareRow, [this, &w] { shareRowChosen(w); });
    w.onClick(iw::calculate, [this, &w] { calculate(w); });
    w.onClick(iw::report, [this] { showReport(); });
}

// The kind and the grade decide what the window offers: the notes on their coefficients, the conditions
// (a condition ticked before stays ticked where it is still offered, unless the kind is of another group,
// which starts with none ticked, as the main window's type does), and the share rows.
void IndustryCommands::offerForKindAndGrade(forms::Form& w) {
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
    std::vector<std::pair<Adjustment, std::string>> ticked;
    if (group == m_group)
        for (std::size_t slot = 0; slot < m_offered.size(); ++slot)
            if (w.ticked(iw::condition(slot)))
                ticked.emplace_back(m_offered[slot]->adjustment, w.text(iw::coefficient(slot)));
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
                                       [&](const auto& t) { return t.first == m_offered[slot]->adjustment; });
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
void IndustryCommands::conditionClicked(forms::Form& w, std::size_t slot) {
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
void IndustryCommands::commissionClicked(forms::Form& w) {
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
void IndustryCommands::shareRowChosen(forms::Form& w) {
    std::vector<forms::Row> phases;
    if (const ShareRow* row = chosenShareRow(w))
        for (Phase phase : phasesOf(*row)) {
            const std::string name(phaseNames[static_cast<std::size_t>(phase)]);
            phases.push_back({name, name + " " + percentText(row->share(phase))});
        }
    const std::string chosen = w.text(iw::phase);
    w.setItems(iw::phase, phases);
    if (std::none_of(phases.begin(), phases.end(), [&](const forms::Row& p) { return p[0] == chosen; }))
        w.setText(iw::phase, "");
}

bool IndustryCommands::calculate(forms::Form& w) {
    const Project project = readIndustryProject(w);
    Calculation calculation = engine::industry::calculate(project);
    if (const std::optional<Stop>& stop = calculation.stop) {
        if (m_desktop)
            m_desktop->showMessage(
                {stop->message, std::string(windows::applicationTitle), forms::MessageIcon::None});
        std::optional<std::string_view> box;
        switch (stop->focus) {
        case Focus::Amount:
            box = iw::amount;
            break;
        case Focus::Kind:
            w.setFocus(iw::kind);
            break;
        case Focus::Grade:
            w.setFocus(iw::grade);
            break;
        case Focus::Entry:
            box = industryEntryBox(w, *stop->entry);
            break;
        case Focus::None:
            break;
        }
        if (box) {
            w.setText(*box, "");
            w.setFocus(*box);
        }
        return false;
    }
    // A phase commissioned on its own is charged its share: without a row and a phase that give one, the
    // whole benchmark would be quoted for a part of the work. Say what to choose instead.
    if (w.ticked(iw::independentPhase) && !calculation.phaseShare) {
        const bool rowChosen = !w.text(iw::shareRow).empty();
        if (m_desktop)
            m_desktop->showMessage({rowChosen ? "请选择单独委托设计的阶段！"
                                              : "请选择单独委托设计的工程（收费比例表中的一行）！",
                                    std::string(windows::applicationTitle), forms::MessageIcon::None});
        w.setFocus(rowChosen ? iw::phase : iw::shareRow);
        return false;
    }
    const engine::Variables& v = calculation.variables;
    w.setText(iw::basicFee, engine::resultBoxText(*v.basicFee));
    w.setText(iw::otherFee, engine::resultBoxText(*v.otherFee));
    w.setText(iw::benchmarkFee, engine::resultBoxText(*v.benchmarkFee));
    if (calculation.phaseShare) {
        w.setCaption(iw::phaseName, "其中" + w.text(iw::phase) + "费");
        w.setText(iw::phaseFee, engine::resultBoxText(*calculation.phaseShare));
        showPhaseShare(w, true);
    } else {
        hidePhaseShare(w);
    }
    w.setFocus(iw::amount);
    m_record = IndustryRecord{project, std::move(calculation)};
    return true;
}

void IndustryCommands::showReport() {
    if (!m_desktop)
        return;
    if (!m_record) {
        m_desktop->showMessage({"还没有可以写成计算书的计算：请先输入工程的数据，点击“计算”。",
                                std::string(windows::applicationTitle), forms::MessageIcon::None});
        return;
    }
    forms::Form& report = m_desktop->showWindow(windows::report);
    report.setText(windows::reportwindow::text,
                   report::buildIndustryReport(m_record->project, m_record->calculation));
}

void IndustryCommands::startAfresh(forms::Form& w) {
    w.reset();
    populate(w);
    w.setFocus(iw::amount);
}

forms::Refusal IndustryCommands::fill(forms::Form& w, const Project& in) {
    w.reset();
    populate(w);
    forms::Refusal refused;
    const auto step = [&](forms::Refusal r) {
        if (!refused)
            refused = std::move(r);
    };
    if (in.kind)
        step(w.userChoose(iw::kind, kindRow(*in.kind).name));
    if (in.grade)
        step(w.userChoose(iw::grade, engine::gradeNames[static_cast<std::size_t>(*in.grade)]));
    for (std::size_t slot = 0; slot < m_offered.size(); ++slot) {
        const ConditionRow& row = *m_offered[slot];
        if (!in.has(row.adjustment) || refused)
            continue;
        step(w.userClick(iw::condition(slot)));
        if (row.entry && !refused)
            step(w.userType(iw::coefficient(slot), in.text(*row.entry)));
    }
    for (const engine::OtherFee& f : engine::otherFees) {
        if (!in.has(f.service) || refused)
            continue;
        step(w.userClick(serviceBox(f.service, iw::otherFees)));
        for (const projects::TypedNumber& n : projects::typedNumbersOf(f.service))
            if (!refused && w.text(*feeEntryBox(n.entry, iw::otherFees)) != in.text(n.entry))
                step(w.userType(*feeEntryBox(n.entry, iw::otherFees), in.text(n.entry)));
    }
    if (!refused && w.text(iw::amount) != in.amount)
        step(w.userType(iw::amount, in.amount));
    if (in.commission && !refused) {
        step(w.userClick(iw::independentPhase));
        if (!refused)
            step(w.userChoose(iw::shareRow, shareRows[in.commission->shareRow].name));
        if (!refused)
            step(w.userChoose(iw::phase, phaseNames[static_cast<std::size_t>(in.commission->phase)]));
    }
    if (!refused && readIndustryProject(w) != in)
        refused = forms::Refusal{"the industry window cannot hold these inputs together"};
    return refused;
}

} // namespace varnel::session
