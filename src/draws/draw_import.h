#pragma once

#include "draws/draw_history_csv.h"
#include "draws/draw_history_import.h"

#include <istream>
#include <string>
#include <vector>

class TSorteosEuroMillon;

// A file, or a line of it, that an import left out.
struct TImportError {
    std::string Archivo;
    long long Linea = 0; // 0 when the whole file was left out
    std::string Motivo;
};

struct TImportReport {
    TImportResult Resultado; // added, replaced and skipped draws
    int Leidos = 0;          // draws read from the files
    std::vector<TImportError> Errores;
};

// True when the file starts with a draw file's signature ("EMS0" or "EMS2",
// of either edition); anything else is taken for a published draw history.
bool EsArchivoSorteo(const std::string &path);

// Merges draw files and published draw histories (CSV) into the archive,
// each draw overwriting the archive's draw of the same day; both are read as
// the archive's edition says (a draw file of the other edition is refused).
// A draw file that cannot be read or whose day no archive takes (before 13
// February 2004), and a history line that cannot be read or repeats a day
// of its file, are left out and reported; the rest is merged. In the classic
// game, draws after 6 May 2011 are today's game's: they are counted in
// DelJuegoActual and left out. The prizes window and import-draws both
// import through here, so they report the same.
TImportReport ImportDrawFiles(const std::vector<std::string> &paths, TSorteosEuroMillon &sorteos);

// Merges one published history read from input, named source in the report,
// by the rules of ImportDrawFiles. Raises the reader's error, merging
// nothing, for a text it cannot take at all (no column names).
void ImportHistory(std::istream &input, const std::string &source, TSorteosEuroMillon &sorteos,
                   TImportReport &informe);

// The same on the archive file of the edition: loads it (a missing file is
// an empty archive), merges, and saves it through the safe save when a draw
// was read. Raises the archive's load and save errors; the archive file is
// then left as it was.
TImportReport ImportDrawFiles(const std::vector<std::string> &paths, const std::string &archivePath,
                              TGameEdition edition = TGameEdition::Classic);
