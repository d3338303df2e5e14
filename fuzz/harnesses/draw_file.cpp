// Draw files (.ems): one draw block behind "EMS0" (classic) or "EMS2"
// (today's game); every input is read by both editions' readers.
#include "fuzz_harness.h"

#include "draws/draw.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

std::vector<std::string> FuzzSeeds()
{
    std::vector<std::string> seeds;
    for (int variant = 0; variant < 3; ++variant) {
        const TGameEdition edition = variant == 2 ? TGameEdition::Current : TGameEdition::Classic;
        TSorteoEuroMillon draw(edition);
        draw.NumeroSorteo = variant == 0 ? 12 : 100000;
        draw.FechaSorteo = variant == 0 ? 38065 : variant == 1 ? 45000.5 : 46161;
        draw.Recaudacion = 12345000;
        draw.ImportePremios = variant == 0 ? 6172500 : -1;
        for (int c = 1; c <= draw.Categorias(); ++c) {
            draw.Acertantes[c] = variant * c * 1000;
            draw.PremioCategoria[c] = variant * 7000000000LL;
        }
        for (int n : {3, 14, 22, 35, 48})
            draw.ApuestaGanadora().Block(1).Add(n);
        for (int s : {2, variant == 2 ? 12 : 9})
            draw.ApuestaGanadora().Block(2).Add(s);
        TMemoryStream stream;
        stream.WriteBuffer(DrawFileSignature(edition), sizeof(TFileSignature));
        {
            TWriter writer(stream);
            draw.WriteToStream(stream, writer);
        }
        seeds.push_back(stream.Bytes());
    }
    return seeds;
}

namespace {

void FuzzEdition(std::string_view data, TGameEdition edition)
{
    TSorteoEuroMillon draw(edition);
    TMemoryStream stream(data);
    try {
        draw.LoadFromStream(stream);
    } catch (const EDrawEditionError &) {
        return; // the other edition's file
    } catch (const Exception &) {
        if (edition == TGameEdition::Current)
            return; // the classic reader's turn raised its errors already
        throw;
    }
    FuzzCheck(draw.ApuestaGanadora().Block(1).Values().size() <= 5, "more than five winning numbers");
    FuzzCheck(draw.ApuestaGanadora().Block(2).Values().size() <= 2, "more than two winning stars");
    for (int star : draw.ApuestaGanadora().Block(2).Values())
        FuzzCheck(star >= 1 && star <= GameRules(edition).HighestStar, "a star the edition does not have");
    if (draw.Categorias() < kMaxCategorias)
        FuzzCheck(draw.Acertantes[13] == 0, "2+0 in a draw without it");
}

} // namespace

void FuzzOne(std::string_view data)
{
    // Today's reader first: the classic one's documented errors end the input.
    FuzzEdition(data, TGameEdition::Current);
    FuzzEdition(data, TGameEdition::Classic);
}
