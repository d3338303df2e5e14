#include "framework/abort_error.h"
#include "framework/parametres.h"
#include "framework/recursos.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Ident(const std::string &name)
{
    return "\x07" + Counted(name);
}

std::string Short(const std::string &text)
{
    return "\x06" + Counted(text);
}

const std::string kEnd(1, '\0');

// One resource of a resource list, labels and all.
std::string ResourceBytes(int id, const std::string &bytes, const std::string &label = "IDRecursos")
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.PutListStart();
        writer.PutIdent(label);
        writer.PutInteger(id);
        writer.PutIdent("IDParent");
        writer.PutInteger(0);
        writer.PutIdent("Name");
        writer.PutString("R" + std::to_string(id));
        writer.PutIdent("RecType");
        writer.PutInteger(1);
        writer.PutIdent("Stream");
        writer.PutString(bytes);
        writer.PutListEnd();
    }
    return stream.Bytes();
}

std::string FileBytes(TRecursosQOR &store)
{
    TMemoryStream stream;
    store.WriteResourceFile(stream);
    return stream.Bytes();
}

std::vector<int> Ids(TRecursosQOR &store)
{
    std::vector<int> ids;
    for (auto r = store.FirstRecurso(); r.IDRecursos != -1; r = store.NextRecurso())
        ids.push_back(r.IDRecursos);
    return ids;
}

void Add(TRecursosQOR &store, int id, const std::string &bytes)
{
    TMemoryStream source(bytes);
    store.AddRecurso({id, 0, "R", 1}, source);
}

std::string BytesOf(TRecursosQOR &store, int id)
{
    return store.GetRecursoStream(id)->Bytes();
}

} // namespace

class Recursos : public FrameworkFolderTest {
protected:
    TParametres params_;
    TRecursosQOR store_{params_};
};

TEST_F(Recursos, FileHoldingOnlyTheParameterResource)
{
    store_.SaveToFile(PathOf("app.zrk"));
    std::string parameters = ParamSignatureBytes() + "\x01" + kEnd;
    std::string expected = Short("TRecursosQOR") + "\x01" + "\x01" + Ident("IDRecursos") +
                           std::string("\x04\xA1\x86\x01\x00", 5) + Ident("IDParent") +
                           std::string("\x02\x00", 2) + Ident("Name") + Short("QORAPPLICATION") +
                           Ident("RecType") + "\x02\x09" + Ident("Stream") + Short(parameters) + kEnd + kEnd;
    EXPECT_EQ(ToHex(FileBytes(PathOf("app.zrk"))), ToHex(expected));

    TParametres params;
    TRecursosQOR back(params);
    back.LoadFromFile(PathOf("app.zrk"));
    EXPECT_EQ(Ids(back), std::vector<int>{kParamResourceId});
    auto r = back.FirstRecurso();
    EXPECT_EQ(r, (TRecursos{kParamResourceId, 0, "QORAPPLICATION", 9}));
    EXPECT_EQ(BytesOf(back, kParamResourceId), parameters);
}

TEST_F(Recursos, ParametersTravelThroughTheFile)
{
    params_.SetValor("PRM_COUNTRY_TICKET", "FR");
    params_.SetValor("PRM_PRINTBOL_MM_DESFX", -15);
    params_.SetValor("PRM_UNSAVED", 1);
    params_.SetSaveList({"PRM_COUNTRY_TICKET", "PRM_PRINTBOL_MM_DESFX"}, true);
    store_.SaveToFile(PathOf("app.zrk"));

    TParametres params;
    TRecursosQOR back(params);
    back.LoadFromFile(PathOf("app.zrk"));
    EXPECT_EQ(params.ReadString("PRM_COUNTRY_TICKET", "ES"), "FR");
    EXPECT_EQ(params.ReadInteger("PRM_PRINTBOL_MM_DESFX", 0), -15);
    EXPECT_FALSE(params.Exists("PRM_UNSAVED"));
}

TEST_F(Recursos, ReadingMergesAndReplacesInPlace)
{
    Add(store_, kParamResourceId, "old");
    Add(store_, 5, "five");
    std::string file = Short("TRecursosQOR") + "\x01" + ResourceBytes(90500, "n") +
                       ResourceBytes(kParamResourceId, "new") + kEnd;
    TMemoryStream stream(file);
    store_.ReadResourceFile(stream);
    EXPECT_EQ(Ids(store_), (std::vector<int>{kParamResourceId, 5, 90500}));
    EXPECT_EQ(BytesOf(store_, kParamResourceId), "new");
    EXPECT_EQ(BytesOf(store_, 90500), "n");
}

TEST_F(Recursos, SavingWritesOnlyApplicationResources)
{
    Add(store_, 5, "design");
    Add(store_, 90500, "app");
    TMemoryStream stream(FileBytes(store_));
    TReader reader(stream);
    EXPECT_EQ(reader.GetString(), "TRecursosQOR");
    reader.GetListStart();
    reader.GetListStart();
    reader.GetIdent();
    EXPECT_EQ(reader.GetInteger(), 90500);
    for (int skipped = 0; skipped < 8; ++skipped)
        reader.SkipValue();
    reader.GetListEnd();
    EXPECT_TRUE(reader.AtListEnd()); // 100001 is only added by SaveToFile

    store_.SaveToFile(PathOf("app.zrk"));
    TParametres params;
    TRecursosQOR back(params);
    back.LoadFromFile(PathOf("app.zrk"));
    EXPECT_EQ(Ids(back), (std::vector<int>{90500, kParamResourceId}));
}

TEST_F(Recursos, RangesOfWriteRecursos)
{
    for (int id : {0, 5, 89999, 90000, 100001})
        Add(store_, id, "x");
    auto written = [&](int from, int to) {
        TMemoryStream stream;
        {
            TWriter writer(stream);
            store_.WriteRecursos(writer, from, to);
        }
        stream.SetPosition(0);
        TParametres params;
        TRecursosQOR copy(params);
        TReader reader(stream);
        copy.ReadRecursos(reader);
        return Ids(copy);
    };
    EXPECT_EQ(written(0, 89999), (std::vector<int>{0, 5, 89999}));
    EXPECT_EQ(written(90000, 0), (std::vector<int>{90000, 100001}));
    EXPECT_EQ(written(6, 5), (std::vector<int>{89999, 90000, 100001})); // to below from: no bound
    EXPECT_EQ(written(0, -1), (std::vector<int>{0, 5, 89999, 90000, 100001}));
}

TEST_F(Recursos, LabelsAreNotComparedButOrderCounts)
{
    std::string file = Short("TRecursosQOR") + "\x01" + ResourceBytes(90001, "a", "IDRecursoz") + kEnd;
    TMemoryStream stream(file);
    store_.ReadResourceFile(stream);
    EXPECT_EQ(Ids(store_), std::vector<int>{90001});

    // Name before IDParent: a text where an integer belongs.
    std::string swapped = Short("TRecursosQOR") + "\x01\x01" + Ident("IDRecursos") + "\x02\x01" +
                          Ident("Name") + Short("n") + Ident("IDParent") + "\x02\x00" + kEnd + kEnd;
    TMemoryStream bad(swapped);
    TParametres params;
    TRecursosQOR other(params);
    try {
        other.ReadResourceFile(bad);
        FAIL();
    } catch (const EReadError &error) {
        EXPECT_STREQ(error.what(), "Invalid property value");
    }
    EXPECT_EQ(other.Count(), 0);
}

TEST_F(Recursos, LongResourcesKeepEveryByte)
{
    std::string bytes;
    for (int i = 0; i < 600; ++i)
        bytes += static_cast<char>(i % 256);
    Add(store_, 90001, bytes);
    std::string file = FileBytes(store_);
    EXPECT_NE(file.find(Ident("Stream") + "\x0C" + std::string("\x58\x02\x00\x00", 4)), std::string::npos);
    TMemoryStream stream(file);
    TParametres params;
    TRecursosQOR back(params);
    back.ReadResourceFile(stream);
    EXPECT_EQ(BytesOf(back, 90001), bytes);
}

TEST_F(Recursos, SignatureIgnoresLetterCase)
{
    TMemoryStream lower(Short("trecursosqor") + "\x01" + kEnd);
    EXPECT_NO_THROW(store_.ReadResourceFile(lower));
    for (std::string wrong : {Short("TRecursosQO"), Short("TRecursosQORX"), Short("QORParamStream")}) {
        TMemoryStream stream(wrong + "\x01" + kEnd);
        try {
            store_.ReadResourceFile(stream);
            FAIL() << wrong;
        } catch (const ERecursosQOR &error) {
            EXPECT_STREQ(error.what(), "TRecursosQOR Error:\nStream is not a TRecursosQOR format");
        }
    }
}

TEST_F(Recursos, AddAndFetchRules)
{
    Add(store_, 3, "three");
    TMemoryStream source("abcdef");
    source.SetPosition(4);
    try {
        store_.AddRecurso({-1, 0, "", 0}, source);
        FAIL();
    } catch (const ERecursosQOR &error) {
        EXPECT_STREQ(error.what(), "TRecursosQOR Error:\nIDRecursos must be >= 0");
    }
    EXPECT_EQ(Ids(store_), std::vector<int>{3});

    store_.AddRecurso({9, 3, "nine", 2}, source); // from the first byte, whatever the position
    EXPECT_EQ(BytesOf(store_, 9), "abcdef");
    EXPECT_EQ(source.Position(), 4);
    EXPECT_EQ(store_.GetRecursoStream(9)->Position(), 0);

    try {
        store_.GetRecursoStream(7);
        FAIL();
    } catch (const ERecursosQOR &error) {
        EXPECT_STREQ(error.what(), "TRecursosQOR Error:\nIDRecursos:7 not found in list");
    }
    store_.ClearRecursos();
    EXPECT_EQ(store_.FirstRecurso(), kEndOfRecursos);
    EXPECT_EQ(store_.NextRecurso(), kEndOfRecursos);
}

TEST_F(Recursos, IterationStopsAtTheEndMarker)
{
    Add(store_, 1, "");
    Add(store_, 2, "");
    EXPECT_EQ(store_.FirstRecurso().IDRecursos, 1);
    EXPECT_EQ(store_.NextRecurso().IDRecursos, 2);
    EXPECT_EQ(store_.NextRecurso(), kEndOfRecursos);
    EXPECT_EQ(store_.NextRecurso(), kEndOfRecursos);
    Add(store_, 3, ""); // the cursor stayed on the last entry
    EXPECT_EQ(store_.NextRecurso().IDRecursos, 3);
}

TEST_F(Recursos, MissingFileStillReloadsParametersHeld)
{
    TParametres source;
    source.SetValor("PRM_A", 12);
    source.SetSave("PRM_A", true);
    TMemoryStream parameters;
    source.SaveToStream(&parameters);
    store_.AddRecurso({kParamResourceId, 0, kParamResourceName, kParamResourceType}, parameters);
    store_.LoadFromFile(PathOf("absent.zrk"));
    EXPECT_EQ(params_.ReadInteger("PRM_A", 0), 12);

    EXPECT_NO_THROW(store_.LoadFromFile(folder_.string())); // a folder is no file
}

TEST_F(Recursos, FaultyParameterStreamAsksWhetherToGoOn)
{
    std::string faulty =
        ParamSignatureBytes() + "\x01" + Ident("PRM_A") + "\x02\x03" + Ident("PRM_B") + "\x13";
    TMemoryStream parameters(faulty);
    store_.AddRecurso({kParamResourceId, 0, kParamResourceName, kParamResourceType}, parameters);

    answers_ = {true};
    EXPECT_NO_THROW(store_.LoadFromFile(PathOf("absent.zrk")));
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0],
              "SetRecursosQOR|Error al leer los Parámetros por defecto\nMensaje:\nERROR Reading "
              "Properties of Component :\nInvalid Value of Parametre PRM_B\n\nContinuar?");
    EXPECT_EQ(params_.ReadInteger("PRM_A", 0), 3);

    answers_ = {false};
    try {
        store_.LoadFromFile(PathOf("absent.zrk"));
        FAIL();
    } catch (const EAbort &error) {
        EXPECT_STREQ(error.what(), "Operation aborted");
    }
    EXPECT_EQ(questions_.size(), 2u);
}
