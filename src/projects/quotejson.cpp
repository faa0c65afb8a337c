#include "projects/quotejson.h"

#include "engine/numbers.h"
#include "projects/json.h"
#include "projects/money.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace varnel::projects {

namespace {

// A figure, or null where there is none. The amounts' ceiling keeps every figure finite; were one ever not,
// JSON has no word for it, and null keeps the line JSON.
std::string number(std::optional<double> value) {
    return value && std::isfinite(*value) ? engine::exactText(*value) : "null";
}

// A stated amount as the other outputs write it ("958.1869"), which is also a JSON number.
std::string amount(const std::optional<Decimal>& value) {
    return value ? amountText(*value) : "null";
}

// A name, or null where there is none.
std::string text(std::string_view value) {
    return value.empty() ? "null" : json::quoted(value);
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

// The members of one object, written in the order they are added: {"a": 1, "b": null}.
class Members {
  public:
    Members& add(std::string_view name, const std::string& value) {
        m_text += (m_text.empty() ? "{" : ", ") + json::quoted(name) + ": " + value;
        return *this;
    }
    std::string done() const { return m_text.empty() ? "{}" : m_text + "}"; }

  private:
    std::string m_text;
};

std::string itemObject(const Item& item, const ItemFigures& f, const QuotedItem& stated) {
    const std::string_view engineering = engineeringNameOf(item.inputs);
    return Members()
        .add("name", json::quoted(item.name))
        .add("itemKind", item.isIndustry() ? "\"industry\"" : "\"main\"")
        .add("type", item.isIndustry() ? "null" : text(engineering))
        .add("kind", item.isIndustry() ? text(engineering) : "null")
        .add("grade", text(gradeNameOf(item.inputs)))
        .add("feeBaseTyped", json::quoted(amountOf(item.inputs)))
        .add("feeBase", amountText(quotedAmount(f.feeBase())))
        .add("basicFee", amount(stated.basicFee))
        .add("otherFee", amount(stated.otherFee))
        .add("benchmarkFee", amount(stated.benchmarkFee))
        .add("phase", f.phase ? json::quoted(f.phase->name) : "null")
        .add("phasePercent", number(f.phase ? std::optional<double>(f.phase->percent) : std::nullopt))
        .add("phaseFee", amount(stated.phaseFee))
        .add("fee", amount(stated.chargedFee))
        .add("basicFeeExact", number(f.basicFee()))
        .add("otherFeeExact", number(f.otherFee()))
        .add("benchmarkFeeExact", number(f.benchmarkFee()))
        .add("phaseFeeExact", number(f.phaseFee()))
        .add("feeExact", number(f.chargedFee()))
        .done();
}

} // namespace

std::string quoteJsonLine(const Quote& quote, const std::vector<ItemFigures>& figures, const Totals& totals) {
    std::string items;
    for (std::size_t i = 0; i < quote.items.size() && i < figures.size() && i < totals.items.size(); ++i)
        items += (i ? ", " : "") + itemObject(quote.items[i], figures[i], totals.items[i]);
    // The float as typed, or the one a typed contract amount comes to, to 0.01 %.
    std::string floatPercent = "null";
    if (totals.contractTyped && totals.impliedFloat)
        floatPercent = totals.impliedFloat->fixedText(percentPlaces);
    else if (!totals.contractTyped)
        floatPercent = engine::exactText(quote.floatPercent);
    return Members()
        .add("project", json::quoted(quote.name))
        .add("client", json::quoted(quote.client))
        .add("designer", json::quoted(quote.designer))
        .add("date", json::quoted(quote.date))
        .add("items", "[" + items + "]")
        .add("total", amountText(totals.total))
        .add("float", floatPercent)
        .add("contractTyped", boolean(totals.contractTyped))
        .add("newTechnology", boolean(quote.newTechnology))
        .add("contract", amountText(totals.contract))
        .add("taxRate", engine::exactText(quote.taxRate))
        .add("taxIncluded", boolean(quote.taxIncluded))
        .add("excludingTax", amountText(totals.tax.excluding))
        .add("tax", amountText(totals.tax.tax))
        .add("includingTax", amountText(totals.tax.including))
        .done();
}

} // namespace varnel::projects
