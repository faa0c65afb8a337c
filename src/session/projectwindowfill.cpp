#include "session/projectwindowfill.h"

#include "engine/numbers.h"
#include "forms/form.h"
#include "projects/money.h"
#include "projects/projectreport.h"
#include "windows/projectwindow.h"

#include <vector>

namespace varnel::session {

namespace pw = windows::projectwindow;

namespace {

forms::Row itemRow(const projects::Item& item, const projects::ItemFigures& f,
                   const projects::QuotedItem& q) {
    return {item.name,
            std::string(projects::engineeringNameOf(item.inputs)),
            std::string(projects::gradeNameOf(item.inputs)),
            projects::amountText(projects::quotedAmount(f.feeBase())),
            projects::amountText(q.basicFee),
            projects::amountText(q.otherFee),
            projects::amountText(q.benchmarkFee),
            f.phase ? projects::phaseShareText(*f.phase) : "",
            projects::amountText(q.chargedFee)};
}

// Each sum is the sum of the figures shown above it.
forms::Row totalRow(const projects::Totals& t) {
    return {"合计",
            "",
            "",
            "",
            projects::amountText(t.basicFees),
            projects::amountText(t.otherFees),
            projects::amountText(t.benchmarkFees),
            "",
            projects::amountText(t.total)};
}

std::string floatNote(const projects::Quote& q, const projects::Totals& t) {
    const std::string rule = projects::floatClause(q.newTechnology);
    const std::string range = projects::floatRangeText(q.newTechnology);
    if (!t.contractTyped)
        return "合同额 = 合计 × (1 + 浮动幅度值)；浮动幅度值可在 " + range + " 之间（" + rule + "）";
    if (!t.impliedFloat)
        return "项目还没有收费，无法算出合同额相当的浮动幅度值";
    std::string note = "合同额相当于浮动 " + projects::percentText(*t.impliedFloat);
    if (t.outsideRange)
        note += "，超出了" + rule + "允许的 " + range + " 的范围";
    return note;
}

// The VAT on the contract amount, in three amounts that add up.
std::string taxNote(const projects::Quote& q, const projects::Totals& t) {
    return std::string(q.taxIncluded ? "合同额含增值税" : "合同额不含增值税") + "（税率 " +
           percentBoxText(q.taxRate) + "%）：不含税金额 " + projects::amountText(t.tax.excluding) +
           " 万元 + 税额 " + projects::amountText(t.tax.tax) + " 万元 = 含税金额 " +
           projects::amountText(t.tax.including) + " 万元";
}

} // namespace

std::string percentBoxText(double percent) {
    return engine::joinedText(percent);
}

void fillProjectWindow(forms::Form& w, const ProjectDocument& document) {
    const projects::Quote& q = document.quote;
    const projects::Totals totals = document.totals();
    w.setTitle("项目 - " + displayName(document) + (document.modified ? " *" : ""));
    w.setText(pw::name, q.name);
    w.setText(pw::client, q.client);
    w.setText(pw::designer, q.designer);
    w.setText(pw::date, q.date);
    std::vector<forms::Row> rows;
    rows.reserve(q.items.size());
    for (std::size_t i = 0; i < q.items.size(); ++i)
        rows.push_back(itemRow(q.items[i], document.figures[i], totals.items[i]));
    w.setRows(pw::items, std::move(rows), totalRow(totals));
    w.setText(pw::floatPercent, percentBoxText(q.floatPercent));
    w.setEnabled(pw::floatPercent, !q.contractAmount);
    w.setCaption(pw::floatRange,
                 "%（-20～+" + percentBoxText(projects::highestFloatFor(q.newTechnology)) + "）");
    w.setValueAndClick(pw::newTechnology, q.newTechnology ? 1 : 0);
    w.setText(pw::contractAmount, q.contractAmount ? engine::joinedText(*q.contractAmount) : "");
    w.setText(pw::total, projects::amountText(totals.total));
    w.setText(pw::contract, projects::amountText(totals.contract));
    w.setCaption(pw::floatNote, floatNote(q, totals));
    w.setText(pw::taxRate, percentBoxText(q.taxRate));
    w.setValueAndClick(pw::taxIncluded, q.taxIncluded ? 1 : 0);
    w.setCaption(pw::taxNote, taxNote(q, totals));
    const bool any = !q.items.empty();
    for (std::string_view action : {pw::openItem, pw::moveUp, pw::moveDown, pw::renameItem, pw::removeItem,
                                    pw::printReport, pw::saveReport, pw::exportWorkbook})
        w.setEnabled(action, any);
}

} // namespace varnel::session
