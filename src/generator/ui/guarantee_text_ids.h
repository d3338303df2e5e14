#pragma once

#include <cstdint>

// The texts of the guarantee panel.

// The progress of an analysis.
inline constexpr uint16_t kTxtAnalysingGuarantee = 45615; // "Calculando la garantía..."
inline constexpr uint16_t kTxtPreparingBets = 45851;      // "Preparando las apuestas..."

// The summary over the pages.
inline constexpr uint16_t kTxtGuaranteedPrize = 45607;    // "Premio garantizado: %s"
inline constexpr uint16_t kTxtNoDrawsInSelection = 45608; // "Sin sorteos en la selección"
inline constexpr uint16_t kTxtSelectionSummary = 45609;   // "%s sorteos de %d números y %d estrellas, ..."

// The page of the selection's draws.
inline constexpr uint16_t kTxtSelectionPage = 45339;     // "Sorteos de la selección"
inline constexpr uint16_t kTxtAllSelectionDraws = 45610; // "Todos los sorteos de la selección"
inline constexpr uint16_t kTxtByHitsOfSelection = 45611; // "Por números acertados de la selección"
inline constexpr uint16_t kTxtWorstFirstDraws = 45614;   // "Primeros sorteos con el peor resultado"
inline constexpr uint16_t kTxtDrawsColumn = 45604;       // "Sorteos"
inline constexpr uint16_t kTxtPercentColumn = 45605;     // "%"
inline constexpr uint16_t kTxtHitsColumn = 45612;        // "Aciertan %d"
inline constexpr uint16_t kTxtNoPrizeRow = 45606;        // "Sin premio"
inline constexpr uint16_t kTxtGuaranteedRow = 45613;     // "Garantizado"

// The page of the whole game.
inline constexpr uint16_t kTxtWholeGamePage = 45330;      // "En todo el juego"
inline constexpr uint16_t kTxtOddsColumn = 45331;         // "Probabilidad"
inline constexpr uint16_t kTxtOneIn = 45332;              // "1 entre %s"
inline constexpr uint16_t kTxtWholeGameDraws = 45333;     // "%s sorteos en todo el juego"
inline constexpr uint16_t kTxtAnyPrize = 45334;           // "Algún premio en un sorteo: %s (1 entre %s)"
inline constexpr uint16_t kTxtWinningBetsPerDraw = 45335; // "Apuestas premiadas por sorteo, de media: %s"
inline constexpr uint16_t kTxtExpectedPrizes = 45336;     // "Premios por sorteo, de media, ...: %s; ...: %s"
inline constexpr uint16_t kTxtExpectedPrizesNoArchive = 45337; // "Premios por sorteo: el archivo ..."
inline constexpr uint16_t kTxtReturnUnchanged = 45338; // "Ninguna combinación cambia lo que se espera ..."
