#include "draws/draw_history_import.h"

#include "draws/draw_archive.h"

TSorteoEuroMillonInfo SorteoDeHistorial(const TSorteoHistorial &row)
{
    TSorteoEuroMillonInfo info;
    info.NumeroSorteo = NumeroSorteoOficial(row.Fecha);
    info.FechaSorteo = row.Fecha;
    info.Acertantes = row.Acertantes;
    info.PremioCategoria = row.Premios;
    for (int c = 1; c <= kNumCategorias; ++c)
        info.ImportePremios = AddCurrency(info.ImportePremios, MultiplyCurrency(row.Premios[c], row.Acertantes[c]));
    info.ApuestaGanadora.Numeros.assign(row.Numeros.begin(), row.Numeros.end());
    info.ApuestaGanadora.Estrellas.assign(row.Estrellas.begin(), row.Estrellas.end());
    return info;
}

TResultadoImportacion ImportarHistorial(const THistorialSorteos &history, TSorteosEuroMillon &sorteos)
{
    TResultadoImportacion result;
    result.Descartados = history.Descartados;
    std::vector<TSorteoEuroMillonInfo> draws;
    draws.reserve(history.Sorteos.size());
    for (const TSorteoHistorial &row : history.Sorteos)
        draws.push_back(SorteoDeHistorial(row));
    result.Reemplazados = sorteos.AddSorteos(draws);
    result.Anadidos = static_cast<int>(draws.size()) - result.Reemplazados;
    return result;
}

TResultadoImportacion ImportarHistorialCsv(const std::string &csvPath, const std::string &archivePath)
{
    THistorialSorteos history = LeerHistorialCsv(csvPath);
    TSorteosEuroMillon sorteos;
    sorteos.LoadFromFile(archivePath);
    TResultadoImportacion result = ImportarHistorial(history, sorteos);
    sorteos.SaveToFile(archivePath);
    return result;
}
