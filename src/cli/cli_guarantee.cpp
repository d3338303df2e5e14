// qor-euromillon-cli guarantee: what a combination file guarantees over a
// selection, one line per prize category.

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "generator/guarantee_analyser.h"
#include "generator/guarantee_odds.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/text_lookup.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

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

// The selection of --numbers or --stars; none when not given. Returns an
// error message, or "".
std::string ReadSelection(const CliArguments &args, const std::string &option, std::optional<BetMask> &mask)
{
    const std::optional<std::string> value = args.Value(option);
    if (!value)
        return {};
    const bool isNumbers = option == "--numbers";
    const int highest = isNumbers ? 50 : GameRules(EditionInForce()).HighestStar;
    std::string error;
    const std::optional<std::vector<int>> values = ParseValueList(*value, 1, highest, error);
    if (!values)
        return option + ": " + error;
    mask = MaskOfValues(*values, isNumbers ? &NumberBit : &StarBit);
    return {};
}

int RunGuarantee(const CliArguments &args)
{
    const std::string path = args.Operand(0);
    std::optional<BetMask> numbers, stars;
    for (const auto &[option, mask] : {std::pair{"--numbers", &numbers}, std::pair{"--stars", &stars}})
        if (std::string error = ReadSelection(args, option, *mask); !error.empty())
            return CliFail(error);
    const std::optional<std::string> archive = args.Value("--archive");
    const bool odds = args.Has("--odds");
    if (archive && !odds)
        return CliFail(FormatText(GetText(kTxtCliArchiveGoesWithOdds), {"guarantee"}));

    TEuroMillonApuestas combination(EditionInForce());
    if (!LoadOrReport(combination, path))
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
        return CliFail(
            FormatText(GetText(kTxtCliSelectionTooSmallForDraw), {CountNumbers(values), CountStars(values)}));
    };
    if (selection != 0 && tooFew(selection))
        return refuse(selection);

    // A named archive that cannot be read stops the command before the work.
    TAveragePrizes averages;
    if (odds) {
        if (archive) {
            std::error_code missing;
            if (!std::filesystem::is_regular_file(*archive, missing))
                return CliFileFail(*archive, GetText(kTxtCliNoDrawArchive));
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

const CliRegistration kGuaranteeRegistration({
    .name = "guarantee",
    .summary = kTxtCliSummaryGuarantee,
    .usage = {kTxtCliUsageGuarantee, kTxtCliUsageGuaranteeOptions, kTxtCliUsageGuaranteeGame},
    .options = {{"--numbers", true}, {"--stars", true}, {"--archive", true}, {"--odds"}},
    .missingOperand = kTxtCliNoCombinationFile,
    .run = RunGuarantee,
});

} // namespace
