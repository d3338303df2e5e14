#include "draws/draw_history_import.h"

#include "draws/draw_archive.h"

TSorteoEuroMillonInfo SorteoDeHistorial(const THistoryDraw &row)
{
    TSorteoEuroMillonInfo info;
    info.NumeroSorteo = NumeroSorteoOficial(row.Fecha);
    info.FechaSorteo = row.Fecha;
    info.Acertantes = row.Acertantes;
    info.PremioCategoria = row.Premios;
    for (int c = 1; c <= kMaxCategorias; ++c) // a 13th category of 12-category draws is 0
        info.ImportePremios =
            AddCurrency(info.ImportePremios, MultiplyCurrency(row.Premios[c], row.Acertantes[c]));
    info.ApuestaGanadora.Numeros.assign(row.Numeros.begin(), row.Numeros.end());
    info.ApuestaGanadora.Estrellas.assign(row.Estrellas.begin(), row.Estrellas.end());
    return info;
}

TImportResult ImportHistory(const TDrawHistory &history, TSorteosEuroMillon &sorteos)
{
    TImportResult result;
    result.Descartados = history.Descartados;
    result.DelJuegoActual = history.DelJuegoActual;
    std::vector<TSorteoEuroMillonInfo> draws;
    draws.reserve(history.Sorteos.size());
    for (const THistoryDraw &row : history.Sorteos)
        draws.push_back(SorteoDeHistorial(row));
    result.Reemplazados = sorteos.AddSorteos(draws);
    result.Anadidos = static_cast<int>(draws.size()) - result.Reemplazados;
    return result;
}

TImportResult ImportHistoryCsv(const std::string &csvPath, const std::string &archivePath,
                               TGameEdition edition)
{
    return ImportHistoriesCsv({csvPath}, archivePath, edition);
}

TImportResult ImportHistoriesCsv(const std::vector<std::string> &csvPaths, const std::string &archivePath,
                                 TGameEdition edition)
{
    TDrawHistory all;
    for (const std::string &path : csvPaths) {
        TDrawHistory history = ReadHistoryCsv(path, edition);
        all.Sorteos.insert(all.Sorteos.end(), history.Sorteos.begin(), history.Sorteos.end());
        all.Descartados += history.Descartados;
        all.DelJuegoActual += history.DelJuegoActual;
    }
    TSorteosEuroMillon sorteos(edition);
    sorteos.LoadFromFile(archivePath);
    TImportResult result = ImportHistory(all, sorteos);
    sorteos.SaveToFile(archivePath);
    return result;
}
