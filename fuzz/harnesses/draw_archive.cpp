// The draw archive (.emx): whatever loads is sorted newest first, one draw a
// day, whole days, and saves and loads back the same.
#include "fuzz_harness.h"

#include "draws/draw_archive.h"
#include "model/memory_stream.h"

#include <cmath>

namespace {

std::string Saved(TSorteosEuroMillon &archive)
{
    return StreamBytes([&](TStream &stream) { archive.SaveToStream(stream); });
}

TSorteoEuroMillonInfo Draw(double day, int32_t number, int first)
{
    TSorteoEuroMillonInfo info;
    info.NumeroSorteo = number;
    info.FechaSorteo = day;
    info.Recaudacion = 12345000;
    info.ImportePremios = 6172500;
    for (int c = 1; c <= kNumCategorias; ++c) {
        info.Acertantes[c] = c * 3;
        info.PremioCategoria[c] = 100000 * (13 - c);
    }
    info.ApuestaGanadora.Numeros = {first, first + 11, first + 19, first + 32, first + 45};
    info.ApuestaGanadora.Estrellas = {2, 9};
    return info;
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    TSorteosEuroMillon archive;
    std::vector<std::string> seeds{Saved(archive)};
    archive.AddSorteo(Draw(38065, 12, 3));
    seeds.push_back(Saved(archive));
    archive.AddSorteo(Draw(38072, 13, 1));
    archive.AddSorteo(Draw(45000.75, 1700, 5));
    seeds.push_back(Saved(archive));
    return seeds;
}

void FuzzOne(std::string_view data)
{
    TSorteosEuroMillon archive;
    TMemoryStream stream(data);
    try {
        archive.LoadFromStream(stream);
    } catch (const Exception &) {
        // The draws read before the fault stay.
    }
    FuzzCheck(!archive.Busy(), "the archive stayed busy");
    for (int i = 0; i < archive.Count(); ++i) {
        double day = archive.Sorteo(i).FechaSorteo;
        FuzzCheck(day == std::trunc(day), "a draw kept its time of day");
        FuzzCheck(i == 0 || day < archive.Sorteo(i - 1).FechaSorteo, "the draws are not newest first, one a day");
    }

    std::string bytes = Saved(archive);
    TSorteosEuroMillon back;
    TMemoryStream again(bytes);
    back.LoadFromStream(again);
    FuzzCheck(back.Count() == archive.Count(), "saved and loaded again, the draw count changed");
    for (int i = 0; i < archive.Count(); ++i)
        FuzzCheck(back.Sorteo(i) == archive.Sorteo(i), "saved and loaded again, a draw changed");
}
