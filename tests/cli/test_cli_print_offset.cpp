// print --offset reads millimetres through the print window's own parser:
// a typed value and the whole tenths it rounds to print the same page.
#include "cli/cli_test_fixture.h"

#ifdef QOR_CLI_HAS_PRINT

#include <regex>

namespace {

class CliPrintOffsetTest : public CliTest {
protected:
    // The ticket PDF of one bet at the offset, its creation time left out.
    std::string PrintAt(const std::string &offset)
    {
        if (!std::filesystem::exists(Path("one.aem"))) {
            std::ofstream(Path("one.txt")) << "1 2 3 4 5 1 2\n";
            EXPECT_EQ(Run("import '" + Path("one.txt") + "' -o '" + Path("one.aem") + "'").status, 0);
        }
        const std::string pdf = Path("offset.pdf");
        const CliResult printed =
            Run("print '" + Path("one.aem") + "' --pdf '" + pdf + "' --offset " + offset);
        EXPECT_EQ(printed.status, 0) << offset << ": " << printed.err;
        return std::regex_replace(FileBytes(pdf), std::regex("/CreationDate \\([^)]*\\)"), "");
    }
};

TEST_F(CliPrintOffsetTest, TypedMillimetresRoundToTheTenthsTheWindowKeeps)
{
    const struct {
        const char *typed, *tenths;
    } cases[] = {{"0.05,0", "0.1,0"}, {"0.25,0", "0.3,0"}, {"-0.25,0", "-0.3,0"}, {"1.25,-1.25", "1.3,-1.3"}};
    for (const auto &c : cases)
        EXPECT_EQ(PrintAt(c.typed), PrintAt(c.tenths)) << c.typed;
    // The page places boxes in its own units of 0.28 mm, where 1.2 and 1.3 mm
    // land apart: rounding 1.25 half to even would print at 1.2.
    EXPECT_NE(PrintAt("1.25,-1.25"), PrintAt("1.2,-1.2"));
}

TEST_F(CliPrintOffsetTest, OffsetsPastAMetreAreRefused)
{
    std::ofstream(Path("one.txt")) << "1 2 3 4 5 1 2\n";
    ASSERT_EQ(Run("import '" + Path("one.txt") + "' -o '" + Path("one.aem") + "'").status, 0);
    const CliResult refused =
        Run("print '" + Path("one.aem") + "' --pdf '" + Path("x.pdf") + "' --offset 1000.05,0");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--offset"), std::string::npos) << refused.err;
}

} // namespace

#endif
