#pragma once

#include "draws/currency.h"
#include "model/exception.h"
#include "model/game_rules.h"
#include "model/prize_categories.h"

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// One draw of a published draw history.
struct THistoryDraw {
    double Fecha = 0;                   // whole day
    std::array<int32_t, 5> Numeros{};   // ascending
    std::array<int32_t, 2> Estrellas{}; // ascending
    // Per category; the 13th stays 0 in a draw of 12 categories.
    TPorCategoria<int32_t, kMaxCategorias> Acertantes; // winners in all countries
    TPorCategoria<Currency, kMaxCategorias> Premios;   // prize of one winner
};

struct TDrawHistory {
    std::vector<THistoryDraw> Sorteos; // in the file's order
    int Descartados = 0;               // classic game: draws skipped because their stars do not fit 1 to 9
    int DelJuegoActual = 0;            // classic game: draws after 6 May 2011, which belong to today's game
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
// rapport_du_rangk, with or without the _Euro_Millions infix; rank 13 and
// the _en_france counts where the file has them), decimal commas or points,
// dates as YYYYMMDD, dd/mm/yyyy or dd/mm/yy. The files come in ASCII,
// ISO-8859-1 or UTF-8 (with or without a byte order mark); the columns read
// are named in ASCII, so the encoding does not matter to them.
//
// Winners are the Europe-wide counts; where a row gives fewer winners in
// Europe than in France (a row whose Europe counts were never filled in),
// the French count is the better figure and is taken.
//
// Classic game: the first twelve ranks; rows dated after 6 May 2011 belong
// to today's game and rows whose stars do not fit 1 to 9 to a later form of
// the game: both are skipped and counted apart.
// Today's game: rows of 10 May 2011 on take rank 13 (2+0) as well, and stars
// beyond the highest of the row's date (9, 11 or 12) make the row an error.
// In every game a row dated before 13 February 2004 is an error, and so is a
// row that repeats the day of a row taken before it (the first one is kept;
// a row skipped or in error takes no day).
//
// Raises EHistorialError, naming the source and line, for a missing
// column, a malformed date, number or amount, numbers that do not make a
// bet (five distinct of 1 to 50, two distinct stars), or one of the row
// errors above.
// A line longer than kMaxLineBytes (real ones hold under 3 KB) is refused
// as soon as that many bytes are read: "<source>, line <n>: longer than ...".
TDrawHistory ReadHistoryCsv(std::istream &input, const std::string &source,
                            TGameEdition edition = TGameEdition::Classic);
// Raises EFOpenError "Cannot open file %s" when the file cannot be read.
TDrawHistory ReadHistoryCsv(const std::string &path, TGameEdition edition = TGameEdition::Classic);

// A line of a history left out: its number (1 is the first line) and why.
struct TLineaErronea {
    long long Linea = 0;
    std::string Motivo;

    bool operator==(const TLineaErronea &) const = default;
};

// The same rules, but a row in error is left out and listed in errores
// instead of ending the read (a repeated day names the line it repeats). A
// file without the column names still raises. Every reader of histories
// (the prizes window's import, the command line's import-draws) goes
// through this one.
TDrawHistory ReadHistoryCsv(std::istream &input, const std::string &source,
                            std::vector<TLineaErronea> &errores,
                            TGameEdition edition = TGameEdition::Classic);

// The game's own number of the draw of that day: 1 for 13 February 2004,
// counting the Friday draws and, from 10 May 2011, the Tuesday and Friday
// draws. 0 before the first draw; a day without a draw gets the number of the
// last draw before it.
int32_t NumeroSorteoOficial(double fecha);
