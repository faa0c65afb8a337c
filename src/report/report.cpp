#include "report/report.h"

#include "engine/baseprice.h"
#include "engine/feetables.h"
#include "engine/numbers.h"
#include "report/line.h"

#include <array>
#include <string_view>

namespace varnel::report {

namespace {

using engine::Variable;
using engine::Variables;
using V = Variables;
using S = engine::Service;

// Builds the text a line at a time: the first line is set, every later one follows a CR LF.
class Lines {
  public:
    void add(std::string_view line) {
        if (!m_first)
            m_text += "\r\n";
        m_first = false;
        m_text += line;
    }
    void empty() { add(""); }
    void separator() { add(separatorLine); }
    std::string take() { return std::move(m_text); }

  private:
    std::string m_text;
    bool m_first = true;
};

// A rate as the report writes it: 0.05 as "5%".
std::string percent(double rate) {
    return engine::joinedText(rate * 100) + "%";
}

// How an other-fee line is written.
enum class LineForm {
    Share,         // label, basic fee × percentage, a blank, "=", the fee
    Amount,        // label, the typed amount
    ReuseShare,    // label, basic fee 万元 × percentage = the fee
    Equipment,     // label, equipment amount 万元 × rate = the fee
    PartialChange, // label, basic fee 万元 × typed rate = the fee
};

// An other-fee line, in the order of the services: written when the service was commissioned in the
// calculation (`charged`, where set, says whether it was charged).
struct FeeLine {
    S service;
    std::string_view label;
    LineForm form;
    bool (*charged)(const engine::Project&) = nullptr;
};

constexpr std::array feeLines{
    FeeLine{S::OverallDesign, "您的工程总体设计费为：", LineForm::Share},
    FeeLine{S::DesignCoordination, "您的工程主体设计协调费为：", LineForm::Share},
    FeeLine{S::ConstructionBudget, "您的工程预算编制费为：", LineForm::Share},
    FeeLine{S::AsBuiltDrawings, "您的工程竣工图编制费为：", LineForm::Share},
    FeeLine{S::OwnPatents, "您的自有专利技术收费为：", LineForm::Amount},
    FeeLine{S::ForeignDesign, "您的境外设计收费为：", LineForm::Amount},
    FeeLine{S::ForeignReview, "您的境外审核确认费为：", LineForm::Amount},
    FeeLine{S::ExtraPrinting, "您的另行印制设计文件工本费为：", LineForm::Amount},
    FeeLine{S::StandardDrawings, "您的购买标准设计图费为：", LineForm::Amount},
    FeeLine{S::NonstandardEquipment, "您的非标准设备设计费为：", LineForm::Equipment},
    FeeLine{S::StandardDesignReuse, "您采用标准设备和复用设计费为：", LineForm::ReuseShare,
            engine::chargesReuseAlone},
    FeeLine{S::FoundationRedesign, "您采用标准设备和复用设计并重新进行基础设计费为：", LineForm::ReuseShare},
    FeeLine{S::PartialChange, "您采用标准设备和复用设计并做局部修改设计费为：", LineForm::PartialChange},
};

// A fee line for every other design fee, in the order of the fee table: a new fee is a row there and a line
// here, and the build says so when one is missing or out of place.
static_assert(feeLines.size() == engine::serviceCount);
static_assert([] {
    for (std::size_t i = 0; i < feeLines.size(); ++i)
        if (feeLines[i].service != engine::otherFees[i].service)
            return false;
    return true;
}());

Line written(const FeeLine& line, const Variables& v) {
    const Variable& fee = v.fee(line.service);
    const double rate = engine::otherFee(line.service).rate;
    Line l;
    l << line.label;
    switch (line.form) {
    case LineForm::Share:
        return l << v.basicFee << "×" << percent(rate) << " =" << fee << "万元";
    case LineForm::Amount:
        return l << fee << "万元";
    case LineForm::ReuseShare:
        return l << v.basicFee << "万元"
                 << "×" << percent(rate) << "=" << fee << "万元";
    case LineForm::Equipment:
        return l << v.nonstdEquipAmount << "万元"
                 << "×" << v.nonstdEquipRate << "=" << fee << "万元";
    case LineForm::PartialChange:
        return l << v.basicFee << "万元"
                 << "×" << v.localChangeRate << "=" << fee << "万元";
    }
    return l;
}

void basePriceLines(Lines& out, const Variables& v) {
    const double feeBase = engine::numeric(v.feeBase);
    if (feeBase > engine::flatRateFrom) {
        out.add(Line() << "计费额=" << v.feeBase << "×" << percent(engine::flatRate) << "=" << v.basePrice
                       << "万元");
    } else if (feeBase < engine::basePriceTable.front().amount && feeBase > 0) {
        // Below the table the line through its first two rows is continued.
        const engine::BelowTableLine& line = engine::belowTable;
        out.add(Line() << "计费额:" << v.feeBase << "万元，收费基价=" << line.price << "-" << line.rise
                       << "×(" << line.from << "-" << v.feeBase << ")÷" << line.run << "=" << v.basePrice);
    } else {
        out.add(Line() << "计费额：" << v.lowAmount << "万元"
                       << "  收费基价： " << v.lowPrice << "万元");
        out.add(Line() << "计费额：" << v.highAmount << "万元"
                       << "  收费基价： " << v.highPrice << "万元");
        out.add("将计费额内插，计算得到工程设计收费基价为：");
        out.add(Line() << "  (" << v.highPrice << "-" << v.lowPrice << ")"
                       << "×"
                       << "(" << v.feeBase << "-" << v.lowAmount << ")"
                       << "÷"
                       << "(" << v.highAmount << "-" << v.lowAmount << ")"
                       << "+" << v.lowPrice << " 万元");
        out.add(Line() << "=" << v.basePrice << "万元");
    }
}

} // namespace

std::string buildReport(const std::optional<engine::CalculationRecord>& record) {
    const engine::CalculationRecord none;
    const engine::CalculationRecord& r = record ? *record : none;
    const Variables& v = r.variables;

    Lines out;
    out.add("欢迎使用本程序，下面是您的计算过程：");
    out.separator();
    out.add(Line() << "本工程设计收费计费额为:  " << v.feeBase << "万元");
    out.add("经查《工程设计收费基价表》得");
    basePriceLines(out, v);
    out.empty();
    out.add(Line() << "本工程专业调整系数为：" << v.profCoef);
    out.empty();
    out.add(Line() << "本工程复杂程度调整系数为：" << v.complexCoef);
    out.empty();
    out.add(Line() << "本工程附加调整系数为："
                   << "(" << v.additionalPlace[0] << "+" << v.additionalPlace[1] << "+"
                   << v.additionalPlace[2] << "+" << v.additionalPlace[3] << "+" << v.additionalPlace[4]
                   << ")"
                   << "-"
                   << "5"
                   << "+"
                   << "1"
                   << "=" << v.addCoef);
    out.empty();
    out.add(Line() << "所以本工程基本设计收费为：" << v.basePrice << "×" << v.profCoef << "×" << v.complexCoef
                   << "×" << v.addCoef << " = " << v.basicFee << " 万元");
    out.separator();

    for (const FeeLine& fee : feeLines) {
        if (fee.charged ? fee.charged(r.project) : r.project.has(fee.service)) {
            out.add(written(fee, v));
            out.empty();
        }
    }
    Line sum;
    sum << "所以本工程其他设计收费为：";
    const char* plus = "";
    for (const engine::OtherFee& fee : engine::otherFees) {
        sum << plus << v.fee(fee.service);
        plus = " + ";
    }
    sum << " = " << v.otherFee << "万元";
    out.add(sum);
    out.separator();
    out.add(Line() << "所以本工程设计收费基准价="
                   << "基本设计收费"
                   << "+"
                   << "其他设计收费"
                   << "=" << v.basicFee << "万元"
                   << "+" << v.otherFee << "万元"
                   << "=" << v.benchmarkFee << "万元");

    if (r.project.independentPhase) {
        out.separator();
        // Only the share this calculation wrote: a share variable no phase row wrote belongs to another run.
        if (r.phaseShareWritten) {
            if (r.project.phase == engine::DesignPhase::Preliminary)
                out.add(Line() << "其中初步设计收费为：" << v.preliminaryPhaseFee << "万元");
            if (r.project.phase == engine::DesignPhase::Drawing)
                out.add(Line() << "其中施工图设计收费为：" << v.drawingPhaseFee << "万元");
            if (r.project.phase == engine::DesignPhase::Scheme)
                out.add(Line() << "其中方案设计收费为：" << v.schemePhaseFee << "万元");
        }
    }
    out.separator();
    out.add(
        "计算完毕，请设计人与发包人在此基础上，根据《工程勘察设计收费标准》的规定，在上下浮动20%幅度范围内，"
        "协商确定该项工程设计收费合同额。谢谢使用本软件！");
    return out.take();
}

} // namespace varnel::report
