#pragma once

#include "draws/currency.h"
#include "model/apuesta_multiple.h"
#include "model/exception.h"
#include "model/prize_categories.h"

#include <cstdint>

// One draw as plain data, copied by value (its two number arrays included).
struct TSorteoEuroMillonInfo {
    int32_t NumeroSorteo = 0;    // as the user enters it; 0 for a new draw
    double FechaSorteo = 0;      // the archive keeps whole days
    Currency Recaudacion = 0;    // money raised
    Currency ImportePremios = 0; // money set aside for prizes
    // Per category 1 to 13; a draw with 12 categories (every classic one, and
    // those of today's game before 10 May 2011) keeps the 13th at 0.
    TPorCategoria<int32_t, kMaxCategorias> Acertantes;       // winners per category
    TPorCategoria<Currency, kMaxCategorias> PremioCategoria; // prize of one winner per category
    TEuroMillonApuestaMultiple ApuestaGanadora;              // winning numbers and stars

    bool operator==(const TSorteoEuroMillonInfo &) const = default;
};

// A draw or archive file that is not one: 40003 "No es un formato de archivo
// válido". A read error, as the combination file raises it.
class EDrawFormatError : public EReadError {
public:
    using EReadError::EReadError;
};

// A draw or archive file of the other edition, with the text the
// combination file gives (45801: "El archivo es del juego actual (estrellas
// 1 a 12); no puede leerse como juego clásico"): a file of today's game is
// never read as a classic one, nor the other way round.
class EDrawEditionError : public EDrawFormatError {
public:
    using EDrawFormatError::EDrawFormatError;
};

// A draw whose date is not a date (not finite, or outside the years 1 to
// 9999): "Invalid date".
class EDrawDateError : public Exception {
public:
    using Exception::Exception;
};
