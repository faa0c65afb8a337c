#include "engine/calculation.h"

#include "engine/calculationsteps.h"
#include "engine/feetables.h"
#include "engine/numbers.h"

namespace varnel::engine {

namespace {

class Run {
  public:
    Run(const Project& project, Variables& v) : m_in(project), m_v(v) {}

    // Runs the steps; a complete run writes every result variable.
    Run& steps() {
        if (basePrice() && coefficients() && otherFees())
            benchmark();
        return *this;
    }

    FiguresOutcome figures() { return FiguresOutcome{std::move(m_stop), m_phase != nullptr}; }

    Outcome outcome() {
        // A stopped run shows none of its results. A complete one wrote every result variable; their texts
        // are written once, straight into the outcome.
        if (m_stop)
            return Outcome{m_amountAccepted, std::move(m_stop), {}, {}, {}, {}};
        std::optional<PhaseLine> phase;
        if (m_phase)
            phase = PhaseLine{m_phase->caption, resultBoxText(*(m_v.*m_phase->share))};
        return Outcome{m_amountAccepted,
                       std::nullopt,
                       resultBoxText(*m_v.basicFee),
                       resultBoxText(*m_v.otherFee),
                       resultBoxText(*m_v.benchmarkFee),
                       std::move(phase)};
    }

  private:
    bool stop(std::string_view message, Focus focus = Focus::None, std::optional<Entry> entry = {}) {
        m_stop = Stop{std::string(message), focus, entry};
        return false;
    }

    // A shared step's check ends the run with its message. The main window empties and focuses only what
    // could not be taken as typed; a box left empty is only named.
    bool stopped(const StepStop& s) {
        if (!s.retype)
            return stop(s.message);
        if (s.amount)
            return stop(s.message, Focus::Amount);
        return stop(s.message, Focus::Entry, s.entry);
    }

    // Reads a typed number whole; text that is no number, or a number beyond the double range, stops the
    // run with `message` or outOfRangeMessage.
    bool read(Entry entry, std::string_view message, double& value) {
        if (const StepResult s = readTypedNumber(m_in.text(entry), entry, message, value))
            return stopped(*s);
        return true;
    }

    bool basePrice() {
        if (const StepResult s = basePriceStep(m_in.amount, m_v))
            return stopped(*s);
        m_amountAccepted = true;
        return true;
    }

    bool coefficients() {
        for (Variable& place : m_v.additionalPlace)
            place = 1;
        if (!m_in.type)
            return stop("你还没有选择工程类型！", Focus::Type);
        m_v.profCoef = professionalCoefficient(*m_in.type, m_in.has(Condition::CivilDefence));
        for (const GradeCoefficient& g : complexityCoefficients)
            if (m_in.grade == g.grade)
                m_v.complexCoef = g.coefficient;
        if (!additionalCoefficients(*m_in.type))
            return false;
        if (!m_in.grade)
            return stop("你还没有选择工程复杂程度！");

        const double addCoef = combinedAdditionalCoefficient(m_v.additionalPlace);
        m_v.addCoef = addCoef;
        // At most 1.6 % of maxTypedAmount times small coefficients.
        m_v.basicFee =
            ((numeric(m_v.basePrice) * numeric(m_v.profCoef)) * numeric(m_v.complexCoef)) * addCoef;
        return true;
    }

    // Puts the coefficient of each condition of the type that applies into its place.
    bool additionalCoefficients(EngineeringType type) {
        for (const AdditionalCondition& c : additionalConditions()) {
            if (c.type != type)
                continue;
            const bool applies = c.condition ? m_in.has(*c.condition) : m_in.grade == c.grade;
            if (!applies)
                continue;
            Variable& place = m_v.additionalPlace[c.place];
            if (!c.entry) {
                place = c.value;
                continue;
            }
            double typed = 0;
            if (!read(*c.entry, c.message, typed))
                return false;
            place = typed;
            if (typed > c.upper || typed < c.lower)
                return stop(c.message, Focus::Entry, c.entry);
        }
        return true;
    }

    bool otherFees() {
        if (const StepResult s = otherFeesStep({m_in.services, m_in.entries, chargesReuseAlone(m_in)}, m_v))
            return stopped(*s);
        return true;
    }

    void benchmark() {
        // A phase commissioned on its own is charged its share: without one to charge, the whole benchmark
        // would be quoted for a part of the work.
        if (const std::string missing = missingShareMessage(m_in); !missing.empty()) {
            stop(missing);
            return;
        }
        if (const StepResult s = benchmarkStep(m_v)) {
            stopped(*s);
            return;
        }
        // The type and the grade are chosen: the coefficients stop the run without either.
        if (const PhaseRow* row = phaseRowFor(m_in)) {
            const PhaseResult& phase = phaseResults[static_cast<std::size_t>(row->phase)];
            m_v.*phase.share = phaseShare(*m_v.benchmarkFee, row->proportion);
            m_phase = &phase;
        }
    }

    const Project& m_in;
    Variables& m_v;
    // What the run came to besides the variables it wrote.
    bool m_amountAccepted = false;
    std::optional<Stop> m_stop;
    const PhaseResult* m_phase = nullptr; // the phase of the last row that applied
};

} // namespace

Outcome calculate(const Project& project, Variables& variables) {
    return Run(project, variables).steps().outcome();
}

FiguresOutcome calculateFigures(const Project& project, Variables& variables) {
    return Run(project, variables).steps().figures();
}

} // namespace varnel::engine
