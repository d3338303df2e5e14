#include "framework/builtin_texts.h"
#include "framework/language_check.h"
#include "framework/language_table.h"
#include "framework/localize.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// The language files shipped with the program live in src/data; tests/data
// need not exist, so the path is built by name rather than through "..".
static std::string ShippedLanguageFile(const std::string &name)
{
    return (std::filesystem::path(QOR_SOURCE_DIR) / "src" / "data" / name).string();
}

static TLanguageTable::Entries BuiltinEntries()
{
    TLanguageTable::Entries entries;
    for (const TBuiltinText &entry : BuiltinTexts())
        entries.emplace(entry.id, std::string(entry.text));
    return entries;
}

static std::string Describe(const std::vector<TLanguageProblem> &problems)
{
    std::string text;
    for (const TLanguageProblem &problem : problems)
        text += std::to_string(problem.id) + ": " + problem.description + "\n";
    return text;
}

TEST(LanguageCheck, PlaceholdersAreFoundInOrder)
{
    EXPECT_EQ(FormatPlaceholders("Paso %d"), std::vector<std::string>{"%d"});
    EXPECT_EQ(FormatPlaceholders("%s: %.2d of %-3u, 100%% %x"),
              (std::vector<std::string>{"%s", "%.2d", "%-3u", "%x"}));
    EXPECT_EQ(FormatPlaceholders("%%d"), std::vector<std::string>{});
    EXPECT_TRUE(FormatPlaceholders("%Ac. and %Pass and 50%").empty());
}

TEST(LanguageCheck, BuiltInTableIsFit)
{
    const auto table = TLanguageTable::Parse(TLanguageTable::Format(BuiltinEntries()));
    ASSERT_TRUE(table);
    EXPECT_TRUE(CheckLanguageTable(*table).empty());
}

TEST(LanguageCheck, ReportsEveryKindOfDifference)
{
    TLanguageTable::Entries entries = BuiltinEntries();
    entries.erase(50004);
    entries[1] = "unknown";
    entries[41701] = "Step %s";            // "Paso %d"
    entries[41645] = "%d of %d found";     // three line breaks lost
    entries[42402] = "Automatic ticket";   // "&" lost
    entries[41120] = "Bets (*.aem)|*.aem"; // filter parts lost
    entries[41001] = "&New combination";   // trailing blank lost
    entries[41002] = "";
    const auto table = TLanguageTable::Parse(TLanguageTable::Format(entries));
    ASSERT_TRUE(table);
    EXPECT_EQ(Describe(CheckLanguageTable(*table)), "41001: leading or trailing blank differs\n"
                                                    "41002: empty text\n"
                                                    "41120: number of filter parts (|) differs\n"
                                                    "41645: number of line breaks differs\n"
                                                    "41701: placeholders differ from the Spanish text\n"
                                                    "42402: number of accelerators (&) differs\n"
                                                    "50004: missing\n"
                                                    "1: not a text of the program\n");
}

class ShippedLanguage : public ::testing::TestWithParam<const char *> {};

TEST_P(ShippedLanguage, HoldsEveryTextOfTheProgramShapedLikeTheSpanish)
{
    const std::string path = ShippedLanguageFile(GetParam());
    std::string fault;
    const auto table = TLanguageTable::LoadFile(path, &fault);
    ASSERT_TRUE(table) << fault;
    EXPECT_EQ(table->Count(), BuiltinTexts().size());
    EXPECT_EQ(Describe(CheckLanguageTable(*table)), "");

    TLocalize localize;
    EXPECT_TRUE(localize.LoadLanguage(path));
}

INSTANTIATE_TEST_SUITE_P(All, ShippedLanguage,
                         ::testing::Values("QOREuroMillonv3_espagnol.lng", "QOREuroMillonv3_english.lng",
                                           "QOREuroMillonv3_french.lng"));

TEST(LanguageFiles, SpanishFileEqualsTheBuiltInTable)
{
    TLocalize localize;
    ASSERT_TRUE(localize.LoadLanguage(ShippedLanguageFile("QOREuroMillonv3_espagnol.lng")));
    for (const TBuiltinText &entry : BuiltinTexts())
        EXPECT_EQ(localize.GetText(entry.id), entry.text) << entry.id;
}

TEST(LanguageFiles, EnglishAndFrenchSpeakTheirLanguage)
{
    TLocalize localize;
    ASSERT_TRUE(localize.LoadLanguage(ShippedLanguageFile("QOREuroMillonv3_english.lng")));
    EXPECT_EQ(localize.GetText(50004), "Cancel");
    EXPECT_EQ(localize.GetText(41911), "&English");
    ASSERT_TRUE(localize.LoadLanguage(ShippedLanguageFile("QOREuroMillonv3_french.lng")));
    EXPECT_EQ(localize.GetText(50004), "Annuler");
    EXPECT_EQ(localize.GetText(41912), "&Français");
}
