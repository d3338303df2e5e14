#include "framework/builtin_texts.h"
#include "framework/language_table.h"
#include "framework/localize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The language files shipped with the program live in src/data; tests/data
// need not exist, so the path is built by name rather than through "..".
static std::string ShippedLanguageFile(const std::string &name)
{
    const std::filesystem::path root = std::filesystem::path(QOR_TEST_DATA_DIR).parent_path().parent_path();
    return (root / "src" / "data" / name).string();
}

// The format conversions of a template, in order ("%d", "%.2d", "%s"...).
static std::vector<std::string> Placeholders(std::string_view text)
{
    std::vector<std::string> found;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '%')
            continue;
        size_t end = pos + 1;
        while (end < text.size() && (text[end] == '-' || text[end] == '.' || (text[end] >= '0' && text[end] <= '9')))
            ++end;
        if (end < text.size() && std::string_view("dsux").find(text[end]) != std::string_view::npos) {
            found.emplace_back(text.substr(pos, end - pos + 1));
            pos = end;
        } else if (end == pos + 1 && end < text.size() && text[end] == '%') {
            pos = end;
        }
    }
    return found;
}

static size_t Occurrences(std::string_view text, std::string_view part)
{
    size_t count = 0;
    for (size_t pos = text.find(part); pos != std::string_view::npos; pos = text.find(part, pos + part.size()))
        ++count;
    return count;
}

TEST(LanguageFiles, PlaceholdersAreFoundInOrder)
{
    EXPECT_EQ(Placeholders("Paso %d"), std::vector<std::string>{"%d"});
    EXPECT_EQ(Placeholders("%s: %.2d of %-3u, 100%% %x"),
              (std::vector<std::string>{"%s", "%.2d", "%-3u", "%x"}));
    EXPECT_TRUE(Placeholders("%Ac. and %Pass and 50%").empty());
}

class ShippedLanguage : public ::testing::TestWithParam<const char *> {};

TEST_P(ShippedLanguage, HoldsEveryBuiltInIdentifierWithTheSamePlaceholders)
{
    const std::string path = ShippedLanguageFile(GetParam());
    std::string fault;
    const auto table = TLanguageTable::LoadFile(path, &fault);
    ASSERT_TRUE(table) << fault;

    std::vector<uint16_t> builtinIds, fileIds;
    for (const TBuiltinText &entry : BuiltinTexts())
        builtinIds.push_back(entry.id);
    for (const auto &[id, text] : table->All())
        fileIds.push_back(id);
    EXPECT_EQ(fileIds, builtinIds);

    for (const TBuiltinText &entry : BuiltinTexts()) {
        const std::string *text = table->Find(entry.id);
        if (!text)
            continue;
        EXPECT_FALSE(text->empty()) << entry.id;
        EXPECT_EQ(Placeholders(*text), Placeholders(entry.text)) << entry.id << ": " << *text;
        // The shape the windows rely on: line breaks of message boxes,
        // accelerators, the parts of a file-dialog filter, framing blanks.
        EXPECT_EQ(Occurrences(*text, "\r\n"), Occurrences(entry.text, "\r\n")) << entry.id;
        EXPECT_EQ(Occurrences(*text, "&"), Occurrences(entry.text, "&")) << entry.id;
        EXPECT_EQ(Occurrences(*text, "|"), Occurrences(entry.text, "|")) << entry.id;
        EXPECT_EQ(text->starts_with(' '), entry.text.starts_with(' ')) << entry.id;
        EXPECT_EQ(text->ends_with(' '), entry.text.ends_with(' ')) << entry.id;
    }

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
    EXPECT_EQ(localize.GetText(41911), "English");
    ASSERT_TRUE(localize.LoadLanguage(ShippedLanguageFile("QOREuroMillonv3_french.lng")));
    EXPECT_EQ(localize.GetText(50004), "Annuler");
    EXPECT_EQ(localize.GetText(41912), "Français");
}
