#include "engine/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

namespace {

// The leading-number rule from where `in` stands; `in` is left after what it read.
NumberReading readLeading(Cursor& in);

} // namespace

NumberReading readNumber(std::string_view text) {
    Cursor in(text);
    return readLeading(in);
}

namespace {

// The ASCII form of a number typed with a Chinese input method's full-width characters (１５００．５,
// －３, the ideographic space), or nothing where a character is neither ASCII nor one of these.
std::optional<std::string> asciiForm(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ascii += static_cast<char>(c);
            continue;
        }
        // Every character taken here is three bytes long: U+3000, and U+FF01–U+FF5E (EF BC 81 – EF BD 9E).
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto b1 = static_cast<unsigned char>(text[i + 1]), b2 = static_cast<unsigned char>(text[i + 2]);
        const unsigned code = ((c & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
        if (c != 0xE3 && c != 0xEF)
            return std::nullopt;
        if (code == 0x3000)
            ascii += ' ';
        else if (code >= 0xFF01 && code <= 0xFF5E)
            ascii += static_cast<char>(code - 0xFF01 + 0x21);
        else
            return std::nullopt;
        i += 2;
    }
    return ascii;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Thousands separators: "1,500" and "2,000,000.5" lose their commas; a comma anywhere else (1,5000, 1,50,
// ,500, 1.500,5) makes the text no number.
std::optional<std::string> withoutThousandsSeparators(std::string text) {
    const std::size_t firstComma = text.find(',');
    if (firstComma == std::string::npos)
        return text;
    std::size_t start = text[0] == '+' || text[0] == '-' ? 1 : 0;
    std::size_t end = start;
    while (end < text.size() && (isDigit(text[end]) || text[end] == ','))
        ++end;
    // The integer part, before the point or the exponent: a group of one to three digits, then groups of
    // three, each after its comma.
    const std::string integer = text.substr(start, end - start);
    if (text.find(',', end) != std::string::npos || integer.empty() || integer.front() == ',')
        return std::nullopt;
    const std::size_t lead = integer.find(',');
    if (lead > 3)
        return std::nullopt;
    for (std::size_t at = lead; at < integer.size(); at += 4)
        if (integer[at] != ',' || at + 4 > integer.size() || !isDigit(integer[at + 1]) ||
            !isDigit(integer[at + 2]) || !isDigit(integer[at + 3]))
            return std::nullopt;
    std::erase(text, ',');
    return text;
}

} // namespace

std::optional<std::string> typedNumberText(std::string_view typed) {
    std::optional<std::string> text = asciiForm(typed);
    if (!text)
        return std::nullopt;
    const std::size_t first = text->find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::nullopt; // an empty box holds no number
    *text = text->substr(first, text->find_last_not_of(" \t\r\n") - first + 1);
    return withoutThousandsSeparators(std::move(*text));
}

std::optional<NumberReading> readWholeNumber(std::string_view typed) {
    const std::optional<std::string> text = typedNumberText(typed);
    if (!text)
        return std::nullopt;
    Cursor in(*text);
    const NumberReading reading = readLeading(in);
    if (in.peek() != '\0')
        return std::nullopt; // something follows the number
    return reading;
}

namespace {

NumberReading readLeading(Cursor& in) {
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

// The 15 significant digits of a positive finite value, correctly rounded, and its decimal exponent:
// d.dddddddddddddde±x.
void roundTo15Digits(double value, char (&digits)[32], int& count, int& exponent) {
    char scientific[40];
    const auto r =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, 14);
    const char* e = std::find(scientific, r.ptr, 'e');
    count = 0;
    for (const char* p = scientific; p < e; ++p)
        if (*p != '.')
            digits[count++] = *p;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, exponent);
}

// Writes a value's text into a small buffer: at most 15 significant digits, trailing zeros dropped,
// exponent form below 1E-04 and from 1E+15; `leadingZero` chooses between "0.85" and ".85".
class NumberWriter {
  public:
    NumberWriter(double value, bool leadingZero, std::string_view positiveSign) {
        const bool negative = value < 0; // -0 writes as zero
        append(negative ? std::string_view("-") : positiveSign);
        const double magnitude = std::fabs(value);
        if (magnitude == 0) {
            append("0");
            return;
        }
        char digits[32];
        int count = 0;
        int exponent = 0;
        roundTo15Digits(magnitude, digits, count, exponent);
        while (count > 1 && digits[count - 1] == '0')
            --count;

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
    void append(std::string_view s) {
        for (char c : s)
            put(c);
    }
    void append(const char* s, int n) {
        std::memcpy(m_end, s, static_cast<std::size_t>(n));
        m_end += n;
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
