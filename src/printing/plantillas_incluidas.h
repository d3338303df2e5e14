#pragma once

#include <functional>
#include <string>
#include <vector>

class TfrReport;

// The templates a new user finds beside the program: the automatic tickets
// of Spain and France turned 90 degrees in "Boletos", and two listings of a
// combination in "Listados" (one line a bet; bets grouped by ticket). All
// read the print window's variables and its dataset "frPrintBoletosDataSet".
struct TPlantillaIncluida {
    std::string Carpeta; // "Boletos" or "Listados"
    std::string Archivo; // file name with its ".frf"
    std::function<void(TfrReport &report)> Construir;
};

const std::vector<TPlantillaIncluida> &PlantillasIncluidas();

// Writes every template into programFolder/Carpeta/Archivo, creating the
// folder when missing, and never replaces a file that exists (it may be the
// user's own). Returns the paths written. Raises the report's save errors.
std::vector<std::string> InstalarPlantillasIncluidas(const std::string &programFolder);
