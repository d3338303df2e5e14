#include "draws/draw_import.h"

#include "draws/draw.h"
#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_rules.h"

#include <algorithm>
#include <fstream>

namespace {

void Merge(const TSorteoEuroMillonInfo &info, TSorteosEuroMillon &sorteos, TImportReport &informe)
{
    if (sorteos.IndexOfFecha(info.FechaSorteo) >= 0)
        ++informe.Resultado.Reemplazados;
    else
        ++informe.Resultado.Anadidos;
    sorteos.AddSorteo(info);
    ++informe.Leidos;
}

void ImportDrawFile(const std::string &path, TSorteosEuroMillon &sorteos, TImportReport &informe)
{
    TSorteoEuroMillon sorteo(sorteos.Edition());
    sorteo.LoadFromFile(path);
    TSorteoEuroMillonInfo info;
    sorteo.GetInfo(info);
    if (FechaValida(info.FechaSorteo) &&
        FechaDelJuego(sorteos.Edition(), info.FechaSorteo) == TFechaJuego::DelJuegoActual) {
        ++informe.Resultado.DelJuegoActual;
        return;
    }
    Merge(info, sorteos, informe); // a draw before the game's first raises, and the file is listed
}

void ImportHistory(const std::string &path, TSorteosEuroMillon &sorteos, TImportReport &informe)
{
    std::ifstream input(path, std::ios::binary);
    if (!input)
        throw EFOpenError("Cannot open file " + path);
    ImportHistory(input, path, sorteos, informe);
}

} // namespace

void ImportHistory(std::istream &input, const std::string &source, TSorteosEuroMillon &sorteos,
                   TImportReport &informe)
{
    std::vector<TLineaErronea> lineas;
    const TDrawHistory history = ReadHistoryCsv(input, source, lineas, sorteos.Edition());
    for (const TLineaErronea &linea : lineas)
        informe.Errores.push_back({source, linea.Linea, linea.Motivo});
    informe.Resultado.Descartados += history.Descartados;
    informe.Resultado.DelJuegoActual += history.DelJuegoActual;
    for (const THistoryDraw &row : history.Sorteos) {
        try {
            Merge(SorteoDeHistorial(row), sorteos, informe);
        } catch (const Exception &error) { // a prize fund that does not fit
            informe.Errores.push_back({source, 0, error.Message()});
        }
    }
}

bool EsArchivoSorteo(const std::string &path)
{
    std::ifstream input(path, std::ios::binary);
    char signature[4] = {};
    if (!input.read(signature, sizeof signature))
        return false;
    for (const TFileSignature *own : {&kDrawFileSignature, &kDrawFileSignatureActual})
        if (std::equal(std::begin(signature), std::end(signature), std::begin(*own)))
            return true;
    return false;
}

TImportReport ImportDrawFiles(const std::vector<std::string> &paths, TSorteosEuroMillon &sorteos)
{
    TImportReport informe;
    for (const std::string &path : paths) {
        try {
            if (EsArchivoSorteo(path))
                ImportDrawFile(path, sorteos, informe);
            else
                ImportHistory(path, sorteos, informe);
        } catch (const Exception &error) {
            informe.Errores.push_back({path, 0, error.Message()});
        }
    }
    return informe;
}

TImportReport ImportDrawFiles(const std::vector<std::string> &paths, const std::string &archivePath,
                              TGameEdition edition)
{
    TSorteosEuroMillon sorteos(edition);
    sorteos.LoadFromFile(archivePath);
    TImportReport informe = ImportDrawFiles(paths, sorteos);
    if (informe.Leidos > 0)
        sorteos.SaveToFile(archivePath);
    return informe;
}
