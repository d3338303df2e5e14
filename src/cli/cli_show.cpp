// qor-euromillon-cli show FILE.aem: the combination's name, then every bet in
// its text form, one per line.

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"
#include "model/separators.h"

#include <cstdio>

namespace {

int RunShow(const CliArguments &args)
{
    const std::string path = args.Operand(0);
    // The game in force is the file's own unless --edition named another,
    // which refuses the file (45801).
    TEuroMillonApuestas combination(EditionInForce());
    if (!LoadOrReport(combination, path))
        return kCliUsageError;
    TSeparatorScope separators(".", "-");
    std::string out = EscapeControlCharacters(combination.Name()) + "\n";
    for (BetMask mask : combination.Masks()) {
        out += MaskToText(mask);
        out += '\n';
        if (out.size() >= (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

const CliRegistration kShowRegistration({
    .name = "show",
    .summary = kTxtCliSummaryShow,
    .usage = {kTxtCliUsageShow},
    .missingOperand = kTxtCliNoCombinationFile,
    .run = RunShow,
});

} // namespace
