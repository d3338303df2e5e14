// qor-euromillon-cli guarantee: what a combination file guarantees over a
// selection, one line per prize category.

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "generator/guarantee_analyser.h"
#include "generator/guarantee_odds.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

const char *kGuaranteeUsage =
    "Usage: qor-euromillon-cli guarantee FILE.aem [--numbers LIST] [--stars LIST]\n"
    "                                    [--odds [--archive FILE.emx]]\n"
    "\n"
    "Takes every draw whose 5 numbers and 2 stars lie in the selection and finds the\n"
    "best prize category any bet of the combination wins against it. Prints one line\n"
    "per category, CAT draws percent (5+2 ... 2+1, and 2+0 today, then none for no\n"
    "prize), and a last line guaranteed=CAT draws=N seconds=S, CAT being the worst of\n"
    "the draws.\n"
    "\n"
    "  --numbers LIST  selected numbers (1-50), e.g. 1-10,15,20; default: every\n"
    "                  number of the combination\n"
    "  --stars LIST    selected stars (1-9; 1-12 with --edition current); default:\n"
    "                  every star of the combination\n"
    "  --odds          then the odds over every draw of the game: one line per\n"
    "                  category, whole CAT DRAWS (the draws whose best prize is CAT),\n"
    "                  whole none DRAWS, and whole expected-winning-bets=X\n"
    "                  expected-prizes=Y cost=Z: the bets that win in one draw and\n"
    "                  what they win at the archive's average prize per category,\n"
    "                  on average over every draw, and what one draw costs\n"
    "  --archive FILE  the draw archive of the average prizes (default: the\n"
    "                  program's own of the edition)\n"
    "\n"
    "FILE.aem is read in the game it names (an --edition of another game refuses\n"
    "it); today's game adds the category 2+0.\n";

BetMask MaskOfValues(const std::vector<int> &values, BetMask (*bit)(int))
{
    BetMask mask = 0;
    for (int value : values)
        mask |= bit(value);
    return mask;
}

// A one-line bar redrawn in place on a terminal.
void DrawProgress(int64_t done, int64_t total)
{
    const double fraction = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1;
    const int width = 30;
    const int filled = static_cast<int>(fraction * width);
    std::fprintf(stderr, "\r[%s%s] %5.1f%%", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(width - filled), ' ').c_str(), fraction * 100.0);
    std::fflush(stderr);
}

// The average prizes of the archive named, or of the program's own (none
// when the program has none). Raises the archive's errors.
TAveragePrizes ReadAverages(TGameEdition edition, const std::optional<std::string> &archive)
{
    if (!archive)
        return AveragePrizesOfArchive(edition);
    TSorteosEuroMillon draws(edition);
    draws.LoadFromFile(*archive);
    return AveragePrizes(draws);
}

void PrintOdds(const TGuaranteeOdds &odds, TGameEdition edition, const TAveragePrizes &averages)
{
    const int categories = odds.Best.Categories;
    for (int categoria = 1; categoria <= odds.Best.SinPremio(); ++categoria)
        std::printf("whole %s %lld\n", GuaranteeCategoryText(categoria, categories).c_str(),
                    static_cast<long long>(odds.Best.Count(categoria)));
    std::printf("whole expected-winning-bets=%.6f expected-prizes=%s cost=%s\n", odds.ExpectedWinningBets(),
                PlainAmount(ExpectedPrizes(odds, averages)).c_str(),
                PlainAmount(CostOfOneDraw(odds.Bets, edition)).c_str());
}

struct GuaranteeOptions {
    std::optional<std::string> path;
    std::optional<BetMask> numbers;
    std::optional<BetMask> stars;
    std::optional<std::string> archive;
    bool odds = false;
};

// Returns an error message, or "" with the options filled.
std::string ParseGuaranteeOptions(const std::vector<std::string> &args, GuaranteeOptions &options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &argument = args[i];
        if (argument == "--odds") {
            options.odds = true;
        } else if (argument == "--archive") {
            if (i + 1 >= args.size())
                return "option '" + argument + "' needs a value";
            options.archive = args[++i];
        } else if (argument == "--numbers" || argument == "--stars") {
            if (i + 1 >= args.size())
                return "option '" + argument + "' needs a value";
            std::string error;
            const bool isNumbers = argument == "--numbers";
            const int highest = isNumbers ? 50 : GameRules(EditionInForce()).HighestStar;
            const std::optional<std::vector<int>> values = ParseValueList(args[++i], 1, highest, error);
            if (!values)
                return argument + ": " + error;
            (isNumbers ? options.numbers : options.stars) =
                MaskOfValues(*values, isNumbers ? &NumberBit : &StarBit);
        } else if (argument.starts_with("-") || options.path) {
            return "argument '" + argument + "' is not known (try 'guarantee --help')";
        } else {
            options.path = argument;
        }
    }
    if (!options.path || options.path->empty())
        return "guarantee takes one combination file (try 'guarantee --help')";
    if (options.archive && !options.odds)
        return "--archive goes with --odds (try 'guarantee --help')";
    return {};
}

int RunGuarantee(const std::vector<std::string> &args)
{
    if (args.size() == 1 && IsHelpOption(args[0])) {
        std::cout << kGuaranteeUsage;
        return 0;
    }
    GuaranteeOptions options;
    if (std::string error = ParseGuaranteeOptions(args, options); !error.empty())
        return CliFail(error);
    const std::optional<std::string> &path = options.path;
    const std::optional<BetMask> &numbers = options.numbers;
    const std::optional<BetMask> &stars = options.stars;
    const std::optional<std::string> &archive = options.archive;
    const bool odds = options.odds;

    TEuroMillonApuestas combination(EditionInForce());
    if (!LoadOrReport(combination, *path))
        return kCliUsageError;
    // Without a selection the analyser takes the bets' values as it marks
    // them, sparing a pass over millions of bets; the selection is checked
    // before anything is printed either way.
    BetMask selection = 0;
    if (numbers || stars) {
        const BetMask own = SelectionOfBets(combination.Masks());
        selection = (numbers ? *numbers : own & kNumberBits) | (stars ? *stars : own & kAnyStarBits);
    }
    auto tooFew = [](BetMask values) { return CountNumbers(values) < 5 || CountStars(values) < 2; };
    auto refuse = [](BetMask values) {
        return CliFail("the selection holds " + std::to_string(CountNumbers(values)) + " numbers and " +
                       std::to_string(CountStars(values)) +
                       " stars; a draw needs at least 5 numbers and 2 stars");
    };
    if (selection != 0 && tooFew(selection))
        return refuse(selection);

    // A named archive that cannot be read stops the command before the work.
    TAveragePrizes averages;
    if (odds) {
        if (archive) {
            std::error_code missing;
            if (!std::filesystem::is_regular_file(*archive, missing))
                return CliFail("no draw archive at " + *archive);
        }
        try {
            averages = ReadAverages(combination.Edition(), archive);
        } catch (const Exception &error) {
            return CliFileFail(archive.value_or(ArchivoSorteos(combination.Edition())), error.Message());
        }
    }

    TGuaranteeAnalyser analyser;
    analyser.SetEdition(combination.Edition());
    analyser.SetWithOdds(odds);
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    if (showProgress)
        analyser.OnProgress = DrawProgress;
    const auto start = std::chrono::steady_clock::now();
    const TGuaranteeReport report = analyser.Analyse(combination.Masks(), selection);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (showProgress)
        std::fputs("\n", stderr);
    if (selection == 0 && tooFew(report.Selection))
        return refuse(report.Selection);

    const int categories = report.All.Categories;
    for (int categoria = 1; categoria <= report.All.SinPremio(); ++categoria)
        std::printf("%s %lld %.4f\n", GuaranteeCategoryText(categoria, categories).c_str(),
                    static_cast<long long>(report.All.Count(categoria)), report.All.Percent(categoria));
    std::printf("guaranteed=%s draws=%lld seconds=%.2f\n",
                GuaranteeCategoryText(report.All.Guaranteed(), categories).c_str(),
                static_cast<long long>(report.All.Draws), seconds);
    if (odds)
        PrintOdds(report.Odds, combination.Edition(), averages);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

const CliRegistration kGuaranteeRegistration({"guarantee", "what a combination guarantees over a selection",
                                              RunGuarantee});

} // namespace
