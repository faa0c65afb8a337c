#include "projects/quote.h"

#include "engine/calculation.h"
#include "engine/feetables.h"
#include "engine/numbers.h"
#include "projects/typednumbers.h"

#include <charconv>
#include <cmath>

namespace varnel::projects {

using engine::Condition;
using engine::Service;

engine::Project canonicalInputs(const engine::Project& inputs) {
    engine::Project p;
    p.amount = inputs.amount;
    p.type = inputs.type;
    p.grade = inputs.grade;
    const auto keep = [&](const TypedNumber& n) { p.text(n.entry) = inputs.text(n.entry); };
    for (std::size_t i = 0; i < engine::conditionCount; ++i) {
        const auto c = static_cast<Condition>(i);
        if (inputs.has(c) && inputs.type && engine::readsCondition(*inputs.type, c)) {
            p.conditions.insert(c);
            for (const TypedNumber& n : typedNumbersOf(c))
                keep(n);
        }
    }
    for (const engine::OtherFee& f : engine::otherFees) {
        if (inputs.has(f.service)) {
            p.services.insert(f.service);
            for (const TypedNumber& n : typedNumbersOf(f.service))
                keep(n);
        }
    }
    // A phase commissioned on its own counts only where the standard gives it a share.
    p.independentPhase = inputs.independentPhase;
    p.phase = inputs.independentPhase ? inputs.phase : std::nullopt;
    if (!p.type || !p.grade || !engine::phaseRowFor(p)) {
        p.independentPhase = false;
        p.phase = std::nullopt;
    }
    return p;
}

engine::industry::KindProject canonicalInputs(const engine::industry::KindProject& inputs) {
    namespace industry = engine::industry;
    industry::KindProject p;
    p.amount = inputs.amount;
    p.kind = inputs.kind;
    p.grade = inputs.grade;
    if (p.kind) {
        for (const industry::ConditionRow* row : industry::offeredConditions(*p.kind, p.grade)) {
            if (!inputs.has(row->condition))
                continue;
            p.conditions.insert(row->condition);
            if (row->entry)
                p.text(*row->entry) = inputs.text(*row->entry);
        }
    }
    for (const engine::OtherFee& f : engine::otherFees) {
        if (inputs.has(f.service)) {
            p.services.insert(f.service);
            for (const TypedNumber& n : typedNumbersOf(f.service))
                p.text(n.entry) = inputs.text(n.entry);
        }
    }
    // A phase commissioned on its own counts only where its share row gives it a share.
    if (industry::commissionedRow(inputs))
        p.commission = inputs.commission;
    return p;
}

ItemInputs canonicalInputs(const ItemInputs& inputs) {
    return std::visit([](const auto& in) -> ItemInputs { return canonicalInputs(in); }, inputs);
}

std::string floatClause(bool newTechnology) {
    return newTechnology ? "《工程勘察设计收费管理规定》第七条（采用新技术）"
                         : "《工程勘察设计收费管理规定》第六条";
}

std::string floatRangeText(bool newTechnology) {
    return "-20% 到 +" + engine::joinedText(highestFloatFor(newTechnology)) + "%";
}

namespace {

template <typename Names, typename Value>
std::string_view nameOf(const Names& names, const std::optional<Value>& value) {
    return value ? std::string_view(names[static_cast<std::size_t>(*value)]) : std::string_view();
}

} // namespace

std::string_view engineeringNameOf(const ItemInputs& inputs) {
    if (const auto* in = std::get_if<engine::industry::KindProject>(&inputs))
        return in->kind ? engine::industry::kindRow(*in->kind).name : std::string_view();
    return nameOf(engine::engineeringTypeNames, std::get<engine::Project>(inputs).type);
}

std::string_view gradeNameOf(const ItemInputs& inputs) {
    return std::visit([](const auto& in) { return nameOf(engine::gradeNames, in.grade); }, inputs);
}

const std::string& amountOf(const ItemInputs& inputs) {
    return std::visit([](const auto& in) -> const std::string& { return in.amount; }, inputs);
}

namespace {

// A plain decimal number: an optional sign, digits with at most one point, blanks around it; typed in
// full-width characters or with thousands separators as any typed number may be.
std::optional<double> readPlainNumber(std::string_view typed) {
    const std::optional<std::string> ascii = engine::typedNumberText(typed);
    if (!ascii)
        return std::nullopt;
    std::string_view text = *ascii;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t digits = 0;
    std::size_t points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::optional<double> readFloat(std::string_view text, bool newTechnology) {
    const std::optional<double> value = readPlainNumber(text);
    if (!value || *value < lowestFloat || *value > highestFloatFor(newTechnology))
        return std::nullopt;
    return *value == 0 ? 0.0 : *value; // -0 is 0
}

std::optional<double> readTaxRate(std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    if (!value || *value < 0 || *value > highestTaxRate)
        return std::nullopt;
    return *value == 0 ? 0.0 : *value; // -0 is 0
}

std::optional<double> readContractAmount(std::string_view text) {
    const std::optional<double> value = readPlainNumber(text);
    if (!value || !(*value > 0) || *value > engine::maxTypedAmount)
        return std::nullopt;
    return value;
}

} // namespace varnel::projects
