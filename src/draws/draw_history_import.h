#pragma once

#include "draws/draw_history_csv.h"
#include "draws/draw_info.h"

#include <string>
#include <vector>

class TSorteosEuroMillon;

struct TImportResult {
    int Anadidos = 0;       // days the archive did not hold
    int Reemplazados = 0;   // days it held, now overwritten
    int Descartados = 0;    // classic game: draws of the history whose stars do not fit 1 to 9
    int DelJuegoActual = 0; // classic game: draws after 6 May 2011, refused as today's game's
};

// The draw record of a published draw: the game's own draw number, the
// Europe-wide winners, the prize of one winner, ImportePremios the sum of
// winners times prize over the draw's categories, Recaudacion 0 (histories
// hold no sales). Raises EIntOverflow when that sum does not fit.
TSorteoEuroMillonInfo SorteoDeHistorial(const THistoryDraw &row);

// Adds every draw of the history to the archive, overwriting the draws of
// the same days.
TImportResult ImportHistory(const TDrawHistory &history, TSorteosEuroMillon &sorteos);

// Reads the history file with ReadHistoryCsv's rules (a row the lenient
// import would list raises here), merges it into the archive file of the
// edition (created when missing) and saves that. The archive file is left
// untouched when anything fails. The prizes window and import-draws, which
// report bad rows and go on, use ImportDrawFiles (draw_import.h).
TImportResult ImportHistoryCsv(const std::string &csvPath, const std::string &archivePath,
                               TGameEdition edition = TGameEdition::Classic);
// The same for several history files, read in their order (a later file's
// draw of a day overwrites an earlier one's); every file is read before the
// archive is touched.
TImportResult ImportHistoriesCsv(const std::vector<std::string> &csvPaths, const std::string &archivePath,
                                 TGameEdition edition = TGameEdition::Classic);
