#include "engine/industrycalculation.h"

#include "engine/calculation.h"
#include "engine/calculationsteps.h"
#include "engine/feetables.h"

#include <cmath>

namespace varnel::engine::industry {

engine::Project otherServicesOf(const KindProject& project) {
    engine::Project services;
    services.services = project.services;
    services.entries = project.entries;
    return services;
}

std::vector<const ConditionRow*> appliedConditions(const KindProject& project) {
    std::vector<const ConditionRow*> applied;
    if (!project.kind)
        return applied;
    for (const ConditionRow& row : conditionRows)
        if (belongsTo(row, *project.kind, project.grade) && (row.unasked || project.has(row.condition)))
            applied.push_back(&row);
    return applied;
}

const ShareRow* commissionedRow(const KindProject& project) {
    if (!project.kind || !project.commission)
        return nullptr;
    const Commission& c = *project.commission;
    for (std::size_t row : shareRowsFor(*project.kind, project.grade))
        if (row == c.shareRow && shareRows[row].share(c.phase) > 0)
            return &shareRows[row];
    return nullptr;
}

namespace {

class Run {
  public:
    explicit Run(const KindProject& project) : m_in(project), m_v(m_out.variables) {}

    Calculation operator()() {
        if (basePrice() && coefficients() && otherFees() && benchmark())
            phase();
        return std::move(m_out);
    }

  private:
    bool stop(std::string_view message, Focus focus, std::optional<Entry> entry = {}) {
        m_out.stop = Stop{std::string(message), focus, entry};
        return false;
    }

    // A shared step's check: the typed number it read, if any, is the one to correct.
    bool stopped(const StepStop& s, Focus otherwise) {
        return s.entry ? stop(s.message, Focus::Entry, s.entry) : stop(s.message, otherwise);
    }

    bool basePrice() {
        if (const StepResult s = basePriceStep(m_in.amount, m_v))
            return stopped(*s, Focus::Amount);
        return true;
    }

    bool coefficients() {
        for (Variable& place : m_v.additionalPlace)
            place = 1;
        if (!m_in.kind)
            return stop("你还没有选择工程类型！", Focus::Type);
        m_v.profCoef = kindRow(*m_in.kind).coefficient;
        for (const GradeCoefficient& g : complexityCoefficients)
            if (m_in.grade == g.grade)
                m_v.complexCoef = g.coefficient;
        for (const ConditionRow* row : appliedConditions(m_in))
            if (!additional(*row))
                return false;
        if (!m_in.grade)
            return stop("你还没有选择工程复杂程度！", Focus::Grade);

        const double addCoef = combinedAdditionalCoefficient(m_v.additionalPlace);
        m_v.addCoef = addCoef;
        const double basicFee =
            ((numeric(m_v.basePrice) * numeric(m_v.profCoef)) * numeric(m_v.complexCoef)) * addCoef;
        if (!std::isfinite(basicFee))
            return stop(outOfRangeMessage, Focus::Amount);
        m_v.basicFee = basicFee;
        return true;
    }

    // Puts the coefficient of a condition that applies into its place; a typed one must lie in its range.
    bool additional(const ConditionRow& row) {
        Variable& place = m_v.additionalPlace[row.place];
        if (!row.typed()) {
            place = row.value;
            return true;
        }
        double typed = 0;
        if (const StepResult s = readTypedNumber(m_in.text(*row.entry), *row.entry, row.message, typed))
            return stopped(*s, Focus::Entry);
        place = typed;
        if (typed > row.upper || typed < row.lower)
            return stop(row.message, Focus::Entry, row.entry);
        return true;
    }

    bool otherFees() {
        const engine::Project services = otherServicesOf(m_in);
        if (const StepResult s =
                otherFeesStep({m_in.services, m_in.entries, chargesReuseAlone(services)}, m_v))
            return stopped(*s, Focus::None);
        return true;
    }

    bool benchmark() {
        if (const StepResult s = benchmarkStep(m_v))
            return stopped(*s, Focus::None);
        return true;
    }

    void phase() {
        if (const ShareRow* row = commissionedRow(m_in))
            m_out.phaseShare = phaseShare(*m_v.benchmarkFee, row->share(m_in.commission->phase) / 100.0);
    }

    const KindProject& m_in;
    Calculation m_out;
    Variables& m_v;
};

} // namespace

Calculation calculate(const KindProject& project) {
    return Run(project)();
}

} // namespace varnel::engine::industry
