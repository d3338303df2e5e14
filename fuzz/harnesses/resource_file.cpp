// The application resource file (.zrk) and the parameter stream inside it,
// loaded as at start-up (a faulty parameter stream answered with Yes).
#include "fuzz_harness.h"

#include "framework/parametres.h"
#include "framework/recursos.h"
#include "framework/user_prompt.h"
#include "model/memory_stream.h"

namespace {

std::string Written(const TRecursosQOR &store)
{
    return StreamBytes([&](TStream &stream) { store.WriteResourceFile(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    std::vector<std::string> seeds;
    TParametres params;
    params.SetValor("PRM_COUNTRY_TICKET", "ES");
    params.SetValor("PRM_SHOWLIKE_Boleto", true);
    params.SetValor("PRM_PREMIOS_Desde", Variant::DateTime(38030));
    params.SetValor("PRM_PRINTBOL_MM_DESFX", -300);
    params.SetSaveList(
        {"PRM_COUNTRY_TICKET", "PRM_SHOWLIKE_Boleto", "PRM_PREMIOS_Desde", "PRM_PRINTBOL_MM_DESFX"}, true);
    TRecursosQOR store(params);
    TMemoryStream parameters;
    params.SaveToStream(&parameters);
    store.AddRecurso({kParamResourceId, 0, kParamResourceName, kParamResourceType}, parameters);
    seeds.push_back(Written(store));
    TMemoryStream big(std::string(300, '\xE9'));
    store.AddRecurso({90500, 7, "Extra", 3}, big);
    seeds.push_back(Written(store));
    return seeds;
}

void FuzzOne(std::string_view data)
{
    UserPrompts().AskYesNo = [](const std::string &, const std::string &) { return true; };
    TParametres params;
    TRecursosQOR store(params);
    TMemoryStream stream(data);
    try {
        store.ReadResourceFile(stream);
    } catch (const Exception &) {
        // The resources read before the fault stay.
    }
    store.LoadFromFile(""); // no such file: only the parameters are reloaded

    // Written and read again, the application resources come back whole.
    std::string bytes = Written(store);
    TParametres otherParams;
    TRecursosQOR back(otherParams);
    TMemoryStream again(bytes);
    back.ReadResourceFile(again);
    FuzzCheck(Written(back) == bytes, "written and read again, the resources changed");
}
