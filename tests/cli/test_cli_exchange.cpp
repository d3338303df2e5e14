#include "model/combination_helpers.h"
#include "model/euromillon_apuestas.h"

#include "cli_test_fixture.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class CliExchangeTest : public CliTest {
protected:
    static void WriteText(const std::string &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // c.aem holding the bets of the given text, made by the import command.
    std::string CombinationOf(const std::string &bets)
    {
        const std::string text = Path("bets.txt");
        WriteText(text, bets);
        const std::string aem = Path("c.aem");
        EXPECT_EQ(Run("import '" + text + "' -o '" + aem + "'").status, 0);
        return aem;
    }

    // Status 2, one line on standard error, nothing on standard output.
    void ExpectRefused(const std::string &arguments)
    {
        CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(Lines(result.err), 1) << arguments << ": " << result.err;
        EXPECT_EQ(result.out, "") << arguments;
    }
};

} // namespace

TEST_F(CliExchangeTest, ImportPrintsTheLineCountsAndWritesTheBets)
{
    const std::string text = Path("bets.txt");
    WriteText(text, "03.15.27.41.50-02.09\r\n\r\n; weekly\r\n1 2 3 4 55\r\n1 2 3 4 5 6 7");
    const std::string out = Path("Semana.aem");
    CliResult result = Run("import '" + text + "' -o '" + out + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "lines=5 blank=1 bets=2 comments=1 errors=1\n");

    TEuroMillonApuestas combination;
    combination.LoadFromFile(out);
    EXPECT_EQ(combination.Name(), "Semana");
    EXPECT_EQ(BetTexts(combination), "03.15.27.41.50-02.09 01.02.03.04.05-06.07");
}

TEST_F(CliExchangeTest, ImportAppendsToAnExistingCombinationAndNamesIt)
{
    const std::string text = Path("bets.txt");
    WriteText(text, "10 20 30 40 50 8 9\n");
    const std::string out = Path("c.aem");
    ASSERT_EQ(Run("import '" + text + "' -o '" + out + "' --name Primera").status, 0);
    CliResult result = Run("import '" + text + "' -o '" + out + "' --append");
    ASSERT_EQ(result.status, 0) << result.err;
    TEuroMillonApuestas combination;
    combination.LoadFromFile(out);
    EXPECT_EQ(combination.Name(), "Primera");
    EXPECT_EQ(combination.Count(), 2);
    ASSERT_EQ(Run("import '" + text + "' -o '" + out + "' --append --name Segunda").status, 0);
    combination.LoadFromFile(out);
    EXPECT_EQ(combination.Name(), "Segunda");
    EXPECT_EQ(combination.Count(), 3);
}

TEST_F(CliExchangeTest, ImportErrorsExitWithOneLineAndWriteNothing)
{
    const std::string out = Path("out.aem");
    const std::string empty = Path("empty.txt");
    WriteText(empty, "; nothing here\r\n1 2 3\r\n");
    const std::string notACombination = Path("text.aem");
    WriteText(notACombination, "hello");
    for (const std::string &arguments :
         {std::string("import"), "import '" + Path("missing.txt") + "' -o '" + out + "'",
          "import '" + empty + "'", "import '" + empty + "' -o '" + out + "'",
          "import '" + empty + "' -o '" + out + "' --bogus",
          "import '" + empty + "' -o '" + Path("missing.aem") + "' --append",
          "import '" + empty + "' -o '" + notACombination + "' --append",
          "import '" + empty + "' -o '" + Path("no/folder/x.aem") + "'"}) {
        ExpectRefused(arguments);
        EXPECT_FALSE(fs::exists(out)) << arguments;
    }
    EXPECT_EQ(FileBytes(notACombination), "hello");
}

TEST_F(CliExchangeTest, ExportTextWithDefaultAndChosenSeparators)
{
    const std::string aem = CombinationOf("3 15 27 41 50 2 9\n1 2 3 4 5 6 7\n");

    const std::string out = Path("out.txt");
    CliResult result = Run("export '" + aem + "' --text '" + out + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "bets=2\n");
    EXPECT_EQ(FileBytes(out), "03.15.27.41.50-02.09\r\n01.02.03.04.05-06.07\r\n");

    result = Run("export '" + aem + "' --text '" + out + "' --numbers-separator tab --blocks-separator ''");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileBytes(out), "03\t15\t27\t41\t50 02\t09\r\n01\t02\t03\t04\t05 06\t07\r\n");

    result =
        Run("export '" + aem + "' --text '" + out + "' --numbers-separator abcdefg --blocks-separator ' | '");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileBytes(out),
              "03abcde15abcde27abcde41abcde50 | 02abcde09\r\n01abcde02abcde03abcde04abcde05 | 06abcde07\r\n");
}

TEST_F(CliExchangeTest, ExportWorkbookWritesAZipContainer)
{
    const std::string aem = CombinationOf("3 15 27 41 50 2 9\n");
    const std::string out = Path("c.xlsx");
    CliResult result = Run("export '" + aem + "' --xlsx '" + out + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "bets=1\n");
    EXPECT_EQ(FileBytes(out).substr(0, 2), "PK");
}

TEST_F(CliExchangeTest, ExportErrorsExitWithOneLineAndLeaveTheOldFile)
{
    const std::string aem = CombinationOf("3 15 27 41 50 2 9\n");
    const std::string text = Path("bets.txt");
    const std::string out = Path("old.txt");
    WriteText(out, "old");
    for (const std::string &arguments :
         {std::string("export"), "export '" + aem + "'",
          "export '" + aem + "' --text '" + out + "' --xlsx x.xlsx",
          "export '" + aem + "' --xlsx '" + out + "' --numbers-separator ,", "export '" + aem + "' --text",
          "export '" + text + "' --text '" + out + "'",
          "export '" + Path("missing.aem") + "' --text '" + out + "'",
          "export '" + aem + "' --text '" + Path("no/folder/x.txt") + "'",
          "export '" + aem + "' --xlsx '" + Path("no/folder/x.xlsx") + "'"}) {
        ExpectRefused(arguments);
        EXPECT_EQ(FileBytes(out), "old") << arguments;
    }
}

TEST_F(CliExchangeTest, HelpForImportAndExport)
{
    for (const char *command : {"import", "export"}) {
        CliResult help = Run(std::string(command) + " --help");
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("Usage: qor-euromillon-cli " + std::string(command)), std::string::npos);
    }
}
