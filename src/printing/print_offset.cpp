#include "printing/print_offset.h"

#include <cstdlib>

std::optional<int32_t> ParseOffsetTenths(std::string_view text, char decimalSeparator)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Whole tenths, then the first dropped digit decides the rounding; the
    // digits are read as decimals, so 0.05 is a half and no binary fraction
    // tips it either way.
    int64_t tenths = 0;
    int digits = 0, decimals = -1, roundingDigit = 0;
    for (char c : text) {
        if (c == '.' || c == decimalSeparator) {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (decimals < 0) {
                tenths = tenths * 10 + (c - '0');
                if (tenths > kMaxOffsetTenths)
                    return std::nullopt;
            } else if (++decimals == 1) {
                tenths = tenths * 10 + (c - '0');
            } else if (decimals == 2) {
                roundingDigit = c - '0';
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (decimals <= 0)
        tenths *= 10;
    if (roundingDigit >= 5)
        ++tenths;
    if (tenths > kMaxOffsetTenths)
        return std::nullopt;
    return static_cast<int32_t>(negative ? -tenths : tenths);
}
