#include "projects/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

namespace varnel::projects {

namespace {

// Magnitudes are strings of decimal digits, most significant first, without leading zeros ("" is 0).

std::string withoutLeadingZeros(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    digits.erase(0, first == std::string::npos ? digits.size() : first);
    return digits;
}

int compareMagnitudes(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// The sum has a digit more than the longer of the two at most; it is written from the right into a string
// of that length.
std::string addMagnitudes(const std::string& a, const std::string& b) {
    std::string sum(std::max(a.size(), b.size()) + 1, '0');
    int carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        int digit = carry;
        if (i < a.size())
            digit += a[a.size() - 1 - i] - '0';
        if (i < b.size())
            digit += b[b.size() - 1 - i] - '0';
        sum[sum.size() - 1 - i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    return withoutLeadingZeros(std::move(sum));
}

// a − b where a ≥ b.
std::string subtractMagnitudes(const std::string& a, const std::string& b) {
    std::string difference = a;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char& d = difference[a.size() - 1 - i];
        int digit = (d - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = digit < 0;
        d = static_cast<char>('0' + digit + (borrow ? 10 : 0));
    }
    return withoutLeadingZeros(std::move(difference));
}

std::string multiplyMagnitudes(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return {};
    std::string product(a.size() + b.size(), 0); // digit values, least significant first
    for (std::size_t i = 0; i < a.size(); ++i) {
        int carry = 0;
        const int x = a[a.size() - 1 - i] - '0';
        for (std::size_t j = 0; j < b.size() || carry; ++j) {
            const int digit = product[i + j] + carry + (j < b.size() ? x * (b[b.size() - 1 - j] - '0') : 0);
            product[i + j] = static_cast<char>(digit % 10);
            carry = digit / 10;
        }
    }
    for (char& d : product)
        d = static_cast<char>('0' + d);
    std::reverse(product.begin(), product.end());
    return withoutLeadingZeros(std::move(product));
}

// The quotient and remainder of a ÷ b, b not zero, by long division.
std::pair<std::string, std::string> divideMagnitudes(const std::string& a, const std::string& b) {
    std::string quotient;
    std::string remainder;
    for (char d : a) {
        remainder = withoutLeadingZeros(remainder + d);
        char digit = '0';
        while (compareMagnitudes(remainder, b) >= 0) {
            remainder = subtractMagnitudes(remainder, b);
            ++digit;
        }
        quotient.push_back(digit);
    }
    return {withoutLeadingZeros(std::move(quotient)), remainder};
}

std::string shifted(const std::string& digits, int zeros) {
    std::string moved = digits;
    if (!moved.empty())
        moved.append(static_cast<std::size_t>(zeros), '0');
    return moved;
}

} // namespace

Decimal Decimal::made(bool negative, std::string digits, int places) {
    Decimal d;
    d.m_digits = withoutLeadingZeros(std::move(digits));
    d.m_places = places;
    d.m_negative = negative && !d.m_digits.empty();
    return d;
}

std::optional<Decimal> Decimal::of(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // engine::exactText's text, written into a buffer here rather than into a string of its own: a quote
    // reads several figures of every item this way. No double's shortest text is longer than 24 characters.
    char text[32];
    const std::to_chars_result written = std::to_chars(std::begin(text), std::end(text), value);
    return parse(std::string_view(text, written.ptr));
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string digits;
    digits.reserve(text.size());
    int places = 0;
    bool point = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.' && !point) {
            point = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            digits.push_back(text[i]);
            places += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty())
        return std::nullopt;
    if (i < text.size()) {
        std::string_view exponentText = text.substr(i + 1);
        if (!exponentText.empty() && exponentText.front() == '+')
            exponentText.remove_prefix(1);
        int exponent = 0;
        const auto [end, error] =
            std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
        if (exponentText.empty() || error != std::errc() ||
            end != exponentText.data() + exponentText.size() || exponent > 100000 || exponent < -100000)
            return std::nullopt;
        places -= exponent;
    }
    if (places < 0) {
        digits = shifted(withoutLeadingZeros(digits), -places);
        places = 0;
    }
    return made(negative, std::move(digits), places);
}

Decimal Decimal::whole(long long value) {
    const std::string text = std::to_string(value);
    return *parse(text);
}

Decimal Decimal::rounded(int places) const {
    if (m_places <= places)
        return *this;
    const auto dropped = static_cast<std::size_t>(m_places - places);
    const std::size_t kept = m_digits.size() > dropped ? m_digits.size() - dropped : 0;
    std::string digits = m_digits.substr(0, kept);
    // The first digit dropped decides: 5 or more rounds the magnitude up, whatever the sign.
    const bool up = m_digits.size() >= dropped && m_digits[m_digits.size() - dropped] >= '5';
    if (up)
        digits = addMagnitudes(digits, "1");
    return made(m_negative, std::move(digits), places);
}

Decimal Decimal::quotient(const Decimal& a, const Decimal& b, int places) {
    // a ÷ b × 10^places = (A ÷ B) × 10^(pb − pa + places) for the digits A, B and places pa, pb.
    const int scale = b.m_places - a.m_places + places;
    const std::string numerator = scale >= 0 ? shifted(a.m_digits, scale) : a.m_digits;
    const std::string denominator = scale >= 0 ? b.m_digits : shifted(b.m_digits, -scale);
    auto [digits, remainder] = divideMagnitudes(numerator, denominator);
    if (compareMagnitudes(addMagnitudes(remainder, remainder), denominator) >= 0)
        digits = addMagnitudes(digits, "1");
    return made(a.m_negative != b.m_negative, std::move(digits), places);
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    const int places = std::max(a.m_places, b.m_places);
    const std::string x = shifted(a.m_digits, places - a.m_places);
    const std::string y = shifted(b.m_digits, places - b.m_places);
    if (a.m_negative == b.m_negative)
        return Decimal::made(a.m_negative, addMagnitudes(x, y), places);
    if (compareMagnitudes(x, y) >= 0)
        return Decimal::made(a.m_negative, subtractMagnitudes(x, y), places);
    return Decimal::made(b.m_negative, subtractMagnitudes(y, x), places);
}

Decimal Decimal::operator-() const {
    return made(!m_negative, m_digits, m_places);
}

Decimal operator-(const Decimal& a, const Decimal& b) {
    return a + -b;
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    return Decimal::made(a.m_negative != b.m_negative, multiplyMagnitudes(a.m_digits, b.m_digits),
                         a.m_places + b.m_places);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    const Decimal difference = a - b;
    if (difference.isZero())
        return std::strong_ordering::equal;
    return difference.m_negative ? std::strong_ordering::less : std::strong_ordering::greater;
}

std::string Decimal::fixedText(int places) const {
    const Decimal r = rounded(places);
    std::string digits = shifted(r.m_digits, places - r.m_places);
    const auto decimals = static_cast<std::size_t>(places);
    if (digits.size() <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - decimals, 1, '.');
    if (r.m_negative)
        digits.insert(digits.begin(), '-');
    return digits;
}

double Decimal::toDouble() const {
    if (m_digits.empty())
        return 0;
    const std::string text = (m_negative ? "-" : "") + m_digits + "e-" + std::to_string(m_places);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond the double range: infinite when it has more whole digits than a double holds, else 0.
        const bool large = m_digits.size() > static_cast<std::size_t>(m_places);
        return large ? (m_negative ? -HUGE_VAL : HUGE_VAL) : 0.0;
    }
    return value;
}

} // namespace varnel::projects
