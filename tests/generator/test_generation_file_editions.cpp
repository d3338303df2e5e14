// The generation file of today's game: "EMC2", the same values as the
// classic "EMC0", and refused by a reader of the other game.

#include "generator/genera_comb.h"
#include "generator_test_support.h"
#include "support/temp_folder.h"

#include "model/exception.h"
#include "model/memory_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

constexpr TGameEdition kCurrent = TGameEdition::Current;

const char *kFreshCurrentHex = "45 4D 43 32 02 02 01 00 01 00 02 00 02 07 02 05 02 02 01 00";
// Numbers 1-6, stars 10-12, global reduction 6, one condition on stars 11
// and 12 named "A".
const char *kHighStarsHex =
    "45 4D 43 32 02 02 01 02 01 02 02 02 03 02 04 02 05 02 06 00 01 02 0A 02 0B 02 0C 00 "
    "02 01 02 06 02 05 02 02 "
    "01 01 09 02 02 02 00 03 F0 00 02 00 02 05 02 00 02 05 02 00 02 05 01 02 0B 02 0C 00 "
    "06 01 41 00 00";

std::string Saved(const TEuroMillonGeneraComb &settings)
{
    TMemoryStream stream;
    settings.GuardarEnStream(stream);
    return stream.Bytes();
}

void Load(TEuroMillonGeneraComb &settings, const std::string &bytes,
          TEditionOnLoad onLoad = TEditionOnLoad::Require)
{
    TMemoryStream stream(bytes);
    settings.LeerDeStream(stream, onLoad);
}

void FillHighStars(TEuroMillonGeneraComb &settings)
{
    settings.Seleccion().FromMask(MaskOf({1, 2, 3, 4, 5, 6}, {10, 11, 12}));
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(6);
    TEuroMillonCondicionGrupo stars = CondicionGrupoDefecto;
    stars.Bloque = 2;
    stars.Numeros = {11, 12};
    stars.Nombre = "A";
    settings.Condiciones().Add(stars);
}

std::string ErrorOf(TEuroMillonGeneraComb &settings, const std::string &bytes)
{
    try {
        Load(settings, bytes);
    } catch (const EReadError &error) {
        return error.Message();
    }
    return "no error";
}

} // namespace

TEST(GenerationFileEditions, CurrentFileBytesAreExact)
{
    TEuroMillonGeneraComb fresh(kCurrent);
    EXPECT_EQ(ToHex(Saved(fresh)), kFreshCurrentHex);
    TEuroMillonGeneraComb high(kCurrent);
    FillHighStars(high);
    EXPECT_EQ(ToHex(Saved(high)), kHighStarsHex);
}

TEST(GenerationFileEditions, CurrentFileRoundTrips)
{
    TEuroMillonGeneraComb back(kCurrent);
    Load(back, FromHex(kHighStarsHex));
    EXPECT_EQ(back.Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {10, 11, 12}));
    EXPECT_EQ(back.ReduccionGlobal(), 6);
    ASSERT_EQ(back.Condiciones().Count(), 1);
    EXPECT_EQ(back.Condiciones().Condicion(0).Numeros, (TEuroMillonNumeros{11, 12}));
    EXPECT_EQ(ToHex(Saved(back)), kHighStarsHex);

    const TTempFolder folder("qor-generation-editions");
    const std::string path = folder.Path("high.gem");
    back.SaveToFile(path);
    TEuroMillonGeneraComb fromFile(kCurrent);
    fromFile.LoadFromFile(path);
    EXPECT_EQ(ToHex(Saved(fromFile)), kHighStarsHex);
}

TEST(GenerationFileEditions, ClassicReaderRefusesTodaysFile)
{
    TEuroMillonGeneraComb classic;
    classic.Seleccion().FromMask(MaskOf({7, 8, 9, 10, 11}, {1, 2}));
    EXPECT_EQ(ErrorOf(classic, FromHex(kHighStarsHex)),
              "El archivo es del juego actual (estrellas 1 a 12); no puede leerse como juego clásico");
    // Nothing changed, and no star was dropped into a classic selection.
    EXPECT_EQ(classic.Seleccion().ToMask(), MaskOf({7, 8, 9, 10, 11}, {1, 2}));
    EXPECT_EQ(classic.Edition(), TGameEdition::Classic);
}

TEST(GenerationFileEditions, CurrentReaderRefusesClassicFile)
{
    TEuroMillonGeneraComb classic;
    classic.Seleccion().FromMask(MaskOf({1, 2, 3, 4, 5}, {1, 9}));
    TEuroMillonGeneraComb current(kCurrent);
    EXPECT_EQ(ErrorOf(current, Saved(classic)),
              "El archivo es del juego clásico (estrellas 1 a 9); no puede leerse como juego actual");
    EXPECT_EQ(current.Edition(), kCurrent);
}

TEST(GenerationFileEditions, AdoptTakesTheFilesEdition)
{
    TEuroMillonGeneraComb settings;
    Load(settings, FromHex(kHighStarsHex), TEditionOnLoad::Adopt);
    EXPECT_EQ(settings.Edition(), kCurrent);
    EXPECT_EQ(settings.Apuestas().Edition(), kCurrent);
    EXPECT_EQ(settings.Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {10, 11, 12}));

    TEuroMillonGeneraComb copy;
    copy.AssignSettings(settings);
    EXPECT_EQ(copy.Edition(), kCurrent);
    EXPECT_EQ(ToHex(Saved(copy)), kHighStarsHex);
}

TEST(GenerationFileEditions, OtherSignaturesAndDamageAreRefused)
{
    TEuroMillonGeneraComb settings(kCurrent);
    for (const char *signature : {"EMC1", "EMC3", "EMA2", "EM"})
        EXPECT_EQ(ErrorOf(settings, std::string(signature) + "\x02\x02"),
                  "No es un formato de archivo válido")
            << signature;
    const std::string bytes = FromHex(kHighStarsHex);
    for (size_t length = 5; length < bytes.size(); ++length)
        EXPECT_THROW(Load(settings, bytes.substr(0, length)), EReadError) << "prefix " << length;
    std::string newer = bytes;
    newer[5] = 3;
    EXPECT_EQ(ErrorOf(settings, newer), "La versión del archivo es superior a la actual, no se puede abrir");
    // A star above 12 in a current file is dropped as any value out of range.
    std::string thirteen = bytes;
    thirteen[thirteen.find('\x0C')] = 13;
    Load(settings, thirteen);
    EXPECT_EQ(settings.Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {10, 11}));
}
