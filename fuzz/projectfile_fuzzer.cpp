// Arbitrary bytes read as a project file. A file that is read holds together: its figures match its
// items of either kind (the main window's, or the kinds of engineering of 附表二), each item is already as
// its calculation reads it, it writes back to a file of the version its items need that reads again to the
// same project with the same figures and phases, and that file writes back unchanged. A file that is
// refused says why, in text a window can show (UTF-8).
#include "engine/calculation.h"
#include "projects/projectfile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace varnel::projects;

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and code points beyond U+10FFFF are not UTF-8.
        constexpr std::uint32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < shortest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

// The same fee for every item, to the bit: reading a file twice calculates the same figures.
void requireSameFigures(const OpenedQuote& a, const OpenedQuote& b) {
    require(a.figures.size() == b.figures.size());
    for (std::size_t i = 0; i < a.figures.size(); ++i) {
        require(a.figures[i].chargedFee() == b.figures[i].chargedFee());
        require(a.figures[i].basicFee() == b.figures[i].basicFee());
        require(a.figures[i].otherFee() == b.figures[i].otherFee());
        require(a.figures[i].benchmarkFee() == b.figures[i].benchmarkFee());
        require(a.figures[i].phase == b.figures[i].phase);
        require((a.figures[i].mainRecord() == nullptr) == (b.figures[i].mainRecord() == nullptr));
    }
    const Totals ta = totalsOf(a.quote, a.figures), tb = totalsOf(b.quote, b.figures);
    require(ta.total == tb.total && ta.contract == tb.contract);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto read = readProjectFile(bytes);

    if (const FileProblem* problem = std::get_if<FileProblem>(&read)) {
        require(!problem->what.empty());
        require(validUtf8(problem->what));
        require(validUtf8(openFailureMessage("项目.varnel", *problem)));
        return 0;
    }

    const OpenedQuote& opened = std::get<OpenedQuote>(read);
    const Quote& quote = opened.quote;
    require(opened.figures.size() == quote.items.size());
    require(quote.items.size() <= maxItems);
    require(quote.floatPercent >= lowestFloat && quote.floatPercent <= highestFloatFor(quote.newTechnology));
    require(quote.taxRate >= 0 && quote.taxRate <= highestTaxRate);
    require(!quote.contractAmount ||
            (*quote.contractAmount > 0 && *quote.contractAmount <= varnel::engine::maxTypedAmount));
    bool industryItems = false;
    for (std::size_t i = 0; i < quote.items.size(); ++i) {
        const Item& item = quote.items[i];
        const ItemFigures& f = opened.figures[i];
        require(std::isfinite(f.chargedFee()) && f.chargedFee() >= 0);
        require(canonicalInputs(item.inputs) == item.inputs);
        // Each item is calculated by its own kind's calculation.
        require((f.industryCalculation() != nullptr) == item.isIndustry());
        industryItems = industryItems || item.isIndustry();
    }
    const Totals totals = totalsOf(quote, opened.figures);
    // The stated figures foot: the total is the sum of the charged fees, the VAT split adds up.
    Decimal charged;
    for (const QuotedItem& q : totals.items)
        charged = charged + q.chargedFee;
    require(totals.total == charged);
    require(totals.tax.excluding + totals.tax.tax == totals.tax.including);

    const std::string written = writeProjectFile(quote);
    require(validUtf8(written));
    // Version 1 while every item is the main window's, so that an earlier program still reads it.
    require(written.find(industryItems ? "\n  \"version\": 2,\n" : "\n  \"version\": 1,\n") !=
            std::string::npos);
    auto again = readProjectFile(written);
    require(std::holds_alternative<OpenedQuote>(again));
    const OpenedQuote& reopened = std::get<OpenedQuote>(again);
    require(reopened.quote == quote);
    requireSameFigures(opened, reopened);
    require(writeProjectFile(reopened.quote) == written);
    return 0;
}
