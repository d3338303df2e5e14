// generate and guarantee with today's game (--edition current).

#include "generator/genera_comb.h"
#include "generator/generator_test_support.h"
#include "model/euromillon_apuestas.h"

#include "cli_test_fixture.h"

#include <gtest/gtest.h>

#include <string>

TEST_F(CliTest, GenerateWithTodaysStarsWritesATodaysCombination)
{
    const std::string out = Path("altas.aem");
    CliResult generated = Run(
        "generate --edition current --numbers 1-6 --stars 10-12 --global 6 --name Altas -o '" + out + "'");
    ASSERT_EQ(generated.status, 0) << generated.err;
    EXPECT_TRUE(generated.out.starts_with("generated=18 valid=18 kept=3 seconds=")) << generated.out;
    EXPECT_EQ(FileBytes(out).substr(0, 4), "EMA2");

    TEuroMillonApuestas combination(TGameEdition::Current);
    combination.LoadFromFile(out);
    EXPECT_EQ(combination.Masks(),
              (std::vector<BetMask>{MaskOf({1, 2, 3, 4, 5}, {10, 11}), MaskOf({1, 2, 3, 4, 6}, {10, 12}),
                                    MaskOf({1, 2, 3, 5, 6}, {11, 12})}));
}

TEST_F(CliTest, ClassicGenerateRefusesStarsAboveNine)
{
    CliResult refused = Run("generate --numbers 1-6 --stars 10-12 -o '" + Path("x.aem") + "'");
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.err.find("--stars"), std::string::npos) << refused.err;
    CliResult help = Run("generate --help");
    EXPECT_NE(help.out.find("1-12 with --edition current"), std::string::npos);
}

TEST_F(CliTest, GenerationFileOfTheOtherGameIsRefused)
{
    TEuroMillonGeneraComb today(TGameEdition::Current);
    today.Seleccion().FromMask(MaskOf({1, 2, 3, 4, 5}, {11, 12}));
    const std::string gem = Path("hoy.gem");
    today.SaveToFile(gem);

    CliResult classic = Run("generate --gem '" + gem + "' -o '" + Path("c.aem") + "'");
    EXPECT_NE(classic.status, 0);
    EXPECT_NE(classic.err.find("The file belongs to the current game (stars 1 to 12)"), std::string::npos)
        << classic.err;

    CliResult current = Run("generate --edition current --gem '" + gem + "' -o '" + Path("d.aem") + "'");
    ASSERT_EQ(current.status, 0) << current.err;
    EXPECT_TRUE(current.out.starts_with("generated=1 valid=1 kept=1 ")) << current.out;
}

TEST_F(CliTest, GuaranteeOfTodaysCombinationCountsTwoPlusNothing)
{
    TEuroMillonApuestas combination(TGameEdition::Current);
    const std::vector<BetMask> bets = {MaskOf({1, 2, 20, 21, 22}, {1, 2})};
    combination.AppendMasks(bets.data(), bets.size());
    const std::string path = Path("dos.aem");
    combination.SaveToFile(path);

    CliResult report = Run("guarantee --edition current '" + path + "' --numbers 1-6 --stars 10,11");
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("\n2+0 4 66.6667\nnone 2 33.3333\n"), std::string::npos) << report.out;
    EXPECT_NE(report.out.find("guaranteed=none draws=6 "), std::string::npos) << report.out;
    EXPECT_EQ(Lines(report.out), 15);

    CliResult classic = Run("guarantee --edition classic '" + path + "'");
    EXPECT_NE(classic.status, 0);
    EXPECT_NE(classic.err.find("current game"), std::string::npos) << classic.err;
}
