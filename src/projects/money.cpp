#include "projects/money.h"

#include <array>
#include <string_view>

namespace varnel::projects {

namespace {

constexpr std::array<std::string_view, 10> capitalDigits{"零", "壹", "贰", "叁", "肆",
                                                         "伍", "陆", "柒", "捌", "玖"};
// The place of a figure within its group of four: ones, 拾, 佰, 仟.
constexpr std::array<std::string_view, 4> placeNames{"", "拾", "佰", "仟"};

// Whole 元 written in capital figures. The figures go in groups of four from the right: ones, 万, 亿 and
// 万亿; a group of 万 or 万亿 is named where it has a figure, the 亿 where it or the group above has one.
// A 零 is read for zeros that stand before a figure: inside a group, or at the head of the next.
std::string capitalYuan(std::string_view digits) {
    if (digits.empty())
        return std::string(capitalDigits[0]);
    std::string text;
    bool zeroPending = false;
    bool groupHasFigure = false;
    bool higherGroupHasFigure = false;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t position = digits.size() - 1 - i; // 0 for the ones
        const int digit = digits[i] - '0';
        if (digit == 0) {
            zeroPending = !text.empty();
        } else {
            if (zeroPending)
                text += capitalDigits[0];
            zeroPending = false;
            text += capitalDigits[static_cast<std::size_t>(digit)];
            text += placeNames[position % 4];
            groupHasFigure = true;
        }
        if (position % 4 != 0)
            continue;
        const std::size_t group = position / 4;
        if (group == 2 && (groupHasFigure || higherGroupHasFigure))
            text += "亿";
        else if ((group == 1 || group == 3) && groupHasFigure)
            text += "万";
        // Zeros at the end of a group with a figure are not read; a group of zeros only is, as one 零.
        if (groupHasFigure)
            zeroPending = false;
        higherGroupHasFigure = higherGroupHasFigure || groupHasFigure;
        groupHasFigure = false;
    }
    return text.empty() ? std::string(capitalDigits[0]) : text;
}

} // namespace

Decimal quotedAmount(double tenThousandYuan) {
    return Decimal::of(tenThousandYuan).value_or(Decimal()).rounded(amountPlaces);
}

Decimal quotedPercent(const Decimal& percent) {
    return percent.rounded(percentPlaces);
}

std::string amountText(const Decimal& amount) {
    return amount.fixedText(amountPlaces);
}

std::string percentText(const Decimal& percent) {
    const std::string text = percent.fixedText(percentPlaces);
    return (text.front() == '-' ? text : "+" + text) + "%";
}

std::string uppercaseAmountText(const Decimal& tenThousandYuan) {
    const Decimal yuan = (tenThousandYuan * Decimal::whole(10000)).rounded(0);
    std::string digits = yuan.fixedText(0);
    const bool negative = digits.starts_with('-');
    if (negative)
        digits.erase(0, 1);
    if (digits == "0")
        digits.clear();
    return std::string("人民币") + (negative ? "负" : "") + capitalYuan(digits) + "元整";
}

} // namespace varnel::projects
