#pragma once

#include "model/exception.h"

#include <cstdint>
#include <string>
#include <string_view>

// A sum of money that does not fit 64 bits: "Integer overflow".
class EIntOverflow : public Exception {
public:
    using Exception::Exception;
};

// Money: a signed 64-bit integer holding the amount times 10000, so sums are
// exact to 1/10000 of the unit. Never converted through floating point.
using Currency = int64_t;

inline constexpr Currency kCurrencyScale = 10000;

constexpr Currency CurrencyFromUnits(int64_t units)
{
    return units * kCurrencyScale;
}

// Checked arithmetic. Raise EIntOverflow "Integer overflow" when the result
// does not fit 64 bits.
Currency AddCurrency(Currency a, Currency b);
Currency MultiplyCurrency(Currency amount, int64_t factor);

// a * 100 / b - 100 in currency units (a percentage with four decimals),
// rounded half away from zero; b must not be 0.
Currency PercentageAbove(Currency a, Currency b);

// "#,##0.00": thousands grouped by commas, two decimals rounded half away
// from zero, a leading minus for negative amounts ("-1,234.50").
std::string FormatCurrency(Currency amount);

// Reads a decimal amount as operators publish it: optional sign, digits that
// may be grouped by blanks, a decimal comma or point, at most 4 decimals
// ("47567,7", "1 037 960", "93.4"). False for anything else, and for amounts
// that do not fit.
bool ParseCurrency(std::string_view text, Currency &amount);
