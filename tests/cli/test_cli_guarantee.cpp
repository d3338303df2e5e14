#include "cli_test_fixture.h"
#include "generator/generator_test_support.h"

#include "draws/draw_archive.h"
#include "generator/guarantee_analyser.h"
#include "generator/guarantee_odds.h"
#include "model/euromillon_apuestas.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

void WriteCombination(const std::string &path, const std::vector<BetMask> &bets)
{
    TEuroMillonApuestas combination;
    combination.SetName("Garantia");
    combination.AppendMasks(bets.data(), bets.size());
    combination.SaveToFile(path);
}

// The output up to the seconds, as the command must print it.
std::string ExpectedTable(const std::vector<std::string> &rows, const std::string &guaranteed, int64_t draws)
{
    std::string text;
    for (const std::string &row : rows)
        text += row + "\n";
    return text + "guaranteed=" + guaranteed + " draws=" + std::to_string(draws) + " seconds=";
}

} // namespace

TEST_F(CliTest, GuaranteeOfOneBetOverItsOwnValues)
{
    const std::string file = Path("una.aem");
    WriteCombination(file, {MaskOf({3, 14, 22, 35, 48}, {2, 9})});
    const CliResult result = Run("guarantee '" + file + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string expected =
        ExpectedTable({"5+2 1 100.0000", "5+1 0 0.0000", "5+0 0 0.0000", "4+2 0 0.0000", "4+1 0 0.0000",
                       "4+0 0 0.0000", "3+2 0 0.0000", "3+1 0 0.0000", "2+2 0 0.0000", "3+0 0 0.0000",
                       "1+2 0 0.0000", "2+1 0 0.0000", "none 0 0.0000"},
                      "5+2", 1);
    EXPECT_TRUE(result.out.starts_with(expected)) << result.out;
    EXPECT_EQ(Lines(result.out), 14);
}

TEST_F(CliTest, GuaranteeOfTheGreedyGlobalSixOverAWiderSelection)
{
    const std::string file = Path("seis.aem");
    ASSERT_EQ(Run("generate --numbers 1-6 --stars 1-3 --global 6 -o '" + file + "'").status, 0);
    const CliResult own = Run("guarantee '" + file + "'");
    ASSERT_EQ(own.status, 0) << own.err;
    EXPECT_TRUE(own.out.starts_with("5+2 3 16.6667\n")) << own.out;
    EXPECT_NE(own.out.find("\nguaranteed=4+2 draws=18 seconds="), std::string::npos) << own.out;

    // One more number and star: draws the bets know nothing of.
    const CliResult wider = Run("guarantee --numbers 1-7 --stars 1-4 '" + file + "'");
    ASSERT_EQ(wider.status, 0) << wider.err;
    TEuroMillonApuestas combination;
    combination.LoadFromFile(file);
    BetMask selection = MaskOf({1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4});
    TGuaranteeAnalyser analyser;
    const TGuaranteeReport report = analyser.Analyse(combination.Masks(), selection);
    std::string expected;
    for (int categoria = 1; categoria <= kSinPremio; ++categoria) {
        char line[64];
        std::snprintf(line, sizeof line, "%s %lld %.4f\n", GuaranteeCategoryText(categoria).c_str(),
                      static_cast<long long>(report.All.Count(categoria)), report.All.Percent(categoria));
        expected += line;
    }
    expected += "guaranteed=" + GuaranteeCategoryText(report.All.Guaranteed()) + " draws=126 seconds=";
    EXPECT_TRUE(wider.out.starts_with(expected)) << wider.out;
}

TEST_F(CliTest, GuaranteeOfAnEmptyCombinationOverASelectionIsNone)
{
    const std::string file = Path("vacia.aem");
    WriteCombination(file, {});
    const CliResult result = Run("guarantee --stars 1,2 '" + file + "' --numbers 10-14");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\nnone 1 100.0000\nguaranteed=none draws=1 seconds="), std::string::npos)
        << result.out;
}

TEST_F(CliTest, GuaranteeOddsOverTheWholeGame)
{
    const std::string file = Path("dos.aem");
    const std::vector<BetMask> bets = {MaskOf({1, 2, 3, 4, 5}, {1, 2}), MaskOf({1, 2, 3, 4, 6}, {1, 3})};
    WriteCombination(file, bets);
    const std::string archive = Path("a.emx");
    TSorteosEuroMillon draws;
    TSorteoEuroMillonInfo draw;
    draw.FechaSorteo = 38065;
    draw.Acertantes[1] = 1;
    draw.PremioCategoria[1] = CurrencyFromUnits(20000000);
    draw.Acertantes[12] = 90000;
    draw.PremioCategoria[12] = CurrencyFromUnits(9);
    draws.AddSorteo(draw);
    draws.SaveToFile(archive);

    const CliResult result = Run("guarantee '" + file + "' --odds --archive '" + archive + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    TGuaranteeAnalyser analyser;
    const TGuaranteeOdds odds = analyser.Odds(bets);
    std::string expected = "\n";
    int64_t sum = 0;
    for (int categoria = 1; categoria <= kSinPremio; ++categoria) {
        expected += "whole " + GuaranteeCategoryText(categoria) + " " +
                    std::to_string(odds.Best.Count(categoria)) + "\n";
        sum += odds.Best.Count(categoria);
    }
    EXPECT_EQ(sum, 76275360);
    char last[160];
    std::snprintf(last, sizeof last, "whole expected-winning-bets=%.6f expected-prizes=%s cost=4.00\n",
                  odds.ExpectedWinningBets(),
                  PlainAmount(ExpectedPrizes(odds, AveragePrizes(draws))).c_str());
    expected += last;
    EXPECT_TRUE(result.out.ends_with(expected)) << result.out;
    EXPECT_NE(result.out.find("\nwhole 5+2 2\nwhole 5+1 28\n"), std::string::npos) << result.out;
    EXPECT_EQ(Lines(result.out), 14 + 14);

    // Without --odds, the report alone.
    EXPECT_EQ(Lines(Run("guarantee '" + file + "'").out), 14);
    // The current game: 2+0 and its draws.
    const std::string current = Path("actual.aem");
    TEuroMillonApuestas today(TGameEdition::Current);
    today.AppendMasks(bets.data(), bets.size());
    today.SaveToFile(current);
    const CliResult now = Run("--edition current guarantee '" + current + "' --odds");
    ASSERT_EQ(now.status, 0) << now.err;
    EXPECT_NE(now.out.find("\nwhole 2+0 "), std::string::npos) << now.out;
    EXPECT_NE(now.out.find("\nwhole expected-winning-bets="), std::string::npos) << now.out;
}

TEST_F(CliTest, GuaranteeHelpAndBadInput)
{
    const CliResult help = Run("guarantee --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: qor-euromillon-cli guarantee FILE.aem")) << help.out;

    const std::string file = Path("una.aem");
    WriteCombination(file, {MaskOf({3, 14, 22, 35, 48}, {2, 9})});
    const std::string garbage = Path("garbage.aem");
    std::ofstream(garbage, std::ios::binary) << "EMC0 not a combination";
    const std::string cases[] = {
        "guarantee",
        "guarantee '" + Path("missing.aem") + "'",
        "guarantee '" + garbage + "'",
        "guarantee '" + file + "' '" + file + "'",
        "guarantee '" + file + "' --numbers",
        "guarantee '" + file + "' --numbers 0-7",
        "guarantee '" + file + "' --stars 1-10",
        "guarantee '" + file + "' --stars 2",
        "guarantee '" + file + "' --numbers 1-4",
        "guarantee '" + file + "' --global 6",
        "guarantee '" + file + "' --archive '" + Path("a.emx") + "'",
        "guarantee '" + file + "' --odds --archive",
        "guarantee '" + file + "' --odds --archive '" + Path("missing.emx") + "'",
        "guarantee '" + file + "' --odds --archive '" + garbage + "'",
    };
    for (const std::string &arguments : cases) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(Lines(result.err), 1) << arguments << "\n" << result.err;
        EXPECT_TRUE(result.err.starts_with("qor-euromillon-cli: ")) << result.err;
        EXPECT_EQ(result.out, "") << arguments;
    }
    EXPECT_NE(Run("guarantee '" + garbage + "'").err.find("garbage.aem"), std::string::npos)
        << "names the file";
}
