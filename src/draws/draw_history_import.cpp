#include "draws/draw_history_import.h"

#include "draws/draw_archive.h"

TSorteoEuroMillonInfo SorteoDeHistorial(const TSorteoHistorial &row)
{
    TSorteoEuroMillonInfo info;
    info.NumeroSorteo = NumeroSorteoOficial(row.Fecha);
    info.FechaSorteo = row.Fecha;
    info.Acertantes = row.Acertantes;
    info.PremioCategoria = row.Premios;
    for (int c = 1; c <= kMaxCategorias; ++c) // a 13th category of 12-category draws is 0
        info.ImportePremios = AddCurrency(info.ImportePremios, MultiplyCurrency(row.Premios[c], row.Acertantes[c]));
    info.ApuestaGanadora.Numeros.assign(row.Numeros.begin(), row.Numeros.end());
    info.ApuestaGanadora.Estrellas.assign(row.Estrellas.begin(), row.Estrellas.end());
    return info;
}

TResultadoImportacion ImportarHistorial(const THistorialSorteos &history, TSorteosEuroMillon &sorteos)
{
    TResultadoImportacion result;
    result.Descartados = history.Descartados;
    result.DelJuegoActual = history.DelJuegoActual;
    std::vector<TSorteoEuroMillonInfo> draws;
    draws.reserve(history.Sorteos.size());
    for (const TSorteoHistorial &row : history.Sorteos)
        draws.push_back(SorteoDeHistorial(row));
    result.Reemplazados = sorteos.AddSorteos(draws);
    result.Anadidos = static_cast<int>(draws.size()) - result.Reemplazados;
    return result;
}

TResultadoImportacion ImportarHistorialCsv(const std::string &csvPath, const std::string &archivePath,
                                           TGameEdition edition)
{
    return ImportarHistorialesCsv({csvPath}, archivePath, edition);
}

TResultadoImportacion ImportarHistorialesCsv(const std::vector<std::string> &csvPaths,
                                             const std::string &archivePath, TGameEdition edition)
{
    THistorialSorteos all;
    for (const std::string &path : csvPaths) {
        THistorialSorteos history = LeerHistorialCsv(path, edition);
        all.Sorteos.insert(all.Sorteos.end(), history.Sorteos.begin(), history.Sorteos.end());
        all.Descartados += history.Descartados;
        all.DelJuegoActual += history.DelJuegoActual;
    }
    TSorteosEuroMillon sorteos(edition);
    sorteos.LoadFromFile(archivePath);
    TResultadoImportacion result = ImportarHistorial(all, sorteos);
    sorteos.SaveToFile(archivePath);
    return result;
}
