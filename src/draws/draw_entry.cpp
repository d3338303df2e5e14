#include "draws/draw_entry.h"

#include "framework/localize.h"

#include <limits>
#include <string>

namespace {

[[noreturn]] void NotAnAmount(std::string_view text)
{
    throw EValorNoValido(GetText(kTextValorNoValido) + " \"" + std::string(text) + "\"");
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

int64_t DivideRoundingHalfEven(__int128 numerator, __int128 denominator)
{
    __int128 quotient = numerator / denominator;
    __int128 remainder = numerator % denominator;
    if (remainder < 0) { // floor division, so the remainder is never negative
        quotient -= 1;
        remainder += denominator;
    }
    __int128 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    if (quotient > std::numeric_limits<int64_t>::max() || quotient < std::numeric_limits<int64_t>::min())
        throw EIntOverflow("Integer overflow");
    return static_cast<int64_t>(quotient);
}

int32_t EnteroDeTexto(std::string_view text)
{
    if (text.empty())
        return 0;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw EValorNoValido(GetText(kTextValorNoValido));
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            throw EValorNoValido(GetText(kTextValorNoValido));
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            throw EValorNoValido(GetText(kTextValorNoValido));
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        throw EValorNoValido(GetText(kTextValorNoValido));
    return static_cast<int32_t>(value);
}

Currency ImporteDeTexto(std::string_view text)
{
    // Walking from the right: the whole digits and the decimals apart.
    std::string digits;
    std::string decimals;
    bool separatorSeen = false;
    for (size_t i = text.size(); i-- > 0;) {
        const char ch = text[i];
        if (IsDigit(ch)) {
            digits.insert(digits.begin(), ch);
        } else if (ch == ',' || ch == '.' || ch == '-') {
            if (!separatorSeen && text.size() - i - 1 <= 2) {
                decimals = digits;
                digits.clear();
            }
            separatorSeen = true;
        } else {
            NotAnAmount(text);
        }
    }
    while (decimals.size() < 4)
        decimals += '0';
    __int128 value = 0;
    for (char ch : digits + decimals) {
        value = value * 10 + (ch - '0');
        if (value > std::numeric_limits<Currency>::max())
            NotAnAmount(text);
    }
    return static_cast<Currency>(value);
}

int32_t AcertantesDeTexto(std::string_view text)
{
    const int32_t acertantes = EnteroDeTexto(text);
    if (acertantes < 0)
        throw EValorNoValido(GetText(kTextValorNoValido) + " \"" + std::string(text) + "\"");
    return acertantes;
}

Currency ParaPremios(Currency recaudacion)
{
    return DivideRoundingHalfEven(static_cast<__int128>(recaudacion) * 50, 100);
}

Currency PremioPorAcertante(Currency importePremios, int categoria, int32_t acertantes)
{
    // Amount and percentage are both scaled by 10000: divide by 100 percent
    // and by one scale.
    const __int128 share = static_cast<__int128>(importePremios) * PorcentajesCategoria[categoria];
    __int128 divisor = 100 * static_cast<__int128>(kCurrencyScale);
    if (acertantes != 0)
        divisor *= acertantes;
    if (divisor < 0)
        return DivideRoundingHalfEven(-share, -divisor);
    return DivideRoundingHalfEven(share, divisor);
}
