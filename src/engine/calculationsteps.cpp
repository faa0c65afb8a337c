#include "engine/calculationsteps.h"

#include "engine/baseprice.h"
#include "engine/calculation.h"
#include "engine/feetables.h"
#include "engine/numbers.h"

#include <cmath>

namespace varnel::engine {

namespace {

constexpr StepResult wentThrough = std::nullopt;

// The messages of an amount beyond maxTypedAmount, which they spell out.
constexpr std::string_view feeBaseAboveCeiling = "工程计费额不能大于100000000万元！";
constexpr std::string_view amountAboveCeiling = "输入的金额不能大于100000000万元！";

StepResult stopped(std::string_view message, std::optional<Entry> entry = {}) {
    return StepStop{message, entry};
}

// A typed number that cannot be taken: its box is typed again.
StepResult retype(std::string_view message, Entry entry) {
    return StepStop{message, entry, true};
}

// Stores a computed value, unless it has left the double range.
StepResult store(Variable& variable, double value) {
    if (!std::isfinite(value))
        return stopped(outOfRangeMessage);
    variable = value;
    return wentThrough;
}

class OtherFees {
  public:
    OtherFees(const CommissionedServices& order, Variables& v) : m_in(order), m_v(v) {}

    StepResult operator()() {
        const double basicFee = numeric(m_v.basicFee);
        for (const OtherFee& f : otherFees) {
            double fee = 0;
            if (f.charge == Charge::OwnRule) {
                if (StepResult s = ownRule(f, basicFee))
                    return s;
                continue;
            }
            if (has(f.service)) {
                if (f.charge == Charge::ShareOfBasicFee) {
                    fee = basicFee * f.rate;
                } else {
                    if (text(f.amountEntry()).empty())
                        return stopped(f.message, f.amountEntry());
                    if (StepResult s = readAmount(f.amountEntry(), f.message, fee))
                        return s;
                }
            }
            m_v.fee(f.service) = fee;
        }

        double sum = 0;
        for (Service service : sumOrder)
            sum += numeric(m_v.fee(service));
        return store(m_v.otherFee, sum);
    }

  private:
    bool has(Service s) const { return m_in.services.contains(s); }
    const std::string& text(Entry e) const { return m_in.entries[static_cast<std::size_t>(e)]; }
    StepResult read(Entry e, std::string_view message, double& value) const {
        return readTypedNumber(text(e), e, message, value);
    }

    // A typed amount in 万元, from 0 to maxTypedAmount: a fee is never negative. `value` is left as it was
    // when it is not.
    StepResult readAmount(Entry e, std::string_view message, double& value) const {
        double amount = 0;
        if (StepResult s = read(e, message, amount))
            return s;
        if (amount < 0)
            return retype(message, e);
        if (amount > maxTypedAmount)
            return retype(amountAboveCeiling, e);
        value = amount;
        return wentThrough;
    }

    // The four fees with rules of their own.
    StepResult ownRule(const OtherFee& f, double basicFee) {
        switch (f.service) {
        case Service::NonstandardEquipment:
            return nonstandardEquipment();
        case Service::StandardDesignReuse:
            m_v.fee(f.service) = m_in.reuseChargedAlone ? basicFee * f.rate : 0.0;
            return wentThrough;
        case Service::FoundationRedesign: // counted whenever it is commissioned
            m_v.fee(f.service) = has(f.service) ? basicFee * f.rate : 0.0;
            return wentThrough;
        case Service::PartialChange:
            return partialChange(basicFee);
        default:
            return wentThrough;
        }
    }

    // 非标准设备设计费: the equipment's amount × a rate, a fraction between 0.1 and 0.2.
    StepResult nonstandardEquipment() {
        using enum Entry;
        const bool nonstandard = has(Service::NonstandardEquipment);
        double amount = 0;
        double rate = 0;
        if (nonstandard) {
            if (text(NonstandardEquipmentAmount).empty())
                return stopped("请输入非标准设备设计额！", NonstandardEquipmentAmount);
            if (text(NonstandardEquipmentRate).empty())
                return stopped("请输入非标准设备计费率！", NonstandardEquipmentRate);
            if (StepResult s = readAmount(NonstandardEquipmentAmount, "请输入非标准设备设计额！", amount))
                return s;
            if (StepResult s = read(NonstandardEquipmentRate, "请输入非标准设备计费率！", rate))
                return s;
        }
        m_v.nonstdEquipAmount = amount;
        m_v.nonstdEquipRate = rate;
        if (nonstandard && (rate < nonstandardRateLower || rate > nonstandardRateUpper))
            return stopped("非标准设备设计费率不得超标！", NonstandardEquipmentRate);
        // An amount within maxTypedAmount times at most 0.2.
        m_v.fee(Service::NonstandardEquipment) = amount * rate;
        return wentThrough;
    }

    // A partial change of an existing design, at a rate strictly between 0 and 1.
    StepResult partialChange(double basicFee) {
        if (!has(Service::PartialChange)) {
            m_v.fee(Service::PartialChange) = 0.0;
            return wentThrough;
        }
        double changeRate = 0;
        if (StepResult s = read(Entry::PartialChangeRate, "局部修改费率超标！", changeRate))
            return s;
        m_v.localChangeRate = changeRate;
        if (changeRate <= 0 || changeRate >= 1)
            return stopped("局部修改费率超标！", Entry::PartialChangeRate);
        m_v.fee(Service::PartialChange) = basicFee * changeRate;
        return wentThrough;
    }

    const CommissionedServices& m_in;
    Variables& m_v;
};

} // namespace

StepResult readTypedNumber(std::string_view text, Entry entry, std::string_view message, double& value) {
    const std::optional<NumberReading> r = readWholeNumber(text);
    if (!r)
        return retype(message, entry);
    if (!r->fits)
        return retype(outOfRangeMessage, entry);
    value = r->value;
    return wentThrough;
}

StepResult basePriceStep(std::string_view amountText, Variables& v) {
    const auto typedAgain = [](std::string_view message) { return StepStop{message, {}, true, true}; };
    const std::optional<NumberReading> amount = readWholeNumber(amountText);
    if (!amount) {
        v.feeBase = 0; // nothing was read
        // An empty box is only named; text that is no number is typed again.
        const bool blank = amountText.find_first_not_of(" \t\r\n") == std::string_view::npos;
        return StepStop{"工程计费额不能小于或等于零！", {}, !blank, true};
    }
    if (!amount->fits)
        return typedAgain(outOfRangeMessage);
    v.feeBase = amount->value;
    if (!(amount->value > 0))
        return StepStop{"工程计费额不能小于或等于零！", {}, false, true};
    if (amount->value > maxTypedAmount)
        return typedAgain(feeBaseAboveCeiling);
    const BasePrice price = basePriceFor(amount->value);
    if (price.low) {
        v.lowAmount = price.low->amount;
        v.lowPrice = price.low->price;
        v.highAmount = price.high->amount;
        v.highPrice = price.high->price;
    }
    return store(v.basePrice, price.price);
}

double combinedAdditionalCoefficient(const std::array<Variable, additionalPlaces>& places) {
    const auto place = [&](std::size_t i) { return numeric(places[i]); };
    return ((((place(1) + place(2)) + place(0)) + place(3)) + place(4)) - 5 + 1;
}

StepResult otherFeesStep(const CommissionedServices& order, Variables& v) {
    return OtherFees(order, v)();
}

StepResult benchmarkStep(Variables& v) {
    return store(v.benchmarkFee, numeric(v.basicFee) + numeric(v.otherFee));
}

} // namespace varnel::engine
