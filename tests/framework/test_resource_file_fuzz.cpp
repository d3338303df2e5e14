// Damaged application resource files: every one is loaded or refused with a
// message, and the stores stay usable.
#include "framework/parametres.h"
#include "framework/qor_app.h"
#include "framework/recursos.h"
#include "model/memory_stream.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string ValidFile()
{
    TParametres params;
    params.SetValor("PRM_COUNTRY_TICKET", "FR");
    params.SetValor("PRM_PREMIOS_Desde", Variant::DateTime(45000));
    params.SetValor("PRM_PRINTBOL_MM_DESFX", -300);
    params.SetValor("PRM_PRINTBOL_AUTOPRINT", true);
    params.SetValor("PRM_CURR", Variant::Currency(5));
    params.SetValor("PRM_EXT", 2.5);
    params.SetValor("PRM_NULL", Variant());
    for (int i = 0; i < params.Count(); ++i)
        params.SetSave(params.Entry(i).Name, true);
    TRecursosQOR store(params);
    TMemoryStream extra("\x01\x02\xFF");
    store.AddRecurso({90001, 3, "Extra", 2}, extra);
    TMemoryStream parameters;
    params.SaveToStream(&parameters);
    store.AddRecurso({kParamResourceId, 0, kParamResourceName, kParamResourceType}, parameters);
    TMemoryStream file;
    store.WriteResourceFile(file);
    return file.Bytes();
}

// Loads bytes into fresh stores; returns the error message, "" when loaded,
// and checks that the stores are still whole.
std::string LoadChecked(const std::string &bytes)
{
    TParametres params;
    TRecursosQOR store(params);
    std::string message;
    try {
        TMemoryStream stream(bytes);
        store.ReadResourceFile(stream);
        store.LoadFromFile("/nonexistent/qor.zrk"); // the parameter resource, if any
    } catch (const Exception &error) {
        message = error.Message();
        EXPECT_FALSE(message.empty());
    }
    std::set<int> ids;
    for (auto r = store.FirstRecurso(); r.IDRecursos != -1; r = store.NextRecurso()) {
        EXPECT_GE(r.IDRecursos, 0);
        EXPECT_TRUE(ids.insert(r.IDRecursos).second);
    }
    for (int i = 0; i < params.Count(); ++i)
        EXPECT_NO_THROW(TParametres::CheckNomParametre(params.Entry(i).Name));
    // What is left can be written and read back.
    TMemoryStream again;
    store.WriteResourceFile(again);
    again.SetPosition(0);
    TParametres otherParams;
    TRecursosQOR other(otherParams);
    EXPECT_NO_THROW(other.ReadResourceFile(again));
    return message;
}

} // namespace

class ResourceFileFuzz : public FrameworkFolderTest {};

TEST_F(ResourceFileFuzz, EveryTruncationIsRefused)
{
    std::string valid = ValidFile();
    ASSERT_EQ(LoadChecked(valid), "");
    EXPECT_TRUE(questions_.empty());
    for (size_t cut = 0; cut < valid.size(); ++cut)
        EXPECT_NE(LoadChecked(valid.substr(0, cut)), "") << cut;
}

TEST_F(ResourceFileFuzz, SingleByteCorruptionsLoadOrFail)
{
    std::string valid = ValidFile();
    for (size_t at = 0; at < valid.size(); ++at) {
        auto original = static_cast<unsigned char>(valid[at]);
        for (int value : {0x00, 0x01, 0x06, 0x07, 0x0C, 0x13, 0xFF, original ^ 0x80}) {
            std::string damaged = valid;
            damaged[at] = static_cast<char>(value);
            answers_ = {at % 2 == 0};
            LoadChecked(damaged);
        }
    }
}

TEST_F(ResourceFileFuzz, HostileLengthsFailWithoutHugeAllocations)
{
    std::string valid = ValidFile();
    size_t stream = valid.find("\x07\x06Stream");
    ASSERT_NE(stream, std::string::npos);
    std::string huge = valid.substr(0, stream + 8) + "\x0C" + std::string("\xFF\xFF\xFF\x7F", 4) + "abc";
    EXPECT_EQ(LoadChecked(huge), "Stream read error");
    std::string negative = valid.substr(0, stream + 8) + "\x0C" + std::string("\x00\x00\x00\x80", 4);
    EXPECT_EQ(LoadChecked(negative), "Invalid property value");
    // An endless list of resources: each a copy of the first, ending nowhere.
    std::string endless = valid.substr(0, 15);
    while (endless.size() < 200000)
        endless += "\x01" + valid.substr(16, stream + 8 - 16) + "\x06\x01x" + std::string(1, '\0');
    EXPECT_EQ(LoadChecked(endless), "Stream read error");
}

TEST_F(ResourceFileFuzz, DamagedMainFileWithGoodBackupAlwaysEndsWithSettings)
{
    std::string valid = ValidFile();
    std::string main = PathOf("qor-euromillon.zrk");
    WriteFileBytes(PathOf("qor-euromillon_Seg.zrk"), valid);
    for (size_t cut = 0; cut < valid.size(); cut += 3) {
        WriteFileBytes(main, valid.substr(0, cut));
        TParametres params;
        TQORApp app(params);
        app.LoadAppResources();
        EXPECT_EQ(params.ReadString("PRM_COUNTRY_TICKET", ""), "FR") << cut;
        EXPECT_EQ(params.ReadInteger("PRM_PRINTBOL_MM_DESFX", 0), -300) << cut;
    }
    EXPECT_TRUE(errors_.empty());
}
