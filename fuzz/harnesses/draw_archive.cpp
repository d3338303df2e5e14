// The draw archive (.emx) of both games ("EMS1" classic, "EMS3" today's):
// whatever loads is sorted newest first, one draw a day, whole days, holds
// no star or category its edition and date do not have, and saves and loads
// back the same. Every input is read by both editions' readers.
#include "fuzz_harness.h"

#include "draws/draw_archive.h"
#include "draws/draw_rules.h"
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
    for (int c = 1; c <= CategoriasSorteo(TGameEdition::Current, day); ++c) {
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
    archive.AddSorteo(Draw(40669.75, 378, 5)); // the classic game's last day, with a time
    seeds.push_back(Saved(archive));

    // Today's game: a draw of each star range, the newest with star 12 and 2+0.
    TSorteosEuroMillon current(TGameEdition::Current);
    current.AddSorteo(Draw(38065, 12, 3));
    TSorteoEuroMillonInfo may2011 = Draw(40673, 379, 1);
    may2011.ApuestaGanadora.Estrellas = {10, 11};
    current.AddSorteo(may2011);
    TSorteoEuroMillonInfo today = Draw(46161, 1947, 2);
    today.ApuestaGanadora.Estrellas = {2, 12};
    current.AddSorteo(today);
    seeds.push_back(Saved(current));
    return seeds;
}

namespace {

void FuzzEdition(std::string_view data, TGameEdition edition)
{
    TSorteosEuroMillon archive(edition);
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
        FuzzCheck(i == 0 || day < archive.Sorteo(i - 1).FechaSorteo,
                  "the draws are not newest first, one a day");
        const TSorteoEuroMillonInfo &draw = archive.Sorteo(i);
        for (int32_t star : draw.ApuestaGanadora.Estrellas)
            FuzzCheck(star >= 1 && star <= GameRules(edition).HighestStar,
                      "a star the edition does not have");
        if (CategoriasSorteo(edition, day) < kMaxCategorias)
            FuzzCheck(draw.Acertantes[13] == 0 && draw.PremioCategoria[13] == 0, "2+0 in a draw without it");
    }

    std::string bytes = Saved(archive);
    TSorteosEuroMillon back(edition);
    TMemoryStream again(bytes);
    back.LoadFromStream(again);
    FuzzCheck(back.Count() == archive.Count(), "saved and loaded again, the draw count changed");
    for (int i = 0; i < archive.Count(); ++i)
        FuzzCheck(back.Sorteo(i) == archive.Sorteo(i), "saved and loaded again, a draw changed");
}

} // namespace

void FuzzOne(std::string_view data)
{
    FuzzEdition(data, TGameEdition::Classic);
    FuzzEdition(data, TGameEdition::Current);
}
