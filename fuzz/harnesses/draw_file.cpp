// Draw files (.ems): one draw block behind "EMS0".
#include "fuzz_harness.h"

#include "draws/draw.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

std::vector<std::string> FuzzSeeds()
{
    std::vector<std::string> seeds;
    for (int variant = 0; variant < 2; ++variant) {
        TSorteoEuroMillon draw;
        draw.NumeroSorteo = variant == 0 ? 12 : 100000;
        draw.FechaSorteo = variant == 0 ? 38065 : 45000.5;
        draw.Recaudacion = 12345000;
        draw.ImportePremios = variant == 0 ? 6172500 : -1;
        for (int c = 1; c <= kNumCategorias; ++c) {
            draw.Acertantes[c] = variant * c * 1000;
            draw.PremioCategoria[c] = variant * 7000000000LL;
        }
        for (int n : {3, 14, 22, 35, 48})
            draw.ApuestaGanadora().Block(1).Add(n);
        for (int s : {2, 9})
            draw.ApuestaGanadora().Block(2).Add(s);
        TMemoryStream stream;
        stream.WriteBuffer(kDrawFileSignature, sizeof kDrawFileSignature);
        {
            TWriter writer(stream);
            draw.WriteToStream(stream, writer);
        }
        seeds.push_back(stream.Bytes());
    }
    return seeds;
}

void FuzzOne(std::string_view data)
{
    TSorteoEuroMillon draw;
    TMemoryStream stream(data);
    draw.LoadFromStream(stream);
    FuzzCheck(draw.ApuestaGanadora().Block(1).Values().size() <= 5, "more than five winning numbers");
    FuzzCheck(draw.ApuestaGanadora().Block(2).Values().size() <= 2, "more than two winning stars");
}
