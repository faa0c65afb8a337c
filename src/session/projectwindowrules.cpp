#include "session/projectwindowrules.h"

#include "engine/calculation.h"
#include "engine/numbers.h"
#include "forms/form.h"
#include "projects/oneline.h"
#include "projects/quote.h"
#include "session/projectcommands.h"
#include "session/projectwindowfill.h"
#include "windows/projectwindow.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace varnel::session {

namespace pw = windows::projectwindow;

namespace {

// Each field is one line of at most maxNameCharacters characters: what breaks the line becomes a blank and
// the characters beyond the limit are cut, and the box shows the field as kept.
void fieldChanged(forms::Form& w, ProjectCommands& project) {
    projects::Quote& q = project.quote();
    using Field = std::tuple<std::string*, std::string_view, std::string_view>;
    bool typed = false;
    std::string cut;
    for (const auto& [field, box, caption] :
         {Field{&q.name, pw::name, "项目名称"}, Field{&q.client, pw::client, "发包人"},
          Field{&q.designer, pw::designer, "设计人"}, Field{&q.date, pw::date, "编制日期"}}) {
        std::string text = projects::asOneLine(w.text(box));
        if (const std::size_t count = projects::characterCount(text); count > projects::maxNameCharacters) {
            text = projects::firstCharacters(text, projects::maxNameCharacters);
            const std::string limit = std::to_string(projects::maxNameCharacters);
            cut = std::string(caption) + "最多 " + limit + " 个字，输入的有 " + std::to_string(count) +
                  " 个字，只保留了前 " + limit + " 个字。";
        }
        if (text != w.text(box))
            w.setText(box, text);
        if (*field != text) {
            *field = std::move(text);
            typed = true;
        }
    }
    if (typed)
        project.changed();
    if (!cut.empty())
        project.warn(cut);
}

// A percentage committed in its box: taken where it reads, else refused with `refusal`, the box showing
// the value kept.
void commitPercent(forms::Form& w, ProjectCommands& project, std::string_view box, double& kept,
                   std::optional<double> read, const std::string& refusal) {
    if (!read) {
        project.warn(refusal);
        w.setText(box, percentBoxText(kept));
        w.setFocus(box);
        return;
    }
    if (*read != kept) {
        kept = *read;
        project.changed();
    }
    project.show();
}

void commitFloat(forms::Form& w, ProjectCommands& project) {
    projects::Quote& q = project.quote();
    const std::string typed = w.text(pw::floatPercent);
    const bool newTechnology = q.newTechnology;
    commitPercent(w, project, pw::floatPercent, q.floatPercent, projects::readFloat(typed, newTechnology),
                  "浮动幅度值应为 -20 到 " + percentBoxText(projects::highestFloatFor(newTechnology)) +
                      " 之间的数（单位为 %；" + projects::floatClause(newTechnology) + "），“" + typed +
                      "”不是。浮动幅度值仍为 " + percentBoxText(q.floatPercent) + "%。");
}

void commitContract(forms::Form& w, ProjectCommands& project) {
    projects::Quote& q = project.quote();
    const std::string typed(projects::withoutBlanksAround(w.text(pw::contractAmount)));
    std::optional<double> amount;
    if (!typed.empty()) {
        amount = projects::readContractAmount(typed);
        if (!amount) {
            const std::optional<double>& kept = q.contractAmount;
            project.warn("合同额应为大于零、不超过 " + engine::joinedText(engine::maxTypedAmount) +
                         " 的数（单位为万元），“" + typed + "”不是。" +
                         (kept ? "合同额仍为 " + engine::joinedText(*kept) + " 万元。"
                               : "合同额仍按浮动幅度值计算。"));
            w.setText(pw::contractAmount, kept ? engine::joinedText(*kept) : "");
            w.setFocus(pw::contractAmount);
            return;
        }
    }
    if (amount != q.contractAmount) {
        q.contractAmount = amount;
        project.changed();
    }
    project.show();
}

// 采用新技术 widens the float to +25 %. Without it a float above +20 % would not be allowed, so the box
// cannot be unticked while the float lies there.
void newTechnologyClicked(forms::Form& w, ProjectCommands& project) {
    projects::Quote& q = project.quote();
    const bool ticked = w.ticked(pw::newTechnology);
    if (ticked == q.newTechnology)
        return;
    if (!ticked && q.floatPercent > projects::highestFloat) {
        project.warn("浮动幅度值为 " + percentBoxText(q.floatPercent) + "%，不采用新技术时最多为 +" +
                     percentBoxText(projects::highestFloat) + "%（" + projects::floatClause(false) +
                     "）：请先把浮动幅度值改到 " + percentBoxText(projects::highestFloat) +
                     " 以内，再取消“采用新技术”。");
        w.tickAndClick(pw::newTechnology);
        return;
    }
    q.newTechnology = ticked;
    project.changed();
}

void commitTaxRate(forms::Form& w, ProjectCommands& project) {
    projects::Quote& q = project.quote();
    const std::string typed = w.text(pw::taxRate);
    commitPercent(w, project, pw::taxRate, q.taxRate, projects::readTaxRate(typed),
                  "增值税税率应为 0 到 " + percentBoxText(projects::highestTaxRate) +
                      " 之间的数（单位为 %；一般纳税人的设计服务为 6，小规模纳税人为 3 或 1），“" + typed +
                      "”不是。增值税税率仍为 " + percentBoxText(q.taxRate) + "%。");
}

void taxIncludedClicked(forms::Form& w, ProjectCommands& project) {
    projects::Quote& q = project.quote();
    const bool ticked = w.ticked(pw::taxIncluded);
    if (ticked == q.taxIncluded)
        return;
    q.taxIncluded = ticked;
    project.changed();
}

} // namespace

void installProjectWindowRules(forms::Form& w, ProjectCommands& project) {
    for (std::string_view field : {pw::name, pw::date, pw::client, pw::designer})
        w.on(forms::Event::Change, field, [&w, &project] { fieldChanged(w, project); });
    w.on(forms::Event::Commit, pw::floatPercent, [&w, &project] { commitFloat(w, project); });
    w.on(forms::Event::Commit, pw::contractAmount, [&w, &project] { commitContract(w, project); });
    w.onClick(pw::newTechnology, [&w, &project] { newTechnologyClicked(w, project); });
    w.on(forms::Event::Commit, pw::taxRate, [&w, &project] { commitTaxRate(w, project); });
    w.onClick(pw::taxIncluded, [&w, &project] { taxIncludedClicked(w, project); });
}

} // namespace varnel::session
