// qor-euromillon-cli generate: runs a generation from options or a generation
// file and writes the kept bets as a combination file.

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "generator/genera_comb.h"
#include "generator/reduction_optimizer.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_constants.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

const char *kGenerateUsage =
    "Usage: qor-euromillon-cli generate [--gem FILE] [--numbers LIST] [--stars LIST]\n"
    "                                   [--global L | --blocks N,S] [--optimize SECONDS [--seed N]]\n"
    "                                   [--name NAME] -o OUT.aem\n"
    "\n"
    "Enumerates every simple bet of the selected numbers and stars, keeps those that pass\n"
    "the group conditions and, with a reduction, those no earlier kept bet covers, and\n"
    "writes them to OUT.aem.\n"
    "\n"
    "  --gem FILE      selection, reduction and conditions from a generation file\n"
    "  --numbers LIST  selected numbers (1-50), e.g. 1-10,15,20\n"
    "  --stars LIST    selected stars (1-9; 1-12 with --edition current)\n"
    "  --global L      global reduction: a kept bet covers a candidate sharing L of its\n"
    "                  7 values (1-7; 7 means no reduction)\n"
    "  --blocks N,S    block reduction: sharing N numbers and S stars (N 1-5, S 1-2;\n"
    "                  5,2 means no reduction)\n"
    "  --optimize SECONDS\n"
    "                  after the greedy reduction, search up to SECONDS (0-86400; 0 turns\n"
    "                  off what the generation file asks) for fewer bets with the same\n"
    "                  guarantee\n"
    "  --seed N        seed of that search (default 1): the same seed follows the same path\n"
    "  --name NAME     name of the combination (default: OUT's file name)\n"
    "  -o OUT.aem      the combination file to write\n"
    "\n"
    "The game is the edition in force (--edition classic|current, classic by default):\n"
    "a generation file of the other game is refused, and OUT.aem is of that game.\n"
    "Options after --gem override what the file says. The last line printed reads\n"
    "generated=G valid=V kept=K seconds=S, followed by greedy=G when optimizing.\n";

struct GenerateOptions {
    std::optional<std::string> gem;
    std::optional<std::vector<int>> numbers;
    std::optional<std::vector<int>> stars;
    std::optional<int> global;
    std::optional<std::pair<int, int>> blocks;
    std::optional<int> optimize;
    std::optional<int> seed;
    std::optional<std::string> name;
    std::optional<std::string> output;
};

// Fills options; returns an error message, empty when all is well.
std::string ParseOptions(const std::vector<std::string> &args, GenerateOptions &options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &option = args[i];
        if (i + 1 >= args.size())
            return "option '" + option + "' " + (option.starts_with("-") ? "needs a value" : "is not known");
        const std::string &value = args[++i];
        std::string error;
        if (option == "--gem") {
            options.gem = value;
        } else if (option == "--numbers") {
            options.numbers = ParseValueList(value, 1, 50, error);
            if (!options.numbers)
                return "--numbers: " + error;
        } else if (option == "--stars") {
            options.stars = ParseValueList(value, 1, GameRules(EditionInForce()).HighestStar, error);
            if (!options.stars)
                return "--stars: " + error;
        } else if (option == "--global") {
            options.global = ParseInteger(value);
            if (!options.global || *options.global < 1 || *options.global > 7)
                return "--global: '" + value + "' is not a level of 1 to 7";
        } else if (option == "--blocks") {
            const size_t comma = value.find(',');
            std::optional<int> n = ParseInteger(value.substr(0, comma));
            std::optional<int> s =
                comma == std::string::npos ? std::nullopt : ParseInteger(value.substr(comma + 1));
            if (!n || !s || *n < 1 || *n > 5 || *s < 1 || *s > 2)
                return "--blocks: '" + value + "' is not N,S with N of 1 to 5 and S of 1 to 2";
            options.blocks = std::make_pair(*n, *s);
        } else if (option == "--optimize") {
            options.optimize = ParseInteger(value);
            if (!options.optimize || *options.optimize < 0 || *options.optimize > 86400)
                return "--optimize: '" + value + "' is not a number of seconds from 0 to 86400";
        } else if (option == "--seed") {
            options.seed = ParseInteger(value);
            if (!options.seed || *options.seed < 0)
                return "--seed: '" + value + "' is not a whole number of 0 or more";
        } else if (option == "--name") {
            options.name = value;
        } else if (option == "-o" || option == "--output") {
            options.output = value;
        } else {
            return "option '" + option + "' is not known (try 'generate --help')";
        }
    }
    if (options.global && options.blocks)
        return "--global and --blocks exclude each other";
    if (options.seed && !options.optimize)
        return "--seed needs --optimize";
    if (!options.output || options.output->empty())
        return "no output file given (-o OUT.aem)";
    return {};
}

void SetBlock(TEuroMillonApuestaMult &selection, int block, const std::vector<int> &values)
{
    TEuroMillonNums &target = selection.Block(block);
    target.BeginUpdate();
    target.Clear();
    for (int value : values)
        target.Add(value);
    target.EndUpdate();
}

// A one-line bar redrawn in place on a terminal.
void DrawProgress(const TEuroMillonGeneraComb &settings, int64_t possible)
{
    const double fraction =
        possible > 0 ? static_cast<double>(settings.Generadas()) / static_cast<double>(possible) : 1;
    const int width = 30;
    const int filled = static_cast<int>(fraction * width);
    std::fprintf(stderr, "\r[%s%s] %5.1f%%  kept %d", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(width - filled), ' ').c_str(), fraction * 100.0,
                 settings.Apuestas().Count());
    std::fflush(stderr);
}

void DrawSearchProgress(const TOptimizeProgress &progress)
{
    std::fprintf(stderr, "\roptimizing: %d bets (greedy %d)  %.0f of %.0f s   ", progress.best,
                 progress.greedy, progress.seconds, progress.budgetSeconds);
    std::fflush(stderr);
}

// The selection and the reduction of the options over those of the
// generation file, if any.
void ApplyOptions(const GenerateOptions &options, TEuroMillonGeneraComb &settings)
{
    if (options.numbers)
        SetBlock(settings.Seleccion(), kBlockNumbers, *options.numbers);
    if (options.stars)
        SetBlock(settings.Seleccion(), kBlockStars, *options.stars);
    if (options.global) {
        settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        settings.SetReduccionGlobal(*options.global);
    }
    if (options.blocks) {
        settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
        settings.SetReduccionB1(options.blocks->first);
        settings.SetReduccionB2(options.blocks->second);
    }
    if (options.optimize)
        settings.SetOptimizarSegundos(*options.optimize);
}

int RunGenerate(const std::vector<std::string> &args)
{
    if (args.size() == 1 && IsHelpOption(args[0])) {
        std::cout << kGenerateUsage;
        return 0;
    }
    GenerateOptions options;
    if (std::string error = ParseOptions(args, options); !error.empty())
        return CliFail(error);

    TEuroMillonGeneraComb settings(EditionInForce());
    if (options.gem && !LoadOrReport(settings, *options.gem))
        return kCliUsageError;
    ApplyOptions(options, settings);
    const int numbers = settings.Seleccion().Block(kBlockNumbers).Count();
    const int stars = settings.Seleccion().Block(kBlockStars).Count();
    if (numbers < 5 || stars < 2)
        return CliFail("the selection holds " + std::to_string(numbers) + " numbers and " +
                       std::to_string(stars) + " stars; a bet needs at least 5 numbers and 2 stars");

    const int64_t possible = settings.ApuestasPosibles();
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    if (showProgress)
        settings.OnProgress = [&](void *) { DrawProgress(settings, possible); };
    const auto start = std::chrono::steady_clock::now();
    int32_t kept = 0;
    std::optional<TOptimizeResult> optimized;
    if (settings.OptimizarSegundos() > 0) {
        TOptimizeOptions search;
        search.seconds = settings.OptimizarSegundos();
        search.seed = static_cast<uint64_t>(options.seed.value_or(1));
        if (showProgress)
            search.onProgress = [](const TOptimizeProgress &progress) {
                DrawSearchProgress(progress);
                return false;
            };
        optimized.emplace();
        kept = GenerarOptimizado(settings, search, &*optimized);
    } else {
        kept = settings.Generar();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (showProgress)
        std::fputs("\n", stderr);
    if (optimized && kept > 0 && optimized->status == TOptimizeStatus::kTooLarge)
        std::fputs(
            "qor-euromillon-cli: the selection is too large to optimize; the greedy reduction is kept\n",
            stderr);
    const bool searched = optimized && (optimized->status == TOptimizeStatus::kOptimized ||
                                        optimized->status == TOptimizeStatus::kGreedyKept);
    if (searched && kept > 0 && !optimized->verified)
        return CliFail("the bets found failed the coverage check; nothing written");
    if (kept == 0)
        return CliFail("no bet passes the group conditions; nothing written");

    TEuroMillonApuestas &combination = settings.Apuestas();
    combination.SetName(options.name ? *options.name
                                     : std::filesystem::path(*options.output).stem().string());
    try {
        combination.SaveToFile(*options.output);
    } catch (const Exception &error) {
        return CliFileFail(*options.output, error.Message());
    }
    std::printf("generated=%d valid=%d kept=%d seconds=%.2f", settings.Generadas(), settings.Validas(), kept,
                seconds);
    if (optimized)
        std::printf(" greedy=%d", optimized->greedy);
    std::printf("\n");
    return 0;
}

const CliRegistration kGenerateRegistration({"generate",
                                             "generate bets from a selection into a combination file",
                                             RunGenerate});

} // namespace
