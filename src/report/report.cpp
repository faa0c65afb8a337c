#include "report/report.h"

#include "engine/baseprice.h"
#include "engine/feetables.h"
#include "engine/numbers.h"
#include "report/line.h"

#include <array>
#include <string_view>

namespace varnel::report {

namespace {

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

} // namespace

std::vector<std::string> basePriceLines(const AppliedBasePrice& b) {
    switch (b.reading) {
    case BasePriceReading::AboveTable:
        return {Line() << "计费额=" << b.feeBase << "×" << percent(engine::flatRate) << "=" << b.basePrice
                       << "万元"};
    case BasePriceReading::BelowTable: {
        // Below the table the line through its first two rows is continued.
        const engine::BelowTableLine& line = engine::belowTable;
        return {Line() << "计费额:" << b.feeBase << "万元，收费基价=" << line.price << "-" << line.rise
                       << "×(" << line.from << "-" << b.feeBase << ")÷" << line.run << "=" << b.basePrice};
    }
    case BasePriceReading::Interpolated:
        break;
    }
    return {
        Line() << "计费额：" << b.lowAmount << "万元"
               << "  收费基价： " << b.lowPrice << "万元",
        Line() << "计费额：" << b.highAmount << "万元"
               << "  收费基价： " << b.highPrice << "万元",
        "将计费额内插，计算得到工程设计收费基价为：",
        Line() << "  (" << b.highPrice << "-" << b.lowPrice << ")"
               << "×"
               << "(" << b.feeBase << "-" << b.lowAmount << ")"
               << "÷"
               << "(" << b.highAmount << "-" << b.lowAmount << ")"
               << "+" << b.lowPrice << " 万元",
        Line() << "=" << b.basePrice << "万元",
    };
}

std::string feeLine(const AppliedFee& fee) {
    Line l;
    l << engine::otherFee(fee.service).reportLabel;
    switch (fee.charge) {
    case FeeCharge::ShareOfBasicFee:
        return l << fee.basis << "×" << percent(engine::numeric(fee.rate)) << " =" << fee.fee << "万元";
    case FeeCharge::TypedAmount:
        return l << fee.fee << "万元";
    case FeeCharge::ShareOfReuse:
        return l << fee.basis << "万元"
                 << "×" << percent(engine::numeric(fee.rate)) << "=" << fee.fee << "万元";
    case FeeCharge::Equipment:
    case FeeCharge::PartialChange:
        return l << fee.basis << "万元"
                 << "×" << fee.rate << "=" << fee.fee << "万元";
    }
    return l;
}

std::string otherFeeSumLine(const AppliedCalculation& a) {
    Line sum;
    sum << "所以本工程其他设计收费为：";
    const char* plus = "";
    for (const engine::OtherFee& fee : engine::otherFees) {
        sum << plus << a.allFees[static_cast<std::size_t>(fee.service)];
        plus = " + ";
    }
    return sum << " = " << a.otherFee << "万元";
}

std::string buildReport(const std::optional<engine::CalculationRecord>& record) {
    const AppliedCalculation a = appliedOf(record.value_or(engine::CalculationRecord()));

    Lines out;
    out.add("欢迎使用本程序，下面是您的计算过程：");
    out.separator();
    out.add(Line() << "本工程设计收费计费额为:  " << a.basePrice.feeBase << "万元");
    out.add("经查《工程设计收费基价表》得");
    for (const std::string& line : basePriceLines(a.basePrice))
        out.add(line);
    out.empty();
    out.add(Line() << "本工程专业调整系数为：" << a.professional);
    out.empty();
    out.add(Line() << "本工程复杂程度调整系数为：" << a.complexity);
    out.empty();
    const auto& place = a.additionalPlaces;
    out.add(Line() << "本工程附加调整系数为："
                   << "(" << place[0] << "+" << place[1] << "+" << place[2] << "+" << place[3] << "+"
                   << place[4] << ")"
                   << "-"
                   << "5"
                   << "+"
                   << "1"
                   << "=" << a.additional);
    out.empty();
    out.add(Line() << "所以本工程基本设计收费为：" << a.basePrice.basePrice << "×" << a.professional << "×"
                   << a.complexity << "×" << a.additional << " = " << a.basicFee << " 万元");
    out.separator();

    for (const AppliedFee& fee : a.fees) {
        out.add(feeLine(fee));
        out.empty();
    }
    out.add(otherFeeSumLine(a));
    out.separator();
    out.add(Line() << "所以本工程设计收费基准价="
                   << "基本设计收费"
                   << "+"
                   << "其他设计收费"
                   << "=" << a.basicFee << "万元"
                   << "+" << a.otherFee << "万元"
                   << "=" << a.benchmarkFee << "万元");

    if (record && record->project.independentPhase) {
        out.separator();
        // Only the share this calculation wrote: a share variable no phase row wrote belongs to another run.
        if (a.phase)
            out.add(Line() << "其中" << a.phase->phase << "收费为：" << a.phase->fee << "万元");
    }
    out.separator();
    out.add(closingLine);
    return out.take();
}

} // namespace varnel::report
