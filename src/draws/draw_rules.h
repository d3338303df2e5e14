#pragma once

#include "draws/currency.h"
#include "model/exception.h"
#include "model/game_rules.h"

#include <cstdint>

// What the rules of an edition say about one draw, by its date. The classic
// game is the same on every date: Friday draws, stars 1 to 9, 12 categories,
// 2.00 a bet. Today's game changed on the way:
//   - 10 May 2011: stars 1 to 11, the 13th category 2+0, Tuesday and Friday
//     draws;
//   - 24 September 2016: 2.50 a bet (the Spanish and French price; a player
//     who pays otherwise sets PRM_PRECIO_APUESTA);
//   - 27 September 2016: stars 1 to 12.
// Every place that needs one of these asks here.

// The days of the changes (days since 30 December 1899).
inline constexpr double kFechaCambio2011 = 40673;    // Tuesday 10 May 2011
inline constexpr double kFechaPrecio2016 = 42637;    // Saturday 24 September 2016
inline constexpr double kFechaEstrellas2016 = 42640; // Tuesday 27 September 2016
// The first draw of the game, and the last one of the classic game.
inline constexpr double kFechaPrimerSorteo = 38030;  // Friday 13 February 2004
inline constexpr double kFechaUltimoClasico = 40669; // Friday 6 May 2011

// Whether an archive of the edition may hold a draw of that day: every game
// from 13 February 2004 on; the classic game only up to 6 May 2011, its later
// draws belonging to today's game.
enum class TFechaJuego { Admitida, AnteriorAlJuego, DelJuegoActual };
TFechaJuego FechaDelJuego(TGameEdition edition, double fecha);

inline constexpr uint16_t kTextSorteoAnterior = 45100; // "El sorteo del %s es anterior al primer sorteo..."
inline constexpr uint16_t kTextSorteoJuegoActual = 45101; // "El sorteo del %s es del juego actual..."

// A draw whose day the edition's archive does not take: 45100 (before 13
// February 2004) or 45101 (a classic draw after 6 May 2011), naming the day.
class EDrawGameDateError : public Exception {
public:
    using Exception::Exception;
};

// Raises EDrawGameDateError when the edition does not take a draw of that day.
void ComprobarFechaDelJuego(TGameEdition edition, double fecha);

// Prize categories of a draw of that day: 12, or 13 in today's game from
// 10 May 2011. A draw block of an archive of today's game holds exactly
// that many winners and prizes.
int CategoriasSorteo(TGameEdition edition, double fecha);

// The highest star a draw of that day may hold: 9 in the classic game; in
// today's game 9 before 10 May 2011, 11 up to 26 September 2016, 12 since.
int EstrellaMaximaSorteo(TGameEdition edition, double fecha);

// True when the game draws on that day of the week: Fridays, and in today's
// game also Tuesdays from 10 May 2011.
bool EsDiaDeSorteo(TGameEdition edition, double fecha);

// The last draw day on or before the given day (a whole day).
double UltimoDiaDeSorteo(TGameEdition edition, double hoy);

// The price of one bet in a draw of that day: 2.00 in the classic game; in
// today's game 2.00 before 24 September 2016 and from then on the price in
// force (2.50 unless SetPrecioApuestaActual changed it).
Currency PrecioApuestaSorteo(TGameEdition edition, double fecha);

// The price of a bet of today's game from 24 September 2016, for the whole
// program; 0 or less restores 2.50. The desktop and the command line set it
// from PRM_PRECIO_APUESTA.
void SetPrecioApuestaActual(Currency precio);
Currency PrecioApuestaActual();
// The parameter's text as a price; 0 when it is empty or not a positive
// amount.
Currency PrecioDeTexto(const std::string &text);
