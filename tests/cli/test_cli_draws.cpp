// The draw commands of the command-line program in today's game.
#include "cli_test_fixture.h"

#include "draws/draw_files.h"
#include "draws/draw_import.h"
#include "model/euromillon_apuestas.h"

#include <fstream>

namespace {

class CliDrawsTest : public CliTest {
protected:
    // The six published histories of the source tree, quoted for the shell.
    static std::string Histories()
    {
        std::string arguments;
        for (const std::string &path : HistoryFiles(QOR_HISTORY_DIR))
            arguments += " '" + path + "'";
        return arguments;
    }

    // A combination of today's game whose one bet hits 2+0 in the draw of
    // 19 May 2026 (2 12 20 38 45, stars 2 5).
    std::string TwoNoneCombination() const
    {
        TEuroMillonApuestas apuestas(TGameEdition::Current);
        const BetMask bet = NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(12) |
                            StarBit(10) | StarBit(12);
        apuestas.AppendMasks(&bet, 1);
        apuestas.SetName("dos mas cero");
        apuestas.SaveToFile(Path("actual.aem"));
        return Path("actual.aem");
    }
};

} // namespace

TEST_F(CliDrawsTest, ImportDrawsOfTodaysGameTakesAllSixHistories)
{
    CliResult result =
        Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Added: 1947\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Skipped: 0\n"), std::string::npos) << result.out;
    EXPECT_EQ(FileBytes(Path("a.emx")).substr(0, 4), "EMS3");

    // The classic game keeps its own 378 draws; the later ones are today's.
    result = Run("import-draws" + Histories() + " --archive '" + Path("c.emx") + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileBytes(Path("c.emx")).substr(0, 4), "EMS1");
    EXPECT_NE(result.out.find("Added: 378\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Skipped: 0\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Today's game: 1569\n"), std::string::npos) << result.out;
}

TEST_F(CliDrawsTest, CheckOfTodaysGameCountsTwoNoneAtTheDrawsPrice)
{
    ASSERT_EQ(
        Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'").status, 0);
    const std::string combination = TwoNoneCombination();
    CliResult result = Run("--edition current check '" + combination + "' --archive '" + Path("a.emx") +
                           "' --from 2026-05-19 --to 2026-05-19");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("     2+0           1             4.30\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Price per draw: 2.50 (1 bet at 2.50)\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Cost of 1 draw: 2.50\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Profit: 1.80\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Profit percentage: 72.00 %\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("2026-05-19   2+0"), std::string::npos) << result.out;

    result = Run("--edition current check '" + combination + "' --archive '" + Path("a.emx") +
                 "' --from 2026-05-19 --to 2026-05-19 --price 3,00");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Cost of 1 draw: 3.00\n"), std::string::npos) << result.out;
    EXPECT_NE(Run("--edition current check '" + combination + "' --archive '" + Path("a.emx") + "' --price x")
                  .status,
              0);
}

TEST_F(CliDrawsTest, ClassicCheckRefusesTodaysFilesClearly)
{
    ASSERT_EQ(
        Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'").status, 0);
    CliResult result =
        Run("--edition classic check '" + TwoNoneCombination() + "' --archive '" + Path("a.emx") + "'");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(
        result.err.find(
            "The file belongs to the current game (stars 1 to 12); it cannot be read as the classic game"),
        std::string::npos)
        << result.err;

    TEuroMillonApuestas classic;
    const BetMask bet =
        NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(5) | StarBit(1) | StarBit(2);
    classic.AppendMasks(&bet, 1);
    classic.SaveToFile(Path("clasico.aem"));
    result = Run("check '" + Path("clasico.aem") + "' --archive '" + Path("a.emx") + "'");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(
        result.err.find(
            "The file belongs to the current game (stars 1 to 12); it cannot be read as the classic game"),
        std::string::npos)
        << result.err;
}

TEST_F(CliDrawsTest, CheckCostsEveryBetInEveryDrawAtItsPrice)
{
    ASSERT_EQ(
        Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'").status, 0);
    TEuroMillonApuestas apuestas(TGameEdition::Current);
    const std::vector<BetMask> bets(26, NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) |
                                            NumberBit(5) | StarBit(1) | StarBit(2));
    apuestas.AppendMasks(bets.data(), bets.size());
    apuestas.SaveToFile(Path("26.aem"));
    CliResult result =
        Run("--edition current check '" + Path("26.aem") + "' --archive '" + Path("a.emx") + "' --summary");
    ASSERT_EQ(result.status, 0) << result.err;
    // 940 draws at 2.00 and 1,007 at 2.50: 26 x 4,397.50.
    EXPECT_NE(
        result.out.find("Price per draw: 65.00 (26 bets at 2.50) in 1007 draws; 52.00 (26 bets at 2.00) in "
                        "940 draws\n"),
        std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Cost of 1947 draws: 114,335.00\n"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("Winning bets:"), std::string::npos) << result.out;
    EXPECT_NE(Run("--edition current check '" + Path("26.aem") + "' --archive '" + Path("a.emx") + "'")
                  .out.find("Winning bets:"),
              std::string::npos);
}

TEST_F(CliDrawsTest, ARepeatedDayImportsAsThePrizesWindowImportsIt)
{
    // The window imports through ImportDrawFiles; import-draws must give the
    // same archive and name the same lines.
    const std::string header = "date_de_tirage;boule_1;boule_2;boule_3;boule_4;boule_5;etoile_1;etoile_2" +
                               [] {
                                   std::string ranks;
                                   for (int k = 1; k <= 12; ++k)
                                       ranks += ";nombre_de_gagnant_au_rang" + std::to_string(k) +
                                                "_en_europe;rapport_du_rang" + std::to_string(k);
                                   return ranks;
                               }() +
                               "\n";
    auto row = [](const std::string &date, const std::string &numbers) {
        std::string line = date + ";" + numbers + ";1;2";
        for (int k = 1; k <= 12; ++k)
            line += ";" + std::to_string(k) + ";" + std::to_string(k) + ",5";
        return line + "\n";
    };
    const std::string csv = Path("dup.csv");
    {
        std::ofstream out(csv, std::ios::binary);
        out << header << row("20/02/2004", "1;2;3;4;5") << row("20/02/2004", "6;7;8;9;10")
            << row("13/02/2004", "11;12;13;14;15");
    }
    CliResult result = Run("import-draws '" + csv + "' --archive '" + Path("cli.emx") + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    const TImportReport informe = ImportDrawFiles({csv}, Path("window.emx"));
    ASSERT_EQ(informe.Errores.size(), 1u);
    EXPECT_EQ(informe.Errores[0].Linea, 3);
    EXPECT_EQ(FileBytes(Path("cli.emx")), FileBytes(Path("window.emx")));
    EXPECT_NE(result.out.find("Added: 2\nReplaced: 0\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(csv + ", line 3: " + informe.Errores[0].Motivo + "\n"), std::string::npos)
        << result.out;
    EXPECT_NE(informe.Errores[0].Motivo.find("line 2"), std::string::npos);
}
