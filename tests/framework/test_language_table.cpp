#include "framework/builtin_texts.h"
#include "framework/language_table.h"
#include "language_file_helpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

static std::unique_ptr<TLanguageTable> ParseEntries(std::string_view entries, std::string *fault = nullptr)
{
    return TLanguageTable::Parse(LanguageFile(entries), fault);
}

TEST(LanguageTable, ReadsEntriesWithTheirEscapes)
{
    const auto table = ParseEntries("# comment line\n"
                                    "\n"
                                    "   \t\n"
                                    "  # indented comment\n"
                                    "0 \"\"\n"
                                    "41001 \"New Combination \"\n"
                                    "41091\t\t\"Paste %d bet(s) \\r\\n \\r\\nContinue?\"   \n"
                                    "  41507 \"say \\\"hi\\\" \\\\ tab\\there\\nnext\"\n"
                                    "65535 \"last # not a comment\"\n");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Count(), 5u);
    EXPECT_EQ(*table->Find(0), "");
    EXPECT_EQ(*table->Find(41001), "New Combination ");
    EXPECT_EQ(*table->Find(41091), "Paste %d bet(s) \r\n \r\nContinue?");
    EXPECT_EQ(*table->Find(41507), "say \"hi\" \\ tab\there\nnext");
    EXPECT_EQ(*table->Find(65535), "last # not a comment");
    EXPECT_EQ(table->Find(41002), nullptr);
}

TEST(LanguageTable, AcceptsByteOrderMarkAndWindowsLineEnds)
{
    const auto table = TLanguageTable::Parse("\xEF\xBB\xBFQOR-EuroMillon language 1\r\n"
                                             "# Español\r\n"
                                             "41910 \"Español\"\r\n"
                                             "41911 \"Inglés\""); // no final line end
    ASSERT_TRUE(table);
    EXPECT_EQ(*table->Find(41910), "Español");
    EXPECT_EQ(*table->Find(41911), "Inglés");
}

TEST(LanguageTable, SignatureAloneIsAnEmptyTable)
{
    const auto table = TLanguageTable::Parse("QOR-EuroMillon language 1\n");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Count(), 0u);
}

TEST(LanguageTable, RefusesFilesThatAreNotAStringTable)
{
    const char *const bad[] = {
        "",
        "\n",
        "QOR-EuroMillon language 2\n41001 \"a\"\n",
        "qor-euromillon language 1\n",
        " QOR-EuroMillon language 1\n",
        "41001 \"a\"\nQOR-EuroMillon language 1\n",
        "MZ\x90\x00\x03\x00\x00\x00", // a Windows library is no string table here
    };
    for (const char *content : bad) {
        std::string fault;
        EXPECT_FALSE(TLanguageTable::Parse(content, &fault)) << content;
        EXPECT_FALSE(fault.empty());
    }
}

TEST(LanguageTable, RefusesMalformedEntries)
{
    const char *const bad[] = {
        "41001\n",
        "41001 a\n",
        "41001\"a\"\n",       // no blank before the text
        "41001 \"a\n",        // closing quote missing
        "41001 \"a\" b\n",    // text after the closing quote
        "41001 \"a\"\"b\"\n", // an unescaped quote inside
        "41001 \"a\\x41\"\n", // unknown escape
        "41001 \"a\\\n",      // escape at the end of the line
        "-1 \"a\"\n",
        "+1 \"a\"\n",
        "0x10 \"a\"\n",
        "65536 \"a\"\n",
        "99999999999999999999999 \"a\"\n",
        "\"a\"\n",
        "41001 \"a\rb\"\n",             // a raw carriage return inside the text
        "41001 \"a\x01\"\n",            // a raw control character
        "41001 \"caf\xE9\"\n",          // Windows-1252, not UTF-8
        "41001 \"\xC3\"\n",             // UTF-8 sequence cut short
        "41001 \"\xC0\xAF\"\n",         // overlong form
        "41001 \"\xED\xA0\x80\"\n",     // surrogate
        "41001 \"\xF4\x90\x80\x80\"\n", // past U+10FFFF
        "# \xFF comment\n",             // comments must be UTF-8 too
    };
    for (const char *entry : bad) {
        std::string fault;
        EXPECT_FALSE(ParseEntries(entry, &fault)) << entry;
        EXPECT_EQ(fault.rfind("line 2: ", 0), 0u) << fault;
    }
    // A NUL byte inside a text.
    EXPECT_FALSE(ParseEntries(std::string("41001 \"a\0b\"\n", 12)));
}

TEST(LanguageTable, RefusesRepeatedIdentifiers)
{
    std::string fault;
    EXPECT_FALSE(ParseEntries("41001 \"a\"\n41002 \"b\"\n041001 \"c\"\n", &fault));
    EXPECT_EQ(fault, "line 4: identifier 41001 repeated");
}

TEST(LanguageTable, EveryPrefixOfAFileIsRefusedOrGivesCompleteEntries)
{
    const std::string file = LanguageFile("# Français\n41001 \"Nouvelle combinaison \"\n"
                                          "41091 \"Coller \\\"%d\\\" paris\\r\\nContinuer ?\"\n"
                                          "50004 \"Annuler\"\n");
    const auto whole = TLanguageTable::Parse(file);
    ASSERT_TRUE(whole);
    ASSERT_EQ(whole->Count(), 3u);
    for (size_t length = 0; length < file.size(); ++length) {
        const auto part = TLanguageTable::Parse(std::string_view(file).substr(0, length));
        if (!part)
            continue;
        for (const auto &[id, text] : part->All())
            EXPECT_EQ(text, *whole->Find(id)) << "prefix of " << length << " bytes";
    }
}

TEST(LanguageTable, CutsLongTextsToCharactersNeverInsideASequence)
{
    const std::string euro = "\xE2\x82\xAC"; // three bytes
    std::string text;
    for (int i = 0; i < 1100; ++i)
        text += euro;
    const auto table = ParseEntries("1 \"" + text + "\"\n2 \"" + text.substr(0, 1023 * 3) + "\"\n");
    ASSERT_TRUE(table);
    EXPECT_EQ(*table->Find(1), text.substr(0, 1023 * 3));
    EXPECT_EQ(*table->Find(2), text.substr(0, 1023 * 3));
}

TEST(LanguageTable, Utf8PrefixCountsCharacters)
{
    EXPECT_EQ(Utf8Prefix("abc", 2), "ab");
    EXPECT_EQ(Utf8Prefix("ñandú", 4), "ñand");
    EXPECT_EQ(Utf8Prefix("ñandú", 5), "ñandú");
    EXPECT_EQ(Utf8Prefix("ñandú", 50), "ñandú");
    EXPECT_EQ(Utf8Prefix("a\xF0\x9F\x8E\xB2"
                         "b",
                         2),
              "a\xF0\x9F\x8E\xB2");
    EXPECT_EQ(Utf8Prefix("", 3), "");
    EXPECT_EQ(Utf8Prefix("abc", 0), "");
}

TEST(LanguageTable, RefusesFilesPastTheSizeLimit)
{
    std::string content = LanguageFile("1 \"a\"\n");
    content += "#" + std::string(TLanguageTable::kMaxFileBytes - content.size() - 2, 'x') + "\n";
    ASSERT_EQ(content.size(), TLanguageTable::kMaxFileBytes);
    TTemporaryFile atLimit("limit.lng", content);
    EXPECT_TRUE(TLanguageTable::LoadFile(atLimit.Path()));

    content += "\n";
    TTemporaryFile pastLimit("huge.lng", content);
    std::string fault;
    EXPECT_FALSE(TLanguageTable::LoadFile(pastLimit.Path(), &fault));
    EXPECT_NE(fault.find("larger"), std::string::npos) << fault;
    EXPECT_FALSE(TLanguageTable::Parse(content));
}

TEST(LanguageTable, RefusesMissingFoldersAndEndlessFiles)
{
    std::string fault;
    EXPECT_FALSE(TLanguageTable::LoadFile(::testing::TempDir() + "no_such_language.lng", &fault));
    EXPECT_NE(fault.find("cannot open"), std::string::npos);
    EXPECT_FALSE(TLanguageTable::LoadFile(::testing::TempDir(), &fault));
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_FALSE(TLanguageTable::LoadFile("/dev/zero")); // refused at the limit, not read forever
    }
}

TEST(LanguageTable, FormatGivesBackTheBuiltInTable)
{
    TLanguageTable::Entries entries;
    for (const TBuiltinText &entry : BuiltinTexts())
        entries.emplace(entry.id, std::string(entry.text));
    const std::string file = TLanguageTable::Format(entries, "Spanish texts\nsecond comment line");
    EXPECT_EQ(file.rfind("QOR-EuroMillon language 1\n# Spanish texts\n# second comment line\n", 0), 0u);
    const auto table = TLanguageTable::Parse(file);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->All(), entries);
}
