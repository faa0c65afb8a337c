#pragma once

#include <array>
#include <optional>

namespace varnel::engine {

// One row of the standard's 《工程设计收费基价表》: fee base amount → base price, both in 万元.
struct BasePriceRow {
    double amount;
    double price;
};

inline constexpr std::array<BasePriceRow, 18> basePriceTable{{
    {200, 9},
    {500, 20.9},
    {1000, 38.8},
    {3000, 103.8},
    {5000, 163.9},
    {8000, 249.6},
    {10000, 304.8},
    {20000, 566.8},
    {40000, 1054},
    {60000, 1515.2},
    {80000, 1960.1},
    {100000, 2393.4},
    {200000, 4450.8},
    {400000, 8276.7},
    {600000, 11897.5},
    {800000, 15391.4},
    {1000000, 18793.8},
    {2000000, 34948.9},
}};

// Above the table's last amount the base price is 1.6 % of the amount.
inline constexpr double flatRateFrom = 2000000;
inline constexpr double flatRate = 0.016;

// Below the table the line through its first two rows goes on: price − rise × (from − amount) ÷ run,
// that is 9 − 11.9 × (200 − amount) ÷ 300, with the rise as the standard writes it.
struct BelowTableLine {
    double price;
    double rise;
    double from;
    double run;
};
inline constexpr BelowTableLine belowTable{9, 11.9, 200, 300};

struct BasePrice {
    double price = 0;
    // The two rows the price was interpolated between; empty for the flat rate and below the table.
    std::optional<BasePriceRow> low;
    std::optional<BasePriceRow> high;
};

// The base price of a positive fee base amount:
//  - above 2,000,000: amount × flatRate;
//  - below 200: belowTable;
//  - otherwise linear interpolation between the rows around it. Each interval includes its lower end and
//    excludes its upper one, except the last, which includes 2,000,000 itself (the table's last row).
BasePrice basePriceFor(double feeBase);

} // namespace varnel::engine
