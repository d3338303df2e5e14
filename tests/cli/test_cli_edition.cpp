#include "cli_test_fixture.h"

#include <gtest/gtest.h>

namespace {

class CliEditionTest : public CliTest {
protected:
    // cur.aem of today's game, made by the import command from the text.
    std::string CurrentCombination(const std::string &bets)
    {
        const std::string text = Path("bets.txt");
        std::ofstream(text, std::ios::binary) << bets;
        const std::string aem = Path("cur.aem");
        const CliResult made = Run("--edition current import '" + text + "' -o '" + aem + "'");
        EXPECT_EQ(made.status, 0) << made.err;
        return aem;
    }

    // Refused with status 2 and the message that the file is of today's game.
    void ExpectOtherGame(const std::string &arguments)
    {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(
            result.err.find("The file belongs to the current game (stars 1 to 12); it cannot be read as the "
                            "classic game"),
            std::string::npos)
            << arguments << ": " << result.err;
        EXPECT_EQ(result.out, "") << arguments;
    }
};

} // namespace

TEST_F(CliEditionTest, ImportOfTodaysGameKeepsStarsTenToTwelve)
{
    const std::string aem = CurrentCombination("1 2 3 4 5 10 12\n06.07.08.09.11-11.03\n1 2 3 4 5 13 1\n");
    EXPECT_EQ(FileBytes(aem).substr(0, 4), "EMA2");
    const CliResult shown = Run("show '" + aem + "' --edition current");
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, "cur\n01.02.03.04.05-10.12\n06.07.08.09.11-03.11\n");
}

TEST_F(CliEditionTest, TheClassicImportRefusesStarsAboveNine)
{
    const std::string text = Path("bets.txt");
    std::ofstream(text, std::ios::binary) << "1 2 3 4 5 10 12\n1 2 3 4 5 1 9\n";
    const CliResult result = Run("import '" + text + "' -o '" + Path("c.aem") + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "lines=2 blank=0 bets=1 comments=0 errors=1\n");
    EXPECT_EQ(FileBytes(Path("c.aem")).substr(0, 4), "EMA0");
}

TEST_F(CliEditionTest, EveryCommandRefusesAFileOfTodaysGameInTheClassicGame)
{
    const std::string aem = CurrentCombination("1 2 3 4 5 10 12\n");
    ExpectOtherGame("--edition classic show '" + aem + "'");
    ExpectOtherGame("export '" + aem + "' --text '" + Path("out.txt") + "' --edition classic");
    ExpectOtherGame("--edition classic export '" + aem + "' --xlsx '" + Path("out.xlsx") + "'");
    std::ofstream(Path("more.txt"), std::ios::binary) << "1 2 3 4 5 1 2\n";
    ExpectOtherGame("import '" + Path("more.txt") + "' -o '" + aem + "' --append");
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
    EXPECT_FALSE(std::filesystem::exists(Path("out.xlsx")));
}

TEST_F(CliEditionTest, ExportOfTodaysGameWritesItsStars)
{
    const std::string aem = CurrentCombination("1 2 3 4 5 10 12\n");
    const CliResult result = Run("--edition current export '" + aem + "' --text '" + Path("out.txt") + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileBytes(Path("out.txt")), "01.02.03.04.05-10.12\r\n");
}

TEST_F(CliEditionTest, AppendingToAFileOfTodaysGameTakesItsStars)
{
    const std::string aem = CurrentCombination("1 2 3 4 5 10 12\n");
    std::ofstream(Path("more.txt"), std::ios::binary) << "6 7 8 9 10 11 1\n";
    const CliResult appended =
        Run("import '" + Path("more.txt") + "' -o '" + aem + "' --append --edition current");
    EXPECT_EQ(appended.status, 0) << appended.err;
    const CliResult shown = Run("--edition=current show '" + aem + "'");
    EXPECT_EQ(shown.out, "cur\n01.02.03.04.05-10.12\n06.07.08.09.10-01.11\n");
}

TEST_F(CliEditionTest, AClassicFileIsRefusedInTodaysGame)
{
    const std::string text = Path("bets.txt");
    std::ofstream(text, std::ios::binary) << "1 2 3 4 5 1 9\n";
    ASSERT_EQ(Run("import '" + text + "' -o '" + Path("c.aem") + "'").status, 0);
    const CliResult result = Run("--edition current show '" + Path("c.aem") + "'");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("The file belongs to the classic game (stars 1 to 9)"), std::string::npos)
        << result.err;
}

#ifdef QOR_CLI_HAS_PRINT
TEST_F(CliEditionTest, PrintOfTodaysGameNeedsATemplate)
{
    const std::string aem = CurrentCombination("1 2 3 4 5 10 12\n");
    const CliResult classic = Run("--edition classic print '" + aem + "' --pdf '" + Path("a.pdf") + "'");
    EXPECT_NE(classic.err.find("it cannot be read as the classic game"), std::string::npos) << classic.err;
    const CliResult automatic = Run("--edition current print '" + aem + "' --pdf '" + Path("a.pdf") + "'");
    EXPECT_EQ(automatic.status, 2);
    EXPECT_NE(automatic.err.find("--template"), std::string::npos) << automatic.err;
    EXPECT_FALSE(std::filesystem::exists(Path("a.pdf")));
}
#endif

TEST_F(CliEditionTest, AnUnknownOrMissingEditionIsAUsageError)
{
    for (const char *arguments :
         {"--edition modern show x.aem", "show x.aem --edition", "--edition= show x.aem"}) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("edition"), std::string::npos) << arguments << ": " << result.err;
        EXPECT_EQ(result.out, "") << arguments;
    }
}

TEST_F(CliEditionTest, TheGeneralHelpNamesTheOption)
{
    const CliResult result = Run("--help");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("--edition classic|current"), std::string::npos);
}
