// qor-euromillon-cli import FILE.txt -o OUT.aem [--append] [--name NAME]:
// reads the bets of any text, as the import window does, into a combination file.

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "exchange/bet_text_reader.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_rules.h"
#include "model/text_lookup.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

int RunImport(const CliArguments &args)
{
    const std::string input = args.Operand(0);
    const std::string output = args.Value("--output").value_or(std::string());
    if (output.empty())
        return CliFail(GetText(kTxtCliNoOutputFile));

    // The game of --edition: a file of the other game is refused (45801).
    TEuroMillonApuestas combination(EditionInForce());
    if (args.Has("--append")) {
        if (!LoadOrReport(combination, output))
            return kCliUsageError;
    } else {
        combination.SetName(std::filesystem::path(output).stem().string());
    }
    if (const std::optional<std::string> name = args.Value("--name"))
        combination.SetName(*name);

    TBetTextCounts counts;
    try {
        counts = ImportBetTextFile(input, combination);
    } catch (const Exception &error) {
        return CliFileFail(input, error.Message());
    }
    if (counts.Of(TLineClass::Bet) == 0)
        return CliFileFail(input, FormatText(GetText(kTxtCliNoBetFound), {counts.lines}));
    try {
        combination.SaveToFile(output);
    } catch (const Exception &error) {
        return CliFileFail(output, error.Message());
    }
    std::printf("lines=%" PRId64 " blank=%" PRId64 " bets=%" PRId64 " comments=%" PRId64 " errors=%" PRId64
                "\n",
                counts.lines, counts.Of(TLineClass::Blank), counts.Of(TLineClass::Bet),
                counts.Of(TLineClass::Comment), counts.Of(TLineClass::Error));
    return 0;
}

const CliRegistration kImportRegistration({
    .name = "import",
    .summary = kTxtCliSummaryImport,
    .usage = {kTxtCliUsageImport},
    .options = {{"--output", true, "-o"}, {"--name", true}, {"--append"}},
    .missingOperand = kTxtCliNoTextFile,
    .run = RunImport,
});

} // namespace
