#include "engine/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
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

constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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

    // Digits are gathered without the point and without leading zeros; `pointShift` counts the digits
    // after the point. Only so many digits can matter to a double: after the 800th the rest are dropped
    // and one sticky digit stands for them, which keeps the rounding honest.
    constexpr std::size_t kept = 800;
    char digits[kept + 32];
    std::size_t count = 0;
    long dropped = 0;
    long pointShift = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (;;) {
        const char c = in.peek();
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (count < kept) {
                if (count > 0 || c != '0')
                    digits[count++] = c;
            } else {
                ++dropped;
                digits[kept] = '1';
            }
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

    if (count == 0)
        return {0, true}; // zero, or no number at all

    // value = 0.d1d2d3... × 10^magnitude
    const long magnitude = static_cast<long>(count) + dropped + exponent - pointShift;
    if (magnitude > 400)
        return {0, false};
    if (magnitude < -400)
        return {negative ? -0.0 : 0.0, true};

    long scale = exponent - pointShift + dropped;
    // Up to 15 digits are an exact integer, and powers of ten up to 10^22 are exact doubles: one product
    // or quotient of the two rounds once, correctly, and gives what from_chars would.
    if (dropped == 0 && count <= 15 && scale >= -22 && scale <= 22) {
        std::uint64_t integer = 0;
        for (std::size_t i = 0; i < count; ++i)
            integer = integer * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        const double mantissa = static_cast<double>(integer);
        const double value =
            scale >= 0 ? mantissa * exactPowersOfTen[scale] : mantissa / exactPowersOfTen[-scale];
        return {negative ? -value : value, true};
    }
    if (dropped > 0) {
        ++count; // the sticky digit
        --scale;
    }
    std::size_t length = count;
    digits[length++] = 'e';
    const auto written = std::to_chars(digits + length, digits + sizeof digits, scale);
    length = static_cast<std::size_t>(written.ptr - digits);

    double value = 0;
    const auto [end, error] = std::from_chars(digits, digits + length, value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return magnitude > 0 ? NumberReading{0, false} : NumberReading{negative ? -0.0 : 0.0, true};
    if (!std::isfinite(value))
        return {0, false};
    return {negative ? -value : value, true};
}

namespace {

// Writes a value's text into a small buffer: at most 15 significant digits, trailing zeros dropped,
// exponent form below 1E-04 and from 1E+15; `leadingZero` chooses between "0.85" and ".85".
class NumberWriter {
  public:
    NumberWriter(double value, bool leadingZero, const char* positiveSign) {
        const bool negative = value < 0; // -0 writes as zero
        append(negative ? "-" : positiveSign);
        const double magnitude = std::fabs(value);
        if (magnitude == 0) {
            append("0");
            return;
        }
        // d.dddddddddddddde±x: the 15 significant digits and the decimal exponent. The shortest text
        // that reads back is those digits already when it has no more than 15 (it lies closer to the value
        // than half a unit of the 15th digit); only longer ones need rounding to 15.
        char scientific[40];
        auto r = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                               std::chars_format::scientific);
        if (std::find(scientific, r.ptr, 'e') - scientific > 16)
            r = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                              std::chars_format::scientific, 14);
        const char* e = std::find(scientific, r.ptr, 'e');
        char digits[16];
        int count = 0;
        for (const char* p = scientific; p < e; ++p)
            if (*p != '.')
                digits[count++] = *p;
        while (count > 1 && digits[count - 1] == '0')
            --count;
        int exponent = 0;
        std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exponent);

        if (exponent < -4 || exponent >= 15) {
            put(digits[0]);
            if (count > 1) {
                put('.');
                append(digits + 1, count - 1);
            }
            append(exponent < 0 ? "E-" : "E+");
            const int shown = std::abs(exponent);
            if (shown < 10)
                put('0');
            m_end = std::to_chars(m_end, m_text + sizeof m_text, shown).ptr;
        } else if (exponent < 0) {
            append(leadingZero ? "0." : ".");
            for (int i = -1; i > exponent; --i)
                put('0');
            append(digits, count);
        } else {
            const int integerDigits = exponent + 1;
            append(digits, std::min(count, integerDigits));
            for (int i = count; i < integerDigits; ++i)
                put('0');
            if (count > integerDigits) {
                put('.');
                append(digits + integerDigits, count - integerDigits);
            }
        }
    }

    std::string text() const { return std::string(m_text, static_cast<std::size_t>(m_end - m_text)); }

  private:
    void put(char c) { *m_end++ = c; }
    void append(const char* s) {
        while (*s)
            put(*s++);
    }
    void append(const char* s, int n) {
        for (int i = 0; i < n; ++i)
            put(s[i]);
    }

    char m_text[40];
    char* m_end = m_text;
};

} // namespace

std::string resultBoxText(double value) {
    return NumberWriter(value, false, " ").text();
}

std::string joinedText(double value) {
    return NumberWriter(value, true, "").text();
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
