#include "model/combination_helpers.h"
#include "model/euromillon_apuestas.h"

#include "cli_test_fixture.h"

#include <gtest/gtest.h>

namespace {

class CliEditionTest : public CliTest {
protected:
    std::string CurrentCombination()
    {
        TEuroMillonApuestas combination(TGameEdition::Current);
        AddBet(combination, "01.02.03.04.05-11.12");
        const std::string path = Path("current.aem");
        combination.SaveToFile(path);
        return path;
    }
};

} // namespace

TEST_F(CliEditionTest, AnUnknownOrMissingEditionIsAUsageError)
{
    for (const char *arguments : {"--edition modern show x.aem", "show x.aem --edition", "--edition= show x.aem"}) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("edition"), std::string::npos) << arguments << ": " << result.err;
        EXPECT_EQ(result.out, "") << arguments;
    }
}

TEST_F(CliEditionTest, TheClassicDefaultRefusesAFileOfTodaysGame)
{
    const std::string path = CurrentCombination();
    const CliResult result = Run("show '" + path + "'");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("(estrellas 1 a 12)"), std::string::npos) << result.err;
    EXPECT_EQ(Run("--edition classic show '" + path + "'").status, 2);
}

TEST_F(CliEditionTest, TheGeneralHelpNamesTheOption)
{
    const CliResult result = Run("--help");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("--edition classic|current"), std::string::npos);
}
