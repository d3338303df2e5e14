#pragma once

#include "draws/currency.h"
#include "draws/prize_categories.h"
#include "model/exception.h"

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// One draw of a published draw history.
struct TSorteoHistorial {
    double Fecha = 0;                    // whole day
    std::array<int32_t, 5> Numeros{};    // ascending
    std::array<int32_t, 2> Estrellas{};  // ascending
    TPorCategoria<int32_t> Acertantes;   // winners in all countries
    TPorCategoria<Currency> Premios;     // prize of one winner
};

struct THistorialSorteos {
    std::vector<TSorteoHistorial> Sorteos; // in the file's order
    int Descartados = 0; // draws skipped because their stars do not fit 1 to 9
};

// The longest line a history may hold.
inline constexpr size_t kMaxLineBytes = 64 * 1024;

// A history that cannot be read: "<source>, line <n>: <reason>".
class EHistorialError : public Exception {
public:
    using Exception::Exception;
};

// Reads the draw history the French operator publishes: semicolon-separated
// columns named on the first line (date_de_tirage, boule_1..5, etoile_1..2,
// and per rank k of 1 to 12 nombre_de_gagnant_au_rangk_en_europe and
// rapport_du_rangk, with or without the _Euro_Millions infix), decimal
// commas, dates as YYYYMMDD, dd/mm/yyyy or dd/mm/yy. Rows whose stars do not
// fit 1 to 9 belong to a later form of the game: they are skipped and
// counted. Raises EHistorialError, naming the source and line, for a missing
// column, a malformed date, number or amount, or numbers that do not make a
// bet (five distinct of 1 to 50, two distinct stars).
// A line longer than kMaxLineBytes (real ones hold under 3 KB) is refused
// as soon as that many bytes are read: "<source>, line <n>: longer than ...".
THistorialSorteos LeerHistorialCsv(std::istream &input, const std::string &source);
// Raises EFOpenError "Cannot open file %s" when the file cannot be read.
THistorialSorteos LeerHistorialCsv(const std::string &path);

// A line of a history left out: its number (1 is the first line) and why.
struct TLineaErronea {
    long long Linea = 0;
    std::string Motivo;

    bool operator==(const TLineaErronea &) const = default;
};

// As LeerHistorialCsv, but a row that cannot be read, or that repeats the
// date of a row before it, is left out and listed in errores instead of
// ending the read. A file without the column names still raises.
THistorialSorteos LeerHistorialCsv(std::istream &input, const std::string &source,
                                   std::vector<TLineaErronea> &errores);

// The game's own number of the draw of that day: 1 for 13 February 2004,
// counting the Friday draws and, from 10 May 2011, the Tuesday and Friday
// draws. 0 before the first draw; a day without a draw gets the number of the
// last draw before it.
int32_t NumeroSorteoOficial(double fecha);
