#pragma once

#include "draws/currency.h"
#include "model/exception.h"
#include "model/prize_categories.h"

#include <cstdint>
#include <string_view>

// What the user types into the draw editor, turned into the draw's values,
// and the amounts the editor proposes from them.

inline constexpr uint16_t kTextValorNoValido = 42100; // "Valor numérico no válido"

// A typed value that is not one: the text of 42100, for an amount followed by
// the entered text in quotation marks.
class EValorNoValido : public Exception {
public:
    using Exception::Exception;
};

// The empty text gives 0; otherwise leading blanks, an optional sign and
// decimal digits that fit 32 bits. Raises EValorNoValido (42100) for anything
// else.
int32_t EnteroDeTexto(std::string_view text);

// A number of winners: EnteroDeTexto, and a negative count is refused too
// (EValorNoValido, 42100 followed by the entered text in quotation marks).
int32_t AcertantesDeTexto(std::string_view text);

// An amount typed with either decimal separator. Read from the right: a
// comma, full stop or hyphen is a separator; the rightmost one is the decimal
// separator when at most two characters follow it, every other one is a
// grouping mark and dropped (so a hyphen is never a sign). Digits are kept.
// "1.234,56" and "1,234.56" give 1234.56, "1.234" gives 1234, "12,5" 12.5,
// "12.345,678" 12345678. The empty text, or one of separators only, gives 0.
// Raises EValorNoValido, 42100 followed by a space and the entered text in
// quotation marks, for any other character or an amount that does not fit.
Currency ImporteDeTexto(std::string_view text);

// Share of the prize fund per category, in percent as currency values
// (exact to 1/10000); the twelve add up to 94.
inline constexpr TPorCategoria<Currency> PorcentajesCategoria{{{
    320000,
    74000,
    21000,
    15000,
    10000,
    7000,
    10000,
    51000,
    44000,
    47000,
    101000,
    240000,
}}};

// Half the revenue, to the nearest 1/10000 with ties to even.
Currency ParaPremios(Currency recaudacion);

// The prize of one winner of a category: the category's share of the prize
// fund divided among its winners, or the whole share when there are none; to
// the nearest 1/10000 with ties to even. Raises EIntOverflow when it does not
// fit and EListError for a category outside 1 to 12.
Currency PremioPorAcertante(Currency importePremios, int categoria, int32_t acertantes);

// numerator / denominator to the nearest integer, ties to even; denominator
// above 0.
int64_t DivideRoundingHalfEven(__int128 numerator, __int128 denominator);
