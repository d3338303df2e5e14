// The draw commands of the command-line program in today's game.
#include "cli_test_fixture.h"

#include "draws/draw_files.h"
#include "model/euromillon_apuestas.h"

namespace {

class CliDrawsTest : public CliTest {
protected:
    // The six published histories of the source tree, quoted for the shell.
    static std::string Histories()
    {
        const std::filesystem::path tree = std::filesystem::path(QOR_TEST_DATA_DIR) / ".." / "..";
        std::string arguments;
        for (const std::string &path :
             ArchivosHistorial((tree / "src" / "data" / "history").lexically_normal().string()))
            arguments += " '" + path + "'";
        return arguments;
    }

    // A combination of today's game whose one bet hits 2+0 in the draw of
    // 19 May 2026 (2 12 20 38 45, stars 2 5).
    std::string TwoNoneCombination() const
    {
        TEuroMillonApuestas apuestas(TGameEdition::Current);
        const BetMask bet = NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(12) | StarBit(10) |
                            StarBit(12);
        apuestas.AppendMasks(&bet, 1);
        apuestas.SetName("dos mas cero");
        apuestas.SaveToFile(Path("actual.aem"));
        return Path("actual.aem");
    }
};

} // namespace

TEST_F(CliDrawsTest, ImportDrawsOfTodaysGameTakesAllSixHistories)
{
    CliResult result = Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Added: 1947\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Skipped: 0\n"), std::string::npos) << result.out;
    EXPECT_EQ(Slurp(Path("a.emx")).substr(0, 4), "EMS3");

    // The classic game keeps the draws whose stars fit 1 to 9, with 12 categories.
    result = Run("import-draws" + Histories() + " --archive '" + Path("c.emx") + "'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Slurp(Path("c.emx")).substr(0, 4), "EMS1");
    EXPECT_EQ(result.out.find("Skipped: 0\n"), std::string::npos) << result.out;
}

TEST_F(CliDrawsTest, CheckOfTodaysGameCountsTwoNoneAtTheDrawsPrice)
{
    ASSERT_EQ(Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'").status, 0);
    const std::string combination = TwoNoneCombination();
    CliResult result = Run("--edition current check '" + combination + "' --archive '" + Path("a.emx") +
                           "' --from 2026-05-19 --to 2026-05-19");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("     2+0           1             4.30\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Cost: 2.50\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("2026-05-19   2+0"), std::string::npos) << result.out;

    result = Run("--edition current check '" + combination + "' --archive '" + Path("a.emx") +
                 "' --from 2026-05-19 --to 2026-05-19 --price 3,00");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Cost: 3.00\n"), std::string::npos) << result.out;
    EXPECT_NE(Run("--edition current check '" + combination + "' --archive '" + Path("a.emx") + "' --price x").status,
              0);
}

TEST_F(CliDrawsTest, ClassicCheckRefusesTodaysFilesClearly)
{
    ASSERT_EQ(Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'").status, 0);
    CliResult result = Run("--edition classic check '" + TwoNoneCombination() + "' --archive '" + Path("a.emx") + "'");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("El archivo es del juego actual (estrellas 1 a 12); no puede leerse como juego clásico"),
              std::string::npos)
        << result.err;

    TEuroMillonApuestas classic;
    const BetMask bet = NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(5) | StarBit(1) |
                        StarBit(2);
    classic.AppendMasks(&bet, 1);
    classic.SaveToFile(Path("clasico.aem"));
    result = Run("check '" + Path("clasico.aem") + "' --archive '" + Path("a.emx") + "'");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("El archivo es del juego actual (estrellas 1 a 12); no puede leerse como juego clásico"),
              std::string::npos)
        << result.err;
}
