// The command line speaks the language the environment asks for, in its own
// texts and in the core's, and names the file of an error once.
#include "cli_test_fixture.h"
#include "generator/generator_test_support.h"

#include "model/euromillon_apuestas.h"

namespace {

struct LanguageCase {
    const char *environment;
    const char *cannotOpen;
    const char *readError;
    const char *otherGame;
    const char *unknownOption;
};

const LanguageCase kLanguages[] = {
    {"LANG=es_ES.UTF-8", "no se puede abrir el archivo", "error de lectura: el archivo está cortado o dañado",
     "El archivo es del juego actual (estrellas 1 a 12); no puede leerse como juego clásico",
     "opción desconocida '--nada' (pruebe 'check --help')"},
    {"LANG=en_GB.UTF-8", "cannot open the file", "read error: the file is cut short or damaged",
     "The file belongs to the current game (stars 1 to 12); it cannot be read as the classic game",
     "unknown option '--nada' (try 'check --help')"},
    {"LANG=fr_FR.UTF-8", "impossible d'ouvrir le fichier",
     "erreur de lecture : le fichier est tronqué ou endommagé",
     "Le fichier est du jeu actuel (étoiles 1 à 12) ; il ne peut pas être lu comme jeu classique",
     "option inconnue « --nada » (essayez « check --help »)"},
    {"LANG=C", "cannot open the file", "read error: the file is cut short or damaged",
     "The file belongs to the current game (stars 1 to 12); it cannot be read as the classic game",
     "unknown option '--nada' (try 'check --help')"},
    // LANGUAGE first, unless the locale is C.
    {"LANG=es_ES.UTF-8 LANGUAGE=fr", "impossible d'ouvrir le fichier",
     "erreur de lecture : le fichier est tronqué ou endommagé",
     "Le fichier est du jeu actuel (étoiles 1 à 12) ; il ne peut pas être lu comme jeu classique",
     "option inconnue « --nada » (essayez « check --help »)"},
    {"LANG=C LANGUAGE=es", "cannot open the file", "read error: the file is cut short or damaged",
     "The file belongs to the current game (stars 1 to 12); it cannot be read as the classic game",
     "unknown option '--nada' (try 'check --help')"},
};

class CliLanguageTest : public CliTest {
protected:
    std::string Combination(const std::string &name, TGameEdition edition, BetMask bet) const
    {
        TEuroMillonApuestas apuestas(edition);
        apuestas.AppendMasks(&bet, 1);
        apuestas.SetName("una");
        apuestas.SaveToFile(Path(name));
        return Path(name);
    }

    // A draw archive of a published history, cut in the middle of its draws.
    std::string CutArchive()
    {
        const std::string whole = Path("whole.emx");
        EXPECT_EQ(Run("import-draws '" + std::string(QOR_HISTORY_DIR) + "/euromillions.csv' --archive '" +
                      whole + "'")
                      .status,
                  0);
        const std::string bytes = FileBytes(whole);
        EXPECT_GT(bytes.size(), 1000u);
        WriteFileBytes(Path("cut.emx"), bytes.substr(0, bytes.size() / 2));
        return Path("cut.emx");
    }
};

} // namespace

TEST_F(CliLanguageTest, TheSameErrorsInEachLanguageNameTheirFileOnce)
{
    const std::string aem = Combination("una.aem", TGameEdition::Classic, MaskOf({1, 2, 3, 4, 5}, {1, 2}));
    const std::string current =
        Combination("actual.aem", TGameEdition::Current, MaskOf({1, 2, 3, 4, 5}, {10, 12}));
    const std::string cut = CutArchive();
    const std::string missing = Path("none.aem");
    for (const LanguageCase &language : kLanguages) {
        const struct {
            std::string arguments, expected;
        } errors[] = {
            {"show '" + missing + "'", missing + ": " + language.cannotOpen},
            {"check '" + aem + "' --archive '" + cut + "'", cut + ": " + language.readError},
            {"--edition classic show '" + current + "'", current + ": " + language.otherGame},
            {"check '" + aem + "' --nada", language.unknownOption},
        };
        for (const auto &error : errors) {
            const CliResult result = RunWith(language.environment, std::string(), error.arguments);
            EXPECT_EQ(result.status, 2) << language.environment << " " << error.arguments;
            EXPECT_EQ(result.err, "qor-euromillon-cli: " + error.expected + "\n") << language.environment;
            EXPECT_EQ(result.out, "") << language.environment;
        }
    }
}

TEST_F(CliLanguageTest, HelpAndResultsFollowTheLanguage)
{
    const std::string aem = Combination("una.aem", TGameEdition::Classic, MaskOf({1, 2, 3, 4, 5}, {1, 2}));
    const struct {
        const char *environment;
        const char *usage;
        const char *summary;
    } cases[] = {
        {"LANG=es_ES.UTF-8", "Uso: qor-euromillon-cli show FILE.aem\n", "Combinación: una (1 apuestas, "},
        {"LANG=en_US.UTF-8", "Usage: qor-euromillon-cli show FILE.aem\n", "Combination: una (1 bets, "},
        {"LANG=fr_FR.UTF-8", "Usage : qor-euromillon-cli show FILE.aem\n", "Combinaison : una (1 paris, "},
        {"LANG=de_DE.UTF-8", "Usage: qor-euromillon-cli show FILE.aem\n", "Combination: una (1 bets, "},
    };
    const std::string archive = Path("whole.emx");
    ASSERT_EQ(Run("import-draws '" + std::string(QOR_HISTORY_DIR) + "/euromillions.csv' --archive '" +
                  archive + "'")
                  .status,
              0);
    for (const auto &c : cases) {
        const CliResult help = RunWith(c.environment, std::string(), "show --help");
        EXPECT_EQ(help.status, 0) << c.environment;
        EXPECT_TRUE(help.out.starts_with(c.usage)) << c.environment << "\n" << help.out;
        const CliResult check =
            RunWith(c.environment, std::string(), "check '" + aem + "' --archive '" + archive + "'");
        EXPECT_EQ(check.status, 0) << c.environment << ": " << check.err;
        EXPECT_TRUE(check.out.starts_with(c.summary)) << c.environment << "\n" << check.out;
    }
}
