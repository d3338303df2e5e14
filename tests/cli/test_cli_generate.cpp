#include "generator/genera_comb.h"
#include "generator/optimizer_test_support.h"
#include "generator/reduction_verifier.h"
#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"

#include "cli_test_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

TEST_F(CliTest, GenerateWritesTheKeptBetsAndShowPrintsThem)
{
    const std::string out = Path("seis.aem");
    CliResult generated = Run("generate --numbers 1-6 --stars 1-3 --global 6 --name Prueba -o '" + out + "'");
    ASSERT_EQ(generated.status, 0) << generated.err;
    EXPECT_TRUE(generated.out.starts_with("generated=18 valid=18 kept=3 seconds=")) << generated.out;
    EXPECT_EQ(generated.err, "") << "no progress bar when standard error is not a terminal";

    TEuroMillonApuestas combination;
    combination.LoadFromFile(out);
    EXPECT_EQ(combination.Name(), "Prueba");
    EXPECT_EQ(combination.Count(), 3);

    CliResult shown = Run("show '" + out + "'");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, "Prueba\n01.02.03.04.05-01.02\n01.02.03.04.06-01.03\n01.02.03.05.06-02.03\n");
}

TEST_F(CliTest, GemFileSettingsAndOverrides)
{
    TEuroMillonGeneraComb settings;
    for (int n = 1; n <= 10; ++n)
        settings.Seleccion().Block(1).Add(n);
    settings.Seleccion().Block(2).Add(1);
    settings.Seleccion().Block(2).Add(2);
    settings.SetTipoReduccion(2);
    settings.SetReduccionB1(3);
    const std::string gem = Path("diez.gem");
    settings.SaveToFile(gem);

    CliResult fromFile = Run("generate --gem '" + gem + "' -o '" + Path("a.aem") + "'");
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_TRUE(fromFile.out.starts_with("generated=252 valid=252 kept=6 ")) << fromFile.out;

    CliResult overridden =
        Run("generate --gem '" + gem + "' --blocks 5,2 --stars 1,2,9 -o '" + Path("b.aem") + "'");
    ASSERT_EQ(overridden.status, 0) << overridden.err;
    EXPECT_TRUE(overridden.out.starts_with("generated=756 valid=756 kept=756 ")) << overridden.out;
    CliResult shown = Run("show '" + Path("b.aem") + "'");
    EXPECT_EQ(Lines(shown.out), 757);
    EXPECT_TRUE(shown.out.starts_with("b\n01.02.03.04.05-01.02\n")) << "default name is the file's";
}

TEST_F(CliTest, OptimizeWritesNoMoreBetsWithTheSameGuarantee)
{
    const std::string out = Path("diez.aem");
    CliResult optimized =
        Run("generate --numbers 1-10 --stars 1,2 --global 6 --optimize 1 --seed 5 -o '" + out + "'");
    ASSERT_EQ(optimized.status, 0) << optimized.err;
    EXPECT_TRUE(optimized.out.starts_with("generated=252 valid=252 kept=")) << optimized.out;
    EXPECT_NE(optimized.out.find(" greedy=22\n"), std::string::npos) << optimized.out;

    TEuroMillonApuestas combination;
    combination.LoadFromFile(out);
    // How far one second gets depends on the machine; never more than the
    // greedy result, always the same guarantee.
    EXPECT_LE(combination.Count(), 22);
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 10, 2);
    SetGlobal(settings, 6);
    EXPECT_TRUE(VerifyReduction(settings, combination.Masks()).Completa());
}

TEST_F(CliTest, OptimizeFromTheGemFileAndTurnedOff)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 7, 2);
    SetGlobal(settings, 6);
    settings.SetOptimizarSegundos(1);
    const std::string gem = Path("siete.gem");
    settings.SaveToFile(gem);

    CliResult fromFile = Run("generate --gem '" + gem + "' -o '" + Path("a.aem") + "'");
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_NE(fromFile.out.find(" greedy=3\n"), std::string::npos) << fromFile.out;
    CliResult off = Run("generate --gem '" + gem + "' --optimize 0 -o '" + Path("b.aem") + "'");
    ASSERT_EQ(off.status, 0) << off.err;
    EXPECT_EQ(off.out.find("greedy="), std::string::npos) << off.out;
}

TEST_F(CliTest, HelpForEachCommand)
{
    for (const char *command : {"generate", "show"}) {
        CliResult help = Run(std::string(command) + " --help");
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("Usage: qor-euromillon-cli " + std::string(command)), std::string::npos);
    }
}

TEST_F(CliTest, BadInputGivesOneLineAndStatusTwoAndWritesNothing)
{
    const std::string out = Path("never.aem");
    const std::string garbage = Path("garbage.gem");
    std::ofstream(garbage, std::ios::binary) << "EMA0 not settings";
    const std::string cases[] = {
        "generate --numbers 1-6 --stars 1-3",                   // no output
        "generate --numbers 1-60 --stars 1-3 -o '" + out + "'", // out of range
        "generate --numbers 5-1 --stars 1-3 -o '" + out + "'",  // reversed range
        "generate --numbers 1,x --stars 1-3 -o '" + out + "'",  // not a number
        "generate --numbers 1-4 --stars 1-3 -o '" + out + "'",  // too few numbers
        "generate --numbers 1-9 --stars 4 -o '" + out + "'",    // too few stars
        "generate --numbers 1-9 --stars 1-3 --global 8 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --blocks 4 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --global 6 --blocks 4,2 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --frobnicate 1 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --global 6 --optimize -1 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --global 6 --optimize 86401 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --global 6 --optimize 1.5 -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --global 6 --optimize 1 --seed x -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 --global 6 --seed 3 -o '" + out + "'",
        "generate --gem '" + Path("missing.gem") + "' -o '" + out + "'",
        "generate --gem '" + garbage + "' -o '" + out + "'",
        "generate --numbers 1-9 --stars 1-3 -o '" + Path("no/such/folder.aem") + "'",
        "show",
        "show '" + Path("missing.aem") + "'",
        "show '" + garbage + "'",
    };
    for (const std::string &arguments : cases) {
        CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(Lines(result.err), 1) << arguments << "\n" << result.err;
        EXPECT_TRUE(result.err.starts_with("qor-euromillon-cli: ")) << result.err;
        EXPECT_FALSE(fs::exists(out)) << arguments;
    }
    EXPECT_NE(Run("show '" + garbage + "'").err.find("garbage.gem"), std::string::npos) << "names the file";
}
