#include "framework/builtin_texts.h"
#include "framework/localize.h"
#include "language_file_helpers.h"

#include <gtest/gtest.h>

#include <string>

TEST(Localize, BuiltInTableAnswersWithoutALanguage)
{
    TLocalize localize;
    EXPECT_FALSE(localize.Loaded());
    EXPECT_EQ(localize.GetText(50004), "Cancelar");
    EXPECT_EQ(localize.GetText(41058), ""); // a gap inside an area
    EXPECT_EQ(localize.GetText(0), "");
    EXPECT_EQ(localize.GetText(65535), "");
    EXPECT_EQ(localize.GetText(40001), "Máximo %d números en el bloque");
}

TEST(Localize, LoadedLanguageReplacesTheBuiltInTableWithoutFallBack)
{
    TTemporaryFile file("en.lng", LanguageFile("50004 \"Cancel\"\n50003 \"OK\"\n"));
    TLocalize localize;
    ASSERT_TRUE(localize.LoadLanguage(file.Path()));
    EXPECT_TRUE(localize.Loaded());
    EXPECT_EQ(localize.GetText(50004), "Cancel");
    EXPECT_EQ(localize.GetText(50003), "OK");
    EXPECT_EQ(localize.GetText(50001), ""); // built-in has "¿Continuar?"; no fall-back

    localize.UnloadLanguage();
    EXPECT_FALSE(localize.Loaded());
    EXPECT_EQ(localize.GetText(50004), "Cancelar");
    EXPECT_EQ(localize.GetText(50001), "¿Continuar?");
}

TEST(Localize, FailedLoadLeavesTheBuiltInTableActive)
{
    TTemporaryFile english("en.lng", LanguageFile("50004 \"Cancel\"\n"));
    TTemporaryFile broken("broken.lng", LanguageFile("50004 \"Cancel\n"));
    TLocalize localize;
    ASSERT_TRUE(localize.LoadLanguage(english.Path()));

    EXPECT_FALSE(localize.LoadLanguage(english.Path() + ".missing"));
    EXPECT_FALSE(localize.Loaded());
    EXPECT_EQ(localize.GetText(50004), "Cancelar");

    ASSERT_TRUE(localize.LoadLanguage(english.Path()));
    EXPECT_FALSE(localize.LoadLanguage(broken.Path()));
    EXPECT_EQ(localize.GetText(50004), "Cancelar");

    EXPECT_FALSE(localize.LoadLanguage(::testing::TempDir())); // a folder
    EXPECT_FALSE(localize.LoadLanguage(""));
    EXPECT_EQ(localize.GetText(50004), "Cancelar");
}

TEST(Localize, LoadingASecondLanguageReplacesTheFirst)
{
    TTemporaryFile english("en.lng", LanguageFile("50004 \"Cancel\"\n50006 \"Next\"\n"));
    TTemporaryFile french("fr.lng", LanguageFile("50004 \"Annuler\"\n"));
    TLocalize localize;
    ASSERT_TRUE(localize.LoadLanguage(english.Path()));
    ASSERT_TRUE(localize.LoadLanguage(french.Path()));
    EXPECT_EQ(localize.GetText(50004), "Annuler");
    EXPECT_EQ(localize.GetText(50006), "");
}

TEST(Localize, LongTextIsCutToItsFirst1023Characters)
{
    // Two-byte characters, so that a cut counting bytes would show.
    std::string text;
    for (int i = 0; i < 1100; ++i)
        text += (i % 2) ? "é" : "a";
    TTemporaryFile file("long.lng", LanguageFile("41001 \"" + text + "\"\n"));
    TLocalize localize;
    ASSERT_TRUE(localize.LoadLanguage(file.Path()));
    const std::string cut = localize.GetText(41001);
    EXPECT_EQ(cut, text.substr(0, 511 * 3 + 1)); // 511 "aé" pairs and one "a"
}

TEST(Localize, OneLocalizerForTheProgram)
{
    EXPECT_EQ(&Localizer(), &Localizer());
    Localizer().UnloadLanguage();
    EXPECT_EQ(GetText(50003), "Aceptar");
    EXPECT_EQ(GetText(50003), Localizer().GetText(50003));
}

// The number of texts in each identifier area of the built-in table.
TEST(BuiltinTexts, EveryAreaHoldsItsTexts)
{
    struct Area {
        uint16_t first, last;
        size_t count;
    };
    const Area areas[] = {
        {40001, 40005, 5},  {41001, 41172, 73}, {41300, 41352, 6},  {41500, 41645, 66},
        {41700, 41733, 24}, {41800, 41922, 33}, {42000, 42104, 13}, {42200, 42261, 26},
        {42400, 42491, 22}, {43000, 43004, 5},  {43101, 43127, 25}, {50001, 50008, 8},
    };
    size_t total = 0;
    for (const Area &area : areas) {
        size_t count = 0;
        for (const TBuiltinText &entry : BuiltinTexts()) {
            if (entry.id >= area.first && entry.id <= area.last)
                ++count;
        }
        EXPECT_EQ(count, area.count) << area.first << " to " << area.last;
        total += count;
    }
    EXPECT_EQ(total, 306u);
    // Texts of commands and windows added since lie in 45000 to 45999.
    size_t added = 0;
    for (const TBuiltinText &entry : BuiltinTexts())
        added += entry.id >= 45000 && entry.id <= 45999;
    EXPECT_EQ(BuiltinTexts().size(), total + added); // no text outside the areas
}

TEST(BuiltinTexts, TextsKeepBlanksLineBreaksAndQuotes)
{
    EXPECT_EQ(BuiltinText(41001), "&Nueva Combinación "); // menu items carry their mnemonic
    EXPECT_EQ(BuiltinText(41520), " Tipo de Reducción aplicada: ");
    EXPECT_EQ(BuiltinText(42251), "   no se encuentran en la combinación, esto puede");
    EXPECT_EQ(BuiltinText(41091), "Se pegarán %d apuesta/s del portapapeles \r\n \r\n¿Continuar?");
    EXPECT_EQ(BuiltinText(41511),
              "Las condiciones permiten \"filtrar\" sólamente aquellas apuestas que cumplen "
              "unos requisitos concretos, ayudando así a disminuir las apuestas resultantes.");
    EXPECT_EQ(BuiltinText(43113),
              "Ya existe un archivo con el mismo nombre:\r\n%s\r\n¿Continuar y sobreescribir el archivo?");
    EXPECT_EQ(BuiltinText(41120), "Archivos Apuestas EuroMillon (*.aem)|*.aem|Todos los Archivos (*.*)|*.*");
    EXPECT_EQ(BuiltinText(42402), "Crear Boleto &Automático");
    EXPECT_EQ(BuiltinText(41621), "%Ac.");
    EXPECT_FALSE(BuiltinText(41171).empty());
}

TEST(BuiltinTexts, LookupFindsEveryEntryAndNothingElse)
{
    size_t found = 0;
    for (uint32_t id = 0; id <= 0xFFFF; ++id) {
        const std::string_view text = BuiltinText(static_cast<uint16_t>(id));
        if (!text.empty())
            ++found;
    }
    EXPECT_EQ(found, BuiltinTexts().size());
    for (const TBuiltinText &entry : BuiltinTexts())
        EXPECT_EQ(BuiltinText(entry.id), entry.text);
}
