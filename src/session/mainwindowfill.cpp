#include "session/mainwindowfill.h"

#include "projects/quote.h"
#include "projects/typednumbers.h"
#include "session/mainwindowread.h"
#include "windows/mainwindow.h"

#include <array>
#include <vector>

namespace varnel::session {

namespace box = windows::mainwindow;

using engine::Condition;
using engine::Project;
using engine::Service;

namespace {

constexpr std::array<std::string_view, 3> gradeDescriptions{box::gradeIDescription, box::gradeIIDescription,
                                                            box::gradeIIIDescription};

class Filling {
  public:
    Filling(forms::Form& w, const Project& in) : m_w(w), m_in(in) {}

    forms::Refusal operator()() {
        m_w.reset();
        if (m_in.type)
            choose(box::typeList, engine::engineeringTypeNames[static_cast<std::size_t>(*m_in.type)]);
        if (m_in.grade)
            click(gradeDescriptions[static_cast<std::size_t>(*m_in.grade)]);
        for (std::size_t i = 0; i < engine::conditionCount; ++i) {
            const auto c = static_cast<Condition>(i);
            if (!m_in.has(c))
                continue;
            if (const std::optional<std::string_view> box = conditionBox(c, m_in.type))
                click(*box);
            else
                refuse("the main window has no box for " + std::string(engine::conditionNames[i]));
            typeNumbers(projects::typedNumbersOf(c));
        }
        for (const engine::OtherFee& f : engine::otherFees) {
            if (!m_in.has(f.service))
                continue;
            click(box::otherFees.of(f.service));
            typeNumbers(projects::typedNumbersOf(f.service));
        }
        type(box::amount, m_in.amount);
        if (m_in.independentPhase)
            click(box::independentPhase);
        if (m_in.phase && !m_w.value(phaseOption(*m_in.phase)))
            click(phaseOption(*m_in.phase));
        if (!m_refusal && projects::canonicalInputs(readMainWindow(m_w)) != projects::canonicalInputs(m_in))
            refuse("the main window cannot hold these inputs together");
        return m_refusal;
    }

  private:
    void refuse(std::string why) {
        if (!m_refusal)
            m_refusal = forms::Refusal{std::move(why)};
    }
    void click(std::string_view control) {
        if (!m_refusal)
            m_refusal = m_w.userClick(control);
    }
    void choose(std::string_view control, std::string_view item) {
        if (!m_refusal)
            m_refusal = m_w.userChoose(control, item);
    }
    void type(std::string_view control, const std::string& text) {
        if (!m_refusal && m_w.text(control) != text)
            m_refusal = m_w.userType(control, text);
    }
    void typeNumbers(std::span<const projects::TypedNumber> numbers) {
        for (const projects::TypedNumber& n : numbers)
            if (const std::optional<std::string_view> box = entryBox(n.entry, m_in.type))
                type(*box, m_in.text(n.entry));
    }

    forms::Form& m_w;
    const Project& m_in;
    forms::Refusal m_refusal;
};

} // namespace

forms::Refusal fillMainWindow(forms::Form& mainWindow, const Project& inputs) {
    return Filling(mainWindow, inputs)();
}

std::string conditionsNotTaken(const Project& inputs, forms::Form& mainWindow) {
    const Project held = readMainWindow(mainWindow);
    std::vector<Condition> taken, refused;
    for (std::size_t i = 0; i < engine::conditionCount; ++i) {
        const auto c = static_cast<Condition>(i);
        if (inputs.has(c))
            (held.has(c) ? taken : refused).push_back(c);
    }
    // Each condition refused is tried again in a window holding only the type and grade, then beside each
    // condition taken: disabled in the first, it is not offered; in the second, that condition excludes it.
    const auto offeredBeside = [&](Condition refusedOne, std::optional<Condition> beside) {
        Project probe;
        probe.type = inputs.type;
        probe.grade = inputs.grade;
        probe.amount = inputs.amount;
        if (beside) {
            probe.conditions.insert(*beside);
            probe.entries = inputs.entries;
        }
        const std::optional<std::string_view> box = conditionBox(refusedOne, inputs.type);
        return !fillMainWindow(mainWindow, probe) && box && mainWindow.enabled(*box) &&
               mainWindow.visible(*box);
    };
    const auto named = [](Condition c) {
        return "“" + std::string(engine::conditionNames[static_cast<std::size_t>(c)]) + "”";
    };
    for (const Condition r : refused) {
        if (!offeredBeside(r, std::nullopt))
            return "附加调整条件" + named(r) + "不是这个工程类型和复杂程度可以选择的";
        for (const Condition t : taken)
            if (!offeredBeside(r, t))
                return "附加调整条件" + named(t) + "和" + named(r) + "不能同时选择";
    }
    return {};
}

} // namespace varnel::session
