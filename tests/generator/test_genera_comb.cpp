#include "generator/genera_comb.h"
#include "generator_test_support.h"

#include "framework/localize.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/file_stream.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

const char *kFreshHex = "45 4D 43 30 02 02 01 00 01 00 02 00 02 07 02 05 02 02 01 00";
const char *kSixNumbersHex =
    "45 4D 43 30 02 02 01 02 01 02 02 02 03 02 04 02 05 02 06 00 01 02 01 02 02 02 03 00 "
    "02 01 02 06 02 05 02 02 01 00";

std::string Saved(const TEuroMillonGeneraComb &settings)
{
    TMemoryStream stream;
    settings.GuardarEnStream(stream);
    return stream.Bytes();
}

void Load(TEuroMillonGeneraComb &settings, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    settings.LeerDeStream(stream);
}

void Select(TEuroMillonGeneraComb &settings, int numbers, int stars)
{
    for (int n = 1; n <= numbers; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= stars; ++s)
        settings.Seleccion().Block(2).Add(s);
}

TEuroMillonCondicionGrupo Condition(int block, std::initializer_list<int> numbers, const std::string &name)
{
    TEuroMillonCondicionGrupo c = CondicionGrupoDefecto;
    c.Bloque = block;
    c.Numeros.assign(numbers.begin(), numbers.end());
    c.Nombre = name;
    return c;
}

// Settings with something in every field the file carries.
void FillSample(TEuroMillonGeneraComb &settings)
{
    Select(settings, 8, 4);
    settings.SetTipoReduccion(2);
    settings.SetReduccionGlobal(5);
    settings.SetReduccionB1(4);
    settings.SetReduccionB2(1);
    settings.Condiciones().Add(Condition(1, {1, 2, 3}, "bajos"));
    settings.Condiciones().Add(Condition(2, {4}, ""));
}

void ExpectSameSettings(const TEuroMillonGeneraComb &a, const TEuroMillonGeneraComb &b)
{
    EXPECT_EQ(a.Seleccion().ToMask(), b.Seleccion().ToMask());
    EXPECT_EQ(a.TipoReduccion(), b.TipoReduccion());
    EXPECT_EQ(a.ReduccionGlobal(), b.ReduccionGlobal());
    EXPECT_EQ(a.ReduccionB1(), b.ReduccionB1());
    EXPECT_EQ(a.ReduccionB2(), b.ReduccionB2());
    ASSERT_EQ(a.Condiciones().Count(), b.Condiciones().Count());
    for (int i = 0; i < a.Condiciones().Count(); ++i)
        EXPECT_EQ(a.Condiciones().Condicion(i), b.Condiciones().Condicion(i));
}

} // namespace

TEST(GeneraComb, FreshSettings)
{
    TEuroMillonGeneraComb settings;
    EXPECT_EQ(settings.Apuestas().Count(), 0);
    EXPECT_EQ(settings.Generadas(), 0);
    EXPECT_EQ(settings.Validas(), 0);
    EXPECT_FALSE(settings.Cancelado());
    EXPECT_FALSE(settings.Procesando());
    EXPECT_EQ(settings.TipoReduccion(), 0);
    EXPECT_EQ(settings.ReduccionGlobal(), 7);
    EXPECT_EQ(settings.ReduccionB1(), 5);
    EXPECT_EQ(settings.ReduccionB2(), 2);
    EXPECT_EQ(settings.Condiciones().Owner(), &settings);
    EXPECT_EQ(settings.ApuestasPosibles(), 0);
}

TEST(GeneraComb, LevelSettersIgnoreValuesOutOfRange)
{
    TEuroMillonGeneraComb settings;
    settings.SetReduccionGlobal(0);
    settings.SetReduccionGlobal(8);
    EXPECT_EQ(settings.ReduccionGlobal(), 7);
    settings.SetReduccionGlobal(1);
    EXPECT_EQ(settings.ReduccionGlobal(), 1);
    settings.SetReduccionB1(6);
    settings.SetReduccionB1(0);
    EXPECT_EQ(settings.ReduccionB1(), 5);
    settings.SetReduccionB2(3);
    settings.SetReduccionB2(1);
    EXPECT_EQ(settings.ReduccionB2(), 1);
    settings.SetTipoReduccion(9); // no range test
    EXPECT_EQ(settings.TipoReduccion(), 9);
    EXPECT_FALSE(settings.ReduccionAplica());
}

TEST(GeneraComb, ClearKeepsTheKindAndGlobalLevel)
{
    TEuroMillonGeneraComb settings;
    FillSample(settings);
    settings.SetTipoReduccion(1);
    settings.Clear();
    EXPECT_EQ(settings.Seleccion().ToMask(), 0u);
    EXPECT_EQ(settings.Condiciones().Count(), 0);
    EXPECT_EQ(settings.ReduccionB1(), 5);
    EXPECT_EQ(settings.ReduccionB2(), 2);
    EXPECT_EQ(settings.TipoReduccion(), 1);
    EXPECT_EQ(settings.ReduccionGlobal(), 5);
}

TEST(GeneraComb, FileBytesAreExact)
{
    TEuroMillonGeneraComb fresh;
    EXPECT_EQ(ToHex(Saved(fresh)), kFreshHex);

    TEuroMillonGeneraComb six;
    Select(six, 6, 3);
    six.SetTipoReduccion(1);
    six.SetReduccionGlobal(6);
    EXPECT_EQ(ToHex(Saved(six)), kSixNumbersHex);

    TEuroMillonGeneraComb back;
    Load(back, FromHex(kSixNumbersHex));
    ExpectSameSettings(back, six);
}

TEST(GeneraComb, RoundTripThroughAFile)
{
    const TTempFolder folder("qor-generator-settings");
    auto path = folder.Path("settings.gem");
    TEuroMillonGeneraComb settings;
    FillSample(settings);
    settings.SaveToFile(path);
    TEuroMillonGeneraComb back;
    back.LoadFromFile(path);
    ExpectSameSettings(back, settings);
    std::filesystem::remove(path);
    EXPECT_THROW(back.LoadFromFile(path), EFOpenError);
    ExpectSameSettings(back, settings);
}

TEST(GeneraComb, CopyingSettingsLeavesKeptBetsBehind)
{
    TEuroMillonGeneraComb source;
    FillSample(source);
    source.SetTipoReduccion(0);
    ASSERT_GT(source.Generar(), 0);
    TEuroMillonGeneraComb target;
    Select(target, 5, 2);
    ASSERT_EQ(target.Generar(), 1);
    target.AssignSettings(source);
    ExpectSameSettings(target, source);
    EXPECT_EQ(target.Apuestas().Count(), 0);
    EXPECT_GT(source.Apuestas().Count(), 0);
}

TEST(GeneraComb, WrongSignatureOrNewerVersionChangesNothing)
{
    TEuroMillonGeneraComb settings;
    FillSample(settings);
    TEuroMillonGeneraComb before;
    before.AssignSettings(settings);

    std::string newer = FromHex(kFreshHex);
    newer[5] = 3;
    try {
        Load(settings, newer);
        FAIL();
    } catch (const EReadError &error) {
        EXPECT_EQ(error.Message(), "La versión del archivo es superior a la actual, no se puede abrir");
    }
    ExpectSameSettings(settings, before);

    for (std::string bad : {std::string("EMA0\x02\x02\x01\x00", 8), std::string("EMC"), std::string()}) {
        try {
            Load(settings, bad);
            FAIL();
        } catch (const EReadError &error) {
            EXPECT_EQ(error.Message(), "No es un formato de archivo válido");
        }
        ExpectSameSettings(settings, before);
    }
    EXPECT_THROW(Load(settings, "EMC0"), EReadError) << "no version";
    ExpectSameSettings(settings, before);
}

TEST(GeneraComb, OutOfRangeValuesAreDroppedOrIgnored)
{
    TEuroMillonGeneraComb settings;
    settings.SetTipoReduccion(1);
    settings.SetReduccionGlobal(4);
    // kind 5, global 9, blocks 0 and 3; numbers 0, 51, 7, 7; stars 10, 2, 3.
    Load(settings, FromHex("45 4D 43 30 02 02 01 02 00 02 33 02 07 02 07 00 01 02 0A 02 02 02 03 00 "
                           "02 05 02 09 02 00 02 03 01 00"));
    EXPECT_EQ(settings.Seleccion().ToMask(), MaskOf({7}, {2, 3}));
    EXPECT_EQ(settings.TipoReduccion(), 1);
    EXPECT_EQ(settings.ReduccionGlobal(), 4);
    EXPECT_EQ(settings.ReduccionB1(), 5);
    EXPECT_EQ(settings.ReduccionB2(), 2);
}

TEST(GeneraComb, DamagedFilesRaiseAndNeverHang)
{
    TEuroMillonGeneraComb sample;
    FillSample(sample);
    const std::string bytes = Saved(sample);
    for (size_t length = 0; length < bytes.size(); ++length) {
        TEuroMillonGeneraComb settings;
        FillSample(settings);
        EXPECT_THROW(Load(settings, bytes.substr(0, length)), EReadError) << "prefix " << length;
    }
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        std::string garbage = "EMC0";
        garbage += '\x02';
        garbage += '\x02';
        int length = std::uniform_int_distribution<int>(0, 200)(random);
        for (int i = 0; i < length; ++i)
            garbage += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        TEuroMillonGeneraComb settings;
        try {
            Load(settings, garbage);
        } catch (const EReadError &) {
        }
    }
    // A selection list that never ends, and a name claiming 4 GB.
    TEuroMillonGeneraComb settings;
    std::string endless = FromHex("45 4D 43 30 02 02 01");
    for (int i = 0; i < 100000; ++i)
        endless += FromHex("02 07");
    EXPECT_THROW(Load(settings, endless), EReadError);
    std::string huge =
        FromHex("45 4D 43 30 02 02 01 00 01 00 02 00 02 07 02 05 02 02 01 01 09 02 01 02 00 03 F0 "
                "00 02 00 02 05 02 00 02 05 02 00 02 05 01 00 0C FF FF FF FF 61");
    EXPECT_THROW(Load(settings, huge), EReadError);
}

TEST(GeneraComb, ADamagedFileKeepsWhatWasReadAndClearsTheRest)
{
    TEuroMillonGeneraComb sample;
    Select(sample, 6, 3);
    sample.SetTipoReduccion(2);
    std::string bytes = Saved(sample);
    bytes.resize(bytes.size() - 8); // cut inside the levels
    TEuroMillonGeneraComb settings;
    FillSample(settings);
    EXPECT_THROW(Load(settings, bytes), EReadError);
    EXPECT_EQ(settings.Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {1, 2, 3}));
    EXPECT_EQ(settings.Condiciones().Count(), 0);
}

TEST(GeneraComb, SavesWholeFilesAndReportsUncreatableOnes)
{
    const TTempFolder temp("qor-generator-save");
    const std::filesystem::path folder = temp.Root();
    auto path = (folder / "settings.gem").string();
    TEuroMillonGeneraComb settings;
    FillSample(settings);
    settings.SaveToFile(path);
    EXPECT_EQ(FileBytes(path), Saved(settings));
    // A path whose folder does not exist cannot be created.
    EXPECT_THROW(settings.SaveToFile((folder / "missing" / "x.gem").string()), Exception);
}

// The optimized-reduction setting: absent, the file is the same byte for
// byte as without the setting; present, it follows the conditions as one
// list of named values that readers of the plain layout never reach.

namespace {

// List start, the string "OptimizarSegundos", the integer 60, list end.
const char *kSixtySecondsHex = "01 06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 02 3C 00";

void SixNumbersGlobalSix(TEuroMillonGeneraComb &settings)
{
    Select(settings, 6, 3);
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(6);
}

std::string Join(const char *first, const char *second)
{
    return std::string(first) + " " + second;
}

} // namespace

TEST(GeneraCombOptimizar, WithoutTheOptionTheFileIsUnchanged)
{
    TEuroMillonGeneraComb fresh;
    EXPECT_EQ(fresh.OptimizarSegundos(), 0);
    EXPECT_EQ(ToHex(Saved(fresh)), kFreshHex);
    TEuroMillonGeneraComb six;
    SixNumbersGlobalSix(six);
    six.SetOptimizarSegundos(60);
    six.SetOptimizarSegundos(0);
    EXPECT_EQ(ToHex(Saved(six)), kSixNumbersHex);
}

TEST(GeneraCombOptimizar, TheOptionFollowsTheConditions)
{
    TEuroMillonGeneraComb six;
    SixNumbersGlobalSix(six);
    six.SetOptimizarSegundos(60);
    EXPECT_EQ(ToHex(Saved(six)), Join(kSixNumbersHex, kSixtySecondsHex));
    six.SetOptimizarSegundos(300);
    EXPECT_EQ(ToHex(Saved(six)).substr(std::string(kSixNumbersHex).size()),
              " 01 06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 03 2C 01 00");
}

TEST(GeneraCombOptimizar, ReadingRestoresTheOptionAndAFileWithoutItClearsIt)
{
    TEuroMillonGeneraComb target;
    Load(target, FromHex(Join(kSixNumbersHex, kSixtySecondsHex)));
    EXPECT_EQ(target.OptimizarSegundos(), 60);
    EXPECT_EQ(target.ReduccionGlobal(), 6);
    EXPECT_EQ(target.Seleccion().Block(1).Count(), 6);
    Load(target, FromHex(kSixNumbersHex));
    EXPECT_EQ(target.OptimizarSegundos(), 0);

    TEuroMillonGeneraComb source;
    SixNumbersGlobalSix(source);
    source.SetOptimizarSegundos(10);
    target.AssignSettings(source);
    EXPECT_EQ(target.OptimizarSegundos(), 10);
}

// A reader of the plain layout (signature, version, selection, reduction,
// conditions) reads a file with the option exactly as one without it, and
// stops where the option begins; the version stays 2, so it does not refuse
// the file.
TEST(GeneraCombOptimizar, AReaderOfThePlainLayoutStopsBeforeTheOption)
{
    TEuroMillonGeneraComb six;
    SixNumbersGlobalSix(six);
    six.SetOptimizarSegundos(60);
    TMemoryStream stream(Saved(six));
    char signature[4];
    ASSERT_EQ(stream.Read(signature, 4), 4);
    TReader reader(stream);
    EXPECT_EQ(reader.GetInteger(), 2);
    for (int block = 0; block < 2; ++block) {
        reader.GetListStart();
        while (!reader.AtListEnd())
            reader.GetInteger();
        reader.GetListEnd();
    }
    for (int level = 0; level < 4; ++level)
        reader.GetInteger();
    TEuroMillonGeneraComb owner;
    owner.Condiciones().LeerDeStream(reader);
    EXPECT_EQ(reader.Position(), static_cast<int64_t>(FromHex(kSixNumbersHex).size()));
}

TEST(GeneraCombOptimizar, UnknownNamedValuesAreSkipped)
{
    // ("Futuro", 5), ("Otro", [1]), ("OptimizarSegundos", 10)
    const std::string extras = "01 06 06 46 75 74 75 72 6F 02 05 06 04 4F 74 72 6F 01 02 01 00 "
                               "06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 02 0A 00";
    TEuroMillonGeneraComb target;
    Load(target, FromHex(Join(kSixNumbersHex, extras.c_str())));
    EXPECT_EQ(target.OptimizarSegundos(), 10);
}

TEST(GeneraCombOptimizar, OutOfRangeSecondsAndStrayBytesAreIgnored)
{
    TEuroMillonGeneraComb target;
    target.SetOptimizarSegundos(86401);
    EXPECT_EQ(target.OptimizarSegundos(), 0);
    target.SetOptimizarSegundos(-1);
    EXPECT_EQ(target.OptimizarSegundos(), 0);
    // 100000 seconds: 04 A0 86 01 00.
    Load(target,
         FromHex(Join(kSixNumbersHex,
                      "01 06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 04 A0 86 01 00 00")));
    EXPECT_EQ(target.OptimizarSegundos(), 0);
    // Bytes after the conditions that do not open a list are not read.
    Load(target, FromHex(Join(kSixNumbersHex, "58 59 5A")));
    EXPECT_EQ(target.OptimizarSegundos(), 0);
    EXPECT_EQ(target.ReduccionGlobal(), 6);
}

TEST(GeneraCombOptimizar, ADamagedOptionListIsAReadError)
{
    const std::string whole = Join(kSixNumbersHex, kSixtySecondsHex);
    TEuroMillonGeneraComb target;
    EXPECT_THROW(Load(target, FromHex(whole.substr(0, whole.size() - 3))), EReadError) << "list end missing";
    EXPECT_THROW(Load(target, FromHex(Join(kSixNumbersHex, "01 02 05 00"))), EReadError) << "no name";
    EXPECT_EQ(target.Seleccion().Block(1).Count(), 6) << "what was read stays";
}
