// The parameter stream: whatever loads saves and loads back whole.
#include "fuzz_harness.h"

#include "framework/parametres.h"
#include "model/memory_stream.h"

namespace {

std::string Saved(TParametres &params)
{
    return StreamBytes([&](TStream &stream) { params.SaveToStream(&stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    TParametres params;
    std::vector<std::string> seeds{Saved(params)};
    params.SetValor("PRM_COUNTRY_TICKET", "FR");
    params.SetValor("PRM_PREMIOS_HastaChecked", false);
    params.SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(45000.5));
    params.SetValor("PRM_PRINTBOL_IANGULO", 2);
    params.SetValor("PRM_CURRENCY", Variant::Currency(25000));
    params.SetValor("PRM_DOUBLE", 0.1);
    params.SetValor("PRM_EMPTY", Variant());
    params.SetValor("PRM_LANGUAGE_DLL_FILENAME", std::string(300, 'p'));
    for (int i = 0; i < params.Count(); ++i)
        params.SetSave(params.Entry(i).Name, true);
    seeds.push_back(Saved(params));
    return seeds;
}

void FuzzOne(std::string_view data)
{
    TParametres params;
    TMemoryStream stream(data);
    try {
        params.LoadFromStream(&stream);
    } catch (const Exception &) {
        // The entries read before the fault stay, marked for saving.
    }
    std::string bytes = Saved(params);
    TParametres back;
    TMemoryStream again(bytes);
    back.LoadFromStream(&again);
    FuzzCheck(back.Count(true) == params.Count(true), "saved and loaded again, saved entries were lost");
    FuzzCheck(Saved(back) == bytes, "saved and loaded again, the stream changed");
}
