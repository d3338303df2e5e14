#pragma once

#include <cstdint>

// The texts of the draw editor.

// The fields and the prize grid.
inline constexpr uint16_t kTxtDrawEditorTitle = 42000; // "Sorteo"
inline constexpr uint16_t kTxtDrawNumber = 42001;      // "Número sorteo"
inline constexpr uint16_t kTxtDrawDate = 42002;        // "Fecha sorteo"
inline constexpr uint16_t kTxtRevenue = 42003;         // "Recaudación"
inline constexpr uint16_t kTxtPrizeFund = 42004;       // "Para premios"
inline constexpr uint16_t kTxtCategoryColumn = 42050;  // "Cat."
inline constexpr uint16_t kTxtWinnersColumn = 42051;   // "Acertantes"
inline constexpr uint16_t kTxtAmountColumn = 42052;    // "Importe"

// The checks on accept.
inline constexpr uint16_t kTxtDrawDayFriday = 42101;          // "La fecha del sorteo debe ser VIERNES"
inline constexpr uint16_t kTxtDrawDayTuesdayOrFriday = 45820; // "... debe ser MARTES o VIERNES (...)"
inline constexpr uint16_t kTxtAcceptDateQuestion = 42102;     // "¿Continuar y aceptar esta fecha?"
inline constexpr uint16_t kTxtInvalidDrawNumber = 42103;      // "Número de sorteo no válido"
inline constexpr uint16_t kTxtInvalidWinningBet = 42104;      // "La apuesta marcada no es válida"
