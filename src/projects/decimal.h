#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::projects {

// An exact decimal number of any size: a whole number of digits and how many of them stand after the
// point. A quote's figures are such numbers, so that sums, products and quotients come out as they would on
// paper, without the binary fractions of a double creeping back in (958.186899999999 as a double is not
// 958.1869 plus noise, it is the decimal the calculation wrote).
class Decimal {
  public:
    Decimal() = default; // zero

    // The decimal a double stands for: the shortest text that reads back to the same double
    // (engine::exactText), so 0.00005 is exactly 0.00005. None for infinity or NaN.
    static std::optional<Decimal> of(double value);
    // A plain decimal text: an optional sign, digits with at most one point, an optional exponent
    // ("-12.5", "1e+300"). None for anything else.
    static std::optional<Decimal> parse(std::string_view text);
    // A whole number.
    static Decimal whole(long long value);

    // Rounded to `places` decimals, half away from zero.
    Decimal rounded(int places) const;
    // a ÷ b to `places` decimals, half away from zero. b must not be zero.
    static Decimal quotient(const Decimal& a, const Decimal& b, int places);

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    Decimal operator-() const;
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

    bool isZero() const { return m_digits.empty(); }
    bool isNegative() const { return m_negative; }

    // With exactly `places` decimals (rounded half away from zero where it has more), "." as the point in
    // every locale, "-" only before a value that is not zero once rounded: "958.1869", "-19.98", "0.0000".
    std::string fixedText(int places) const;
    // The double nearest to it (infinite beyond the double range).
    double toDouble() const;

  private:
    bool m_negative = false;
    std::string m_digits; // the magnitude's digits, most significant first, no leading zero; empty for 0
    int m_places = 0;     // how many of the last digits stand after the point (zeros before them implied)

    static Decimal made(bool negative, std::string digits, int places);
};

} // namespace varnel::projects
