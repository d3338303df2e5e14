// The optimized-reduction setting in generation files: absent, the file is
// the same byte for byte as without the setting; present, it follows the
// conditions as one list of named values that readers of the plain layout
// never reach.

#include "generator/genera_comb.h"
#include "generator_test_support.h"

#include "model/exception.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

namespace {

const char *kFreshHex = "45 4D 43 30 02 02 01 00 01 00 02 00 02 07 02 05 02 02 01 00";
const char *kSixNumbersHex = "45 4D 43 30 02 02 01 02 01 02 02 02 03 02 04 02 05 02 06 00 01 02 01 02 02 02 03 00 "
                             "02 01 02 06 02 05 02 02 01 00";
// List start, the string "OptimizarSegundos", the integer 60, list end.
const char *kSixtySecondsHex = "01 06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 02 3C 00";

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

void SixNumbersGlobalSix(TEuroMillonGeneraComb &settings)
{
    for (int n = 1; n <= 6; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= 3; ++s)
        settings.Seleccion().Block(2).Add(s);
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
    EXPECT_EQ(HexBytes(Saved(fresh)), kFreshHex);
    TEuroMillonGeneraComb six;
    SixNumbersGlobalSix(six);
    six.SetOptimizarSegundos(60);
    six.SetOptimizarSegundos(0);
    EXPECT_EQ(HexBytes(Saved(six)), kSixNumbersHex);
}

TEST(GeneraCombOptimizar, TheOptionFollowsTheConditions)
{
    TEuroMillonGeneraComb six;
    SixNumbersGlobalSix(six);
    six.SetOptimizarSegundos(60);
    EXPECT_EQ(HexBytes(Saved(six)), Join(kSixNumbersHex, kSixtySecondsHex));
    six.SetOptimizarSegundos(300);
    EXPECT_EQ(HexBytes(Saved(six)).substr(std::string(kSixNumbersHex).size()),
              " 01 06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 03 2C 01 00");
}

TEST(GeneraCombOptimizar, ReadingRestoresTheOptionAndAFileWithoutItClearsIt)
{
    TEuroMillonGeneraComb target;
    Load(target, BytesOfHex(Join(kSixNumbersHex, kSixtySecondsHex)));
    EXPECT_EQ(target.OptimizarSegundos(), 60);
    EXPECT_EQ(target.ReduccionGlobal(), 6);
    EXPECT_EQ(target.Seleccion().Block(1).Count(), 6);
    Load(target, BytesOfHex(kSixNumbersHex));
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
    EXPECT_EQ(reader.Position(), static_cast<int64_t>(BytesOfHex(kSixNumbersHex).size()));
}

TEST(GeneraCombOptimizar, UnknownNamedValuesAreSkipped)
{
    // ("Futuro", 5), ("Otro", [1]), ("OptimizarSegundos", 10)
    const std::string extras = "01 06 06 46 75 74 75 72 6F 02 05 06 04 4F 74 72 6F 01 02 01 00 "
                               "06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 02 0A 00";
    TEuroMillonGeneraComb target;
    Load(target, BytesOfHex(Join(kSixNumbersHex, extras.c_str())));
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
    Load(target, BytesOfHex(Join(kSixNumbersHex,
                                 "01 06 11 4F 70 74 69 6D 69 7A 61 72 53 65 67 75 6E 64 6F 73 04 A0 86 01 00 00")));
    EXPECT_EQ(target.OptimizarSegundos(), 0);
    // Bytes after the conditions that do not open a list are not read.
    Load(target, BytesOfHex(Join(kSixNumbersHex, "58 59 5A")));
    EXPECT_EQ(target.OptimizarSegundos(), 0);
    EXPECT_EQ(target.ReduccionGlobal(), 6);
}

TEST(GeneraCombOptimizar, ADamagedOptionListIsAReadError)
{
    const std::string whole = Join(kSixNumbersHex, kSixtySecondsHex);
    TEuroMillonGeneraComb target;
    EXPECT_THROW(Load(target, BytesOfHex(whole.substr(0, whole.size() - 3))), EReadError) << "list end missing";
    EXPECT_THROW(Load(target, BytesOfHex(Join(kSixNumbersHex, "01 02 05 00"))), EReadError) << "no name";
    EXPECT_EQ(target.Seleccion().Block(1).Count(), 6) << "what was read stays";
}
