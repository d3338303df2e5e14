// qor-euromillon-cli generate: runs a generation from options or a generation
// file and writes the kept bets as a combination file.

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "generator/genera_comb.h"
#include "generator/reduction_optimizer.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/text_lookup.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

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

// Fills options from the values given; returns an error message, empty when
// all is well.
std::string ReadOptions(const CliArguments &args, GenerateOptions &options)
{
    options.gem = args.Value("--gem");
    options.name = args.Value("--name");
    options.output = args.Value("--output");
    std::string error;
    if (const std::optional<std::string> value = args.Value("--numbers")) {
        options.numbers = ParseValueList(*value, 1, 50, error);
        if (!options.numbers)
            return "--numbers: " + error;
    }
    if (const std::optional<std::string> value = args.Value("--stars")) {
        options.stars = ParseValueList(*value, 1, GameRules(EditionInForce()).HighestStar, error);
        if (!options.stars)
            return "--stars: " + error;
    }
    if (const std::optional<std::string> value = args.Value("--global")) {
        options.global = ParseInteger(*value);
        if (!options.global || *options.global < 1 || *options.global > 7)
            return "--global: " + FormatText(GetText(kTxtCliNotALevel), {*value});
    }
    if (const std::optional<std::string> value = args.Value("--blocks")) {
        const size_t comma = value->find(',');
        std::optional<int> n = ParseInteger(value->substr(0, comma));
        std::optional<int> s =
            comma == std::string::npos ? std::nullopt : ParseInteger(value->substr(comma + 1));
        if (!n || !s || *n < 1 || *n > 5 || *s < 1 || *s > 2)
            return "--blocks: " + FormatText(GetText(kTxtCliNotBlocks), {*value});
        options.blocks = std::make_pair(*n, *s);
    }
    if (const std::optional<std::string> value = args.Value("--optimize")) {
        options.optimize = ParseInteger(*value);
        if (!options.optimize || *options.optimize < 0 || *options.optimize > 86400)
            return "--optimize: " + FormatText(GetText(kTxtCliNotSeconds), {*value});
    }
    if (const std::optional<std::string> value = args.Value("--seed")) {
        options.seed = ParseInteger(*value);
        if (!options.seed || *options.seed < 0)
            return "--seed: " + FormatText(GetText(kTxtCliNotASeed), {*value});
    }
    if (options.global && options.blocks)
        return GetText(kTxtCliGlobalOrBlocks);
    if (options.seed && !options.optimize)
        return GetText(kTxtCliSeedNeedsOptimize);
    if (!options.output || options.output->empty())
        return GetText(kTxtCliNoOutputFile);
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
    std::fprintf(stderr, "\r[%s%s] %5.1f%%  %s", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(width - filled), ' ').c_str(), fraction * 100.0,
                 FormatText(GetText(kTxtCliProgressKept), {settings.Apuestas().Count()}).c_str());
    std::fflush(stderr);
}

void DrawSearchProgress(const TOptimizeProgress &progress)
{
    char seconds[32], budget[32];
    std::snprintf(seconds, sizeof seconds, "%.0f", progress.seconds);
    std::snprintf(budget, sizeof budget, "%.0f", progress.budgetSeconds);
    std::fprintf(
        stderr, "\r%s   ",
        FormatText(GetText(kTxtCliOptimizing), {progress.best, progress.greedy, seconds, budget}).c_str());
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

int RunGenerate(const CliArguments &args)
{
    GenerateOptions options;
    if (std::string error = ReadOptions(args, options); !error.empty())
        return CliFail(error);

    TEuroMillonGeneraComb settings(EditionInForce());
    if (options.gem && !LoadOrReport(settings, *options.gem))
        return kCliUsageError;
    ApplyOptions(options, settings);
    const int numbers = settings.Seleccion().Block(kBlockNumbers).Count();
    const int stars = settings.Seleccion().Block(kBlockStars).Count();
    if (numbers < 5 || stars < 2)
        return CliFail(FormatText(GetText(kTxtCliSelectionTooSmallForBet), {numbers, stars}));

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
        std::cerr << "qor-euromillon-cli: " << GetText(kTxtCliTooLargeToOptimize) << std::endl;
    const bool searched = optimized && (optimized->status == TOptimizeStatus::kOptimized ||
                                        optimized->status == TOptimizeStatus::kGreedyKept);
    if (searched && kept > 0 && !optimized->verified)
        return CliFail(GetText(kTxtCliCoverageCheckFailed));
    if (kept == 0)
        return CliFail(GetText(kTxtCliNoBetPasses));

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

const CliRegistration kGenerateRegistration({
    .name = "generate",
    .summary = kTxtCliSummaryGenerate,
    .usage = {kTxtCliUsageGenerate, kTxtCliUsageGenerateOptions, kTxtCliUsageGenerateGame},
    .options = {{"--gem", true},
                {"--numbers", true},
                {"--stars", true},
                {"--global", true},
                {"--blocks", true},
                {"--optimize", true},
                {"--seed", true},
                {"--name", true},
                {"--output", true, "-o"}},
    .leastOperands = 0,
    .mostOperands = 0,
    .run = RunGenerate,
});

} // namespace
