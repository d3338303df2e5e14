// The edges of the command line: the end of the options, names with control
// characters, wide text, and reading commands that follow the file's game.
#include "cli_test_fixture.h"
#include "generator/generator_test_support.h"

#include "draws/draw_files.h"
#include "model/euromillon_apuestas.h"

#include <string_view>

namespace {

constexpr const char *kOtherGame =
    "The file belongs to the current game (stars 1 to 12); it cannot be read as the classic game";

class CliEdgesTest : public CliTest {
protected:
    std::string Combination(const std::string &name, TGameEdition edition, const std::string &combinationName,
                            BetMask bet) const
    {
        TEuroMillonApuestas apuestas(edition);
        apuestas.AppendMasks(&bet, 1);
        apuestas.SetName(combinationName);
        apuestas.SaveToFile(Path(name));
        return Path(name);
    }

    // The six published histories of the source tree, quoted for the shell.
    static std::string Histories()
    {
        std::string arguments;
        for (const std::string &path : HistoryFiles(QOR_HISTORY_DIR))
            arguments += " '" + path + "'";
        return arguments;
    }
};

} // namespace

TEST_F(CliEdgesTest, DoubleDashEndsTheOptionsForADashNamedFile)
{
    Combination("-dash.aem", TGameEdition::Classic, "guion", MaskOf({1, 2, 3, 4, 5}, {1, 2}));
    CliResult result = RunInFolder("show -dash.aem");
    EXPECT_EQ(result.status, 2);
    result = RunInFolder("show -- -dash.aem");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "guion\n01.02.03.04.05-01.02\n");
    // An --edition after the "--" is a file name, not an option.
    result = RunInFolder("show -- --edition");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--edition"), std::string::npos) << result.err;

    result = RunInFolder("export -- -dash.aem --text out.txt");
    EXPECT_EQ(result.status, 2); // after "--", --text is a second file
    result = RunInFolder("export --text out.txt -- -dash.aem");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileBytes(Path("out.txt")), "01.02.03.04.05-01.02\r\n");

    for (const char *command :
         {"show", "check", "export", "print", "guarantee", "generate", "import", "import-draws"}) {
        if (std::string_view(command) == "print" && !CliHasPrint())
            continue;
        result = Run(std::string(command) + " --help");
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_NE(result.out.find("-- ends the options"), std::string::npos) << command;
    }
}

TEST_F(CliEdgesTest, ShowEscapesControlCharactersOfTheName)
{
    const std::string aem = Combination("n.aem", TGameEdition::Classic, "Línea 1\nLínea 2\t\\fin\x01",
                                        MaskOf({1, 2, 3, 4, 5}, {1, 2}));
    const CliResult result = Run("show '" + aem + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Línea 1\\nLínea 2\\t\\\\fin\\x01\n01.02.03.04.05-01.02\n");
}

TEST_F(CliEdgesTest, WideTextIsReadCharacterByCharacter)
{
    const std::u16string text = u"10 20 30 40 50 1 9\r\n; comentario\r\n1 2 3\r\n";
    struct Case {
        const char *name;
        int unit;
        bool bigEndian;
    };
    for (const Case &c : {Case{"utf16le.txt", 2, false}, Case{"utf16be.txt", 2, true},
                          Case{"utf32le.txt", 4, false}, Case{"utf32be.txt", 4, true}}) {
        std::string bytes;
        auto put = [&bytes, &c](uint32_t code) {
            for (int k = 0; k < c.unit; ++k) {
                const int shift = 8 * (c.bigEndian ? c.unit - 1 - k : k);
                bytes += static_cast<char>((code >> shift) & 0xFF);
            }
        };
        put(0xFEFF);
        for (char16_t ch : text)
            put(ch);
        std::ofstream(Path(c.name), std::ios::binary) << bytes;
        const std::string aem = Path(std::string(c.name) + ".aem");
        CliResult result = Run("import '" + Path(c.name) + "' -o '" + aem + "'");
        EXPECT_EQ(result.status, 0) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, "lines=3 blank=1 bets=1 comments=1 errors=0\n") << c.name;
        result = Run("show '" + aem + "'");
        EXPECT_EQ(result.out, std::string(c.name) + "\n10.20.30.40.50-01.09\n") << c.name;
    }
}

TEST_F(CliEdgesTest, ReadingCommandsFollowTheFilesGame)
{
    const std::string aem =
        Combination("actual.aem", TGameEdition::Current, "actual", MaskOf({1, 2, 3, 4, 12}, {10, 12}));
    CliResult result = Run("show '" + aem + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "actual\n01.02.03.04.12-10.12\n");

    ASSERT_EQ(
        Run("--edition current import-draws" + Histories() + " --archive '" + Path("a.emx") + "'").status, 0);
    result = Run("check '" + aem + "' --archive '" + Path("a.emx") + "' --from 2026-05-19 --to 2026-05-19");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("     2+0           1             4.30\n"), std::string::npos) << result.out;

    result = Run("guarantee '" + aem + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    result = Run("export '" + aem + "' --text '" + Path("out.txt") + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileBytes(Path("out.txt")), "01.02.03.04.12-10.12\r\n");

    // A classic file is read in the classic game with no --edition either.
    const std::string classic =
        Combination("clasico.aem", TGameEdition::Classic, "c", MaskOf({1, 2, 3, 4, 5}, {1, 2}));
    result = Run("show '" + classic + "'");
    EXPECT_EQ(result.status, 0) << result.err;
}

TEST_F(CliEdgesTest, AnExplicitEditionOfAnotherGameIsStillRefused)
{
    const std::string aem =
        Combination("actual.aem", TGameEdition::Current, "actual", MaskOf({1, 2, 3, 4, 12}, {10, 12}));
    for (const std::string &arguments :
         {"--edition classic show '" + aem + "'", "show '" + aem + "' --edition=classic",
          "--edition classic export '" + aem + "' --text '" + Path("out.txt") + "'",
          "--edition classic guarantee '" + aem + "'"}) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find(kOtherGame), std::string::npos) << arguments << ": " << result.err;
        EXPECT_EQ(result.out, "") << arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));

    // Creating commands keep the classic game by default.
    std::ofstream(Path("bets.txt"), std::ios::binary) << "1 2 3 4 5 10 12\n";
    const CliResult made = Run("import '" + Path("bets.txt") + "' -o '" + Path("nuevo.aem") + "'");
    EXPECT_EQ(made.status, 2);
    EXPECT_NE(made.err.find("no bet found"), std::string::npos) << made.err;
}

// Every error about a file names it once, whichever of the command's files it is.
TEST_F(CliEdgesTest, AnErrorNamesItsFileOnce)
{
    const std::string aem =
        Combination("one.aem", TGameEdition::Classic, "una", MaskOf({1, 2, 3, 4, 5}, {1, 2}));
    WriteFileBytes(Path("cut.emx"), std::string("EMS1\x06", 5)); // an archive cut short
    const struct {
        std::string arguments, file;
    } cases[] = {
        {"check '" + aem + "' --archive '" + Path("cut.emx") + "'", Path("cut.emx")},
        {"show '" + Path("none.aem") + "'", Path("none.aem")},
        {"check '" + Path("none.aem") + "' --archive '" + Path("cut.emx") + "'", Path("none.aem")},
    };
    for (const auto &c : cases) {
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.status, 2) << c.arguments;
        const size_t first = result.err.find(c.file);
        EXPECT_NE(first, std::string::npos) << result.err;
        EXPECT_EQ(result.err.find(c.file, first + 1), std::string::npos) << "named twice: " << result.err;
    }
}
