#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace varnel::engine {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks the text, passing over the blanks that the rule ignores inside a number.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : m_text(text) {}
    char peek() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void next() { ++m_pos; }

  private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int digitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d >= 0 && d < base ? d : -1;
}

NumberReading readRadixInteger(Cursor& in, int base) {
    double value = 0;
    for (int d; (d = digitValue(in.peek(), base)) >= 0; in.next()) {
        value = value * base + d;
        if (!std::isfinite(value))
            return {0, false};
    }
    return {value, true};
}

// Exponents beyond this say nothing more: every such number is out of range or zero.
constexpr long exponentLimit = 1'000'000'000;

} // namespace

NumberReading readNumber(std::string_view text) {
    Cursor in(text);
    if (in.peek() == '&') {
        in.next();
        const char radix = in.peek();
        if (radix == 'H' || radix == 'h') {
            in.next();
            return readRadixInteger(in, 16);
        }
        if (radix == 'O' || radix == 'o') {
            in.next();
            return readRadixInteger(in, 8);
        }
        return {0, true};
    }

    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }

    // Digits are gathered without the point; `pointShift` counts the digits after it.
    std::string digits;
    long pointShift = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (;;) {
        const char c = in.peek();
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (!(digits.empty() && c == '0'))
                digits.push_back(c); // leading zeros carry no value
            if (seenPoint)
                ++pointShift;
            in.next();
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            in.next();
        } else {
            break;
        }
    }

    long exponent = 0;
    if (seenDigit || seenPoint) {
        const char e = in.peek();
        if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
            in.next();
            bool expNegative = false;
            if (in.peek() == '+' || in.peek() == '-') {
                expNegative = in.peek() == '-';
                in.next();
            }
            for (char c; (c = in.peek()) >= '0' && c <= '9'; in.next())
                if (exponent < exponentLimit)
                    exponent = exponent * 10 + (c - '0');
            if (expNegative)
                exponent = -exponent;
        }
    }

    if (digits.empty())
        return {0, true}; // zero, or no number at all

    // Scale: value = 0.d1d2d3... × 10^(digits + exponent − pointShift).
    const long magnitude = static_cast<long>(digits.size()) + exponent - pointShift;
    if (magnitude > 400)
        return {0, false};
    if (magnitude < -400)
        return {negative ? -0.0 : 0.0, true};

    // Only so many digits can matter to a double; the rest are dropped after the 800th.
    constexpr std::size_t kept = 800;
    long scale = exponent - pointShift;
    if (digits.size() > kept) {
        scale += static_cast<long>(digits.size() - kept);
        digits.resize(kept);
        digits.push_back('1'); // a sticky digit keeps rounding honest for what was dropped
        scale -= 1;
    }
    std::string normal = digits + "e" + std::to_string(scale);
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return magnitude > 0 ? NumberReading{0, false} : NumberReading{negative ? -0.0 : 0.0, true};
    if (!std::isfinite(value))
        return {0, false};
    return {negative ? -value : value, true};
}

namespace {

// The decimal digits (at most 15, no trailing zeros) and the decimal exponent of a finite, non-zero value.
struct Decimal {
    std::string digits;
    int exponent = 0; // value = d.ddd × 10^exponent
};

Decimal decompose(double magnitude) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    for (char c : text.substr(0, e))
        if (c != '.')
            d.digits.push_back(c);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return d;
}

// The digits of a value written as the numeric conventions of both forms require; `leadingZero` chooses
// between "0.85" and ".85".
std::string unsignedText(double magnitude, bool leadingZero) {
    if (magnitude == 0)
        return "0";
    const Decimal d = decompose(magnitude);
    if (d.exponent < -4 || d.exponent >= 15) {
        std::string s(1, d.digits[0]);
        if (d.digits.size() > 1)
            s.append(".").append(d.digits, 1);
        const int e = std::abs(d.exponent);
        s += d.exponent < 0 ? "E-" : "E+";
        if (e < 10)
            s += '0';
        s += std::to_string(e);
        return s;
    }
    if (d.exponent < 0) {
        std::string s(leadingZero ? "0." : ".");
        s.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        return s.append(d.digits);
    }
    const std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits)
        return d.digits + std::string(integerDigits - d.digits.size(), '0');
    std::string s = d.digits.substr(0, integerDigits);
    return s.append(".").append(d.digits, integerDigits);
}

} // namespace

std::string resultBoxText(double value) {
    const bool negative = value < 0; // -0 writes as zero
    std::string s(negative ? "-" : " ");
    return s.append(unsignedText(std::fabs(value), false));
}

std::string joinedText(double value) {
    const bool negative = value < 0;
    std::string s(negative ? "-" : "");
    return s.append(unsignedText(std::fabs(value), true));
}

std::string joinedText(std::optional<double> value) {
    return value ? joinedText(*value) : std::string();
}

std::string exactText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace varnel::engine
