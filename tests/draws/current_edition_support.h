#pragma once

#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/draw_import.h"
#include "draws_test_support.h"

#include <filesystem>
#include <stdexcept>

#include <string>
#include <vector>

// Helpers of the tests of today's game.

inline double DayOf(int year, int month, int day)
{
    double fecha = 0;
    EncodeFecha(year, month, day, fecha);
    return fecha;
}

// The six published histories shipped in the source tree.
inline std::vector<std::string> ShippedHistories()
{
    // The test data folder need not exist: its path is only a landmark.
    return HistoryFiles(QOR_HISTORY_DIR);
}

// Today's game's default archive as the build makes it: every draw of the six
// histories. Raises when a line of them could not be read.
inline void LoadDefaultCurrentArchive(TSorteosEuroMillon &sorteos)
{
    const TImportReport informe = ImportDrawFiles(ShippedHistories(), sorteos);
    if (!informe.Errores.empty())
        throw std::runtime_error(informe.Errores.front().Archivo + ": " + informe.Errores.front().Motivo);
}
