// qor-euromillon-cli export FILE.aem (--text OUT.txt [--numbers-separator S]
// [--blocks-separator S] | --xlsx OUT.xlsx): writes a combination's bets as
// text or as a spreadsheet workbook, as the export window does.

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"
#include "exchange/export_separator.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"
#include "model/text_lookup.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace {

int RunExport(const CliArguments &args)
{
    const std::optional<std::string> text = args.Value("--text");
    const std::optional<std::string> xlsx = args.Value("--xlsx");
    const std::optional<std::string> numberSeparator = args.Value("--numbers-separator");
    const std::optional<std::string> blockSeparator = args.Value("--blocks-separator");
    if (text.has_value() == xlsx.has_value())
        return CliFail(GetText(kTxtCliTextOrXlsx));
    if (xlsx && (numberSeparator || blockSeparator))
        return CliFail(GetText(kTxtCliSeparatorsForText));
    if ((text && text->empty()) || (xlsx && xlsx->empty()))
        return CliFail(GetText(kTxtCliEmptyOutputName));

    // The game of --edition: a file of the other game is refused (45801).
    TEuroMillonApuestas combination(EditionInForce());
    if (!LoadOrReport(combination, args.Operand(0)))
        return kCliUsageError;
    const std::string &output = text ? *text : *xlsx;
    try {
        if (text) {
            WriteBetTextFile(output, combination.Masks(),
                             PrepareExportSeparator(numberSeparator.value_or(".")).value,
                             PrepareExportSeparator(blockSeparator.value_or("-")).value);
        } else {
            WriteBetWorkbook(output, SheetNameFor(combination.Name()), combination.Masks());
        }
    } catch (const Exception &error) {
        return CliFileFail(output, error.Message());
    }
    SummaryStream(output) << "bets=" << combination.Count() << std::endl;
    return 0;
}

const CliRegistration kExportRegistration({
    .name = "export",
    .summary = kTxtCliSummaryExport,
    .usage = {kTxtCliUsageExport},
    .options =
        {{"--text", true}, {"--xlsx", true}, {"--numbers-separator", true}, {"--blocks-separator", true}},
    .missingOperand = kTxtCliNoCombinationFile,
    .run = RunExport,
});

} // namespace
