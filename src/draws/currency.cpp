#include "draws/currency.h"

#include "model/exception.h"

#include <cctype>

namespace {

[[noreturn]] void Overflow()
{
    throw EIntOverflow("Integer overflow");
}

} // namespace

Currency AddCurrency(Currency a, Currency b)
{
    Currency sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        Overflow();
    return sum;
}

Currency MultiplyCurrency(Currency amount, int64_t factor)
{
    Currency product = 0;
    if (__builtin_mul_overflow(amount, factor, &product))
        Overflow();
    return product;
}

Currency PercentageAbove(Currency a, Currency b)
{
    // a and b are both scaled by 10000, so the quotient needs the scale once
    // more: a * 100 * 10000 / b fits 128 bits for any 64-bit a.
    __int128 numerator = static_cast<__int128>(a) * 100 * kCurrencyScale;
    __int128 denominator = b;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 quotient = numerator / denominator;
    __int128 remainder = numerator % denominator;
    if (remainder * 2 >= denominator)
        ++quotient;
    else if (remainder * 2 <= -denominator)
        --quotient;
    __int128 result = quotient - 100 * static_cast<__int128>(kCurrencyScale);
    if (result > INT64_MAX || result < INT64_MIN)
        Overflow();
    return static_cast<Currency>(result);
}

std::string FormatCurrency(Currency amount)
{
    // Work on the magnitude in 128 bits so that INT64_MIN has no special case.
    __int128 magnitude = amount;
    bool negative = magnitude < 0;
    if (negative)
        magnitude = -magnitude;
    __int128 cents = (magnitude + 50) / 100;
    auto whole = static_cast<unsigned __int128>(cents / 100);
    auto fraction = static_cast<int>(cents % 100);

    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(whole % 10)));
        whole /= 10;
    } while (whole != 0);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    std::string text = negative && cents != 0 ? "-" : "";
    text += grouped;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

bool ParseCurrency(std::string_view text, Currency &amount)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    __int128 value = 0;
    int decimals = -1; // -1 until the decimal separator is met
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        char ch = text[i];
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            if (decimals >= 4)
                return false;
            value = value * 10 + (ch - '0');
            if (value > static_cast<__int128>(INT64_MAX))
                return false;
            anyDigit = true;
            if (decimals >= 0)
                ++decimals;
        } else if ((ch == ',' || ch == '.') && decimals < 0) {
            decimals = 0;
        } else if (ch == ' ' && decimals < 0) {
            continue; // thousands grouping, and trailing blanks
        } else {
            return false;
        }
    }
    if (!anyDigit)
        return false;
    for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d)
        value *= 10;
    if (negative)
        value = -value;
    if (value > INT64_MAX || value < INT64_MIN)
        return false;
    amount = static_cast<Currency>(value);
    return true;
}
