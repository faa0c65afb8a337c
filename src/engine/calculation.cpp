#include "engine/calculation.h"

#include "engine/baseprice.h"
#include "engine/feetables.h"
#include "engine/numbers.h"

#include <cmath>

namespace varnel::engine {

namespace {

class Run {
  public:
    Run(const Project& project, Variables& v) : m_in(project), m_v(v) {}

    Outcome operator()() {
        if (basePrice() && coefficients() && otherFees())
            benchmark();
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
    bool stop(std::string_view message, std::optional<Entry> wrongEntry = {}, bool chooseType = false) {
        m_stop = Stop{std::string(message), wrongEntry, chooseType};
        return false;
    }

    // Reads a typed number by the leading-number rule; a number beyond the double range stops the run.
    bool read(Entry entry, double& value) {
        const NumberReading r = readNumber(m_in.text(entry));
        if (!r.fits)
            return stop(outOfRangeMessage);
        value = r.value;
        return true;
    }

    // Stores a computed value, unless it has left the double range.
    bool store(Variable& variable, double value) {
        if (!std::isfinite(value))
            return stop(outOfRangeMessage);
        variable = value;
        return true;
    }

    bool basePrice() {
        const NumberReading amount = readNumber(m_in.amount);
        if (!amount.fits)
            return stop(outOfRangeMessage);
        m_v.feeBase = amount.value;
        if (!(amount.value > 0))
            return stop("工程计费额不能小于或等于零！");
        const BasePrice price = basePriceFor(amount.value);
        if (price.low) {
            m_v.lowAmount = price.low->amount;
            m_v.lowPrice = price.low->price;
            m_v.highAmount = price.high->amount;
            m_v.highPrice = price.high->price;
        }
        if (!store(m_v.basePrice, price.price))
            return false;
        m_amountAccepted = true;
        return true;
    }

    bool coefficients() {
        for (Variable& place : m_v.additionalPlace)
            place = 1;
        if (!m_in.type)
            return stop("你还没有选择工程类型！", {}, true);
        for (const ProfessionalCoefficient& p : professionalCoefficients)
            if (p.type == *m_in.type)
                m_v.profCoef = p.coefficient;
        if (*m_in.type == EngineeringType::Building && m_in.has(Condition::CivilDefence))
            m_v.profCoef = defenceCoefficient;
        for (const GradeCoefficient& g : complexityCoefficients)
            if (m_in.grade == g.grade)
                m_v.complexCoef = g.coefficient;
        if (!additionalCoefficients(*m_in.type))
            return false;
        if (!m_in.grade)
            return stop("你还没有选择工程复杂程度！");

        // 附加调整系数 = 1 + Σ(cᵢ − 1) over the conditions that apply: the sum of the five places less 5 plus
        // 1, a place no condition took adding 1 − 1. The places are added in the standard's order: another
        // order can change the last bit.
        const auto place = [&](std::size_t i) { return numeric(m_v.additionalPlace[i]); };
        const double addCoef = ((((place(1) + place(2)) + place(0)) + place(3)) + place(4)) - 5 + 1;
        m_v.addCoef = addCoef;
        // At most 1.6 % of the largest double times small coefficients: always finite.
        m_v.basicFee =
            ((numeric(m_v.basePrice) * numeric(m_v.profCoef)) * numeric(m_v.complexCoef)) * addCoef;
        return true;
    }

    // Puts the coefficient of each condition of the type that applies into its place.
    bool additionalCoefficients(EngineeringType type) {
        for (const AdditionalCondition& c : additionalConditions) {
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
            if (!read(*c.entry, typed))
                return false;
            place = typed;
            if (typed > c.upper || typed < c.lower)
                return stop(c.message, c.entry);
        }
        return true;
    }

    bool otherFees() {
        const double basicFee = numeric(m_v.basicFee);
        for (const OtherFee& f : engine::otherFees) {
            double fee = 0;
            if (f.charge == Charge::OwnRule) {
                if (!ownRule(f, basicFee))
                    return false;
                continue;
            }
            if (m_in.has(f.service)) {
                if (f.charge == Charge::ShareOfBasicFee) {
                    fee = basicFee * f.rate;
                } else {
                    if (m_in.text(*f.entry).empty())
                        return stop(f.message);
                    if (!read(*f.entry, fee))
                        return false;
                }
            }
            m_v.fee(f.service) = fee;
        }

        double sum = 0;
        for (Service service : sumOrder)
            sum += numeric(m_v.fee(service));
        return store(m_v.otherFee, sum);
    }

    // The four fees with rules of their own.
    bool ownRule(const OtherFee& f, double basicFee) {
        switch (f.service) {
        case Service::NonstandardEquipment:
            return nonstandardEquipment();
        case Service::StandardDesignReuse:
            m_v.fee(f.service) = chargesReuseAlone(m_in) ? basicFee * f.rate : 0.0;
            return true;
        case Service::FoundationRedesign: // counted whenever it is commissioned
            m_v.fee(f.service) = m_in.has(f.service) ? basicFee * f.rate : 0.0;
            return true;
        case Service::PartialChange:
            return partialChange(basicFee);
        default:
            return true;
        }
    }

    // 非标准设备设计费: the equipment's amount × a rate, a fraction between 0.1 and 0.2.
    bool nonstandardEquipment() {
        const bool nonstandard = m_in.has(Service::NonstandardEquipment);
        double amount = 0;
        double rate = 0;
        if (nonstandard) {
            if (m_in.text(Entry::NonstandardEquipmentBase).empty())
                return stop("请输入非标准设备设计额！");
            if (m_in.text(Entry::NonstandardEquipmentRate).empty())
                return stop("请输入非标准设备计费率！");
            if (!read(Entry::NonstandardEquipmentBase, amount) ||
                !read(Entry::NonstandardEquipmentRate, rate))
                return false;
        }
        m_v.nonstdEquipAmount = amount;
        m_v.nonstdEquipRate = rate;
        if (nonstandard && (rate < nonstandardRateLower || rate > nonstandardRateUpper))
            return stop("非标准设备设计费率不得超标！");
        // A finite amount times at most 0.2: always finite.
        m_v.fee(Service::NonstandardEquipment) = amount * rate;
        return true;
    }

    // A partial change of an existing design, at a rate strictly between 0 and 1.
    bool partialChange(double basicFee) {
        if (!m_in.has(Service::PartialChange)) {
            m_v.fee(Service::PartialChange) = 0.0;
            return true;
        }
        double changeRate = 0;
        if (!read(Entry::PartialChangeRate, changeRate))
            return false;
        m_v.localChangeRate = changeRate;
        if (changeRate <= 0 || changeRate >= 1)
            return stop("局部修改费率超标！");
        m_v.fee(Service::PartialChange) = basicFee * changeRate;
        return true;
    }

    void benchmark() {
        const double benchmark = numeric(m_v.basicFee) + numeric(m_v.otherFee);
        if (!store(m_v.benchmarkFee, benchmark))
            return;
        // The type and the grade are chosen: the coefficients stop the run without either.
        if (const PhaseRow* row = phaseRowFor(m_in)) {
            const Phase& phase = phases[static_cast<std::size_t>(row->phase)];
            m_v.*phase.share = benchmark * row->proportion;
            m_phase = &phase;
        }
    }

    const Project& m_in;
    Variables& m_v;
    // What the run came to besides the variables it wrote.
    bool m_amountAccepted = false;
    std::optional<Stop> m_stop;
    const Phase* m_phase = nullptr; // the phase of the last row that applied
};

} // namespace

Outcome calculate(const Project& project, Variables& variables) {
    return Run(project, variables)();
}

} // namespace varnel::engine
