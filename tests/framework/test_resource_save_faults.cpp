// An application resource file save cut short at any point keeps the
// previous file.
#include "framework/parametres.h"
#include "framework/recursos.h"
#include "model/memory_stream.h"

#include "support/save_fault_injection.h"

#include <gtest/gtest.h>

namespace {

void Fill(TParametres &params, TRecursosQOR &store)
{
    params.SetValor("PRM_COUNTRY_TICKET", "FR");
    params.SetValor("PRM_LANGUAGE_DLL_FILENAME", "/opt/qor/QOREuroMillonv3_french.lng");
    params.SetValor("PRM_PREMIOS_Desde", Variant::DateTime(38030));
    params.SetSaveList({"PRM_COUNTRY_TICKET", "PRM_LANGUAGE_DLL_FILENAME", "PRM_PREMIOS_Desde"}, true);
    TMemoryStream extra(std::string(700, '\x81'));
    store.AddRecurso({90500, 0, "Extra", 3}, extra);
}

} // namespace

TEST(ResourceSaveFaults, CutSavesKeepThePreviousFile)
{
    TParametres params;
    TRecursosQOR store(params);
    Fill(params, store);
    ExpectFailedSavesKeepThePreviousFile("QOREuroMillon.zrk",
                                         [&](const std::string &path) { store.SaveToFile(path); });
}

TEST(ResourceSaveFaults, EveryRefusedByteIsAWriteError)
{
    TParametres params;
    TRecursosQOR store(params);
    Fill(params, store);
    TMemoryStream parameters;
    params.SaveToStream(&parameters);
    store.AddRecurso({kParamResourceId, 0, kParamResourceName, kParamResourceType}, parameters);
    ExpectWriteErrorsAtEveryByte("resource file", [&](TStream &stream) { store.WriteResourceFile(stream); });
}
