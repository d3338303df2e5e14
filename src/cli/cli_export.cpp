// qor-euromillon-cli export FILE.aem (--text OUT.txt [--numbers-separator S]
// [--blocks-separator S] | --xlsx OUT.xlsx): writes a combination's bets as
// text or as a spreadsheet workbook, as the export window does.

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"
#include "exchange/export_separator.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace {

const char *kExportUsage =
    "Usage: qor-euromillon-cli export FILE.aem --text OUT.txt [--numbers-separator S]\n"
    "                                          [--blocks-separator S]\n"
    "       qor-euromillon-cli export FILE.aem --xlsx OUT.xlsx\n"
    "\n"
    "--text writes one bet per line, 03.15.27.41.50-02.09 with the default separators,\n"
    "in Windows-1252 with CR LF line ends. A separator may be up to 5 characters; the\n"
    "word TAB stands for a tab and an empty one for a blank.\n"
    "--xlsx writes a workbook of one worksheet named from the combination, one bet per\n"
    "row: the five numbers in columns A-E, the two stars in F-G.\n"
    "\n"
    "An existing OUT is replaced only once the new one is written whole; a pipe or a\n"
    "device is written directly, and OUT - is standard output. Prints bets=N.\n"
    "The combination is read in the game it names; an --edition of another game\n"
    "refuses it.\n";

struct ExportOptions {
    std::optional<std::string> input;
    std::optional<std::string> text;
    std::optional<std::string> xlsx;
    std::optional<std::string> numberSeparator;
    std::optional<std::string> blockSeparator;
};

std::string ParseOptions(const std::vector<std::string> &args, ExportOptions &options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &option = args[i];
        std::optional<std::string> *target = option == "--text"                ? &options.text
                                             : option == "--xlsx"              ? &options.xlsx
                                             : option == "--numbers-separator" ? &options.numberSeparator
                                             : option == "--blocks-separator"  ? &options.blockSeparator
                                                                               : nullptr;
        if (target) {
            if (i + 1 >= args.size())
                return "option '" + option + "' needs a value";
            *target = args[++i];
        } else if (option.starts_with("-") || options.input) {
            return "'" + option + "' is not known (try 'export --help')";
        } else {
            options.input = option;
        }
    }
    if (!options.input || options.input->empty())
        return "no combination file given (try 'export --help')";
    if (options.text.has_value() == options.xlsx.has_value())
        return "give either --text OUT.txt or --xlsx OUT.xlsx";
    if (options.xlsx && (options.numberSeparator || options.blockSeparator))
        return "separators apply to --text only";
    if ((options.text && options.text->empty()) || (options.xlsx && options.xlsx->empty()))
        return "the output file name is empty";
    return {};
}

int RunExport(const std::vector<std::string> &args)
{
    if (args.size() == 1 && IsHelpOption(args[0])) {
        std::cout << kExportUsage;
        return 0;
    }
    ExportOptions options;
    if (std::string error = ParseOptions(args, options); !error.empty())
        return CliFail(error);

    // The game of --edition: a file of the other game is refused (45801).
    TEuroMillonApuestas combination(EditionInForce());
    if (!LoadOrReport(combination, *options.input))
        return kCliUsageError;
    const std::string &output = options.text ? *options.text : *options.xlsx;
    try {
        if (options.text) {
            WriteBetTextFile(output, combination.Masks(),
                             PrepareExportSeparator(options.numberSeparator.value_or(".")).value,
                             PrepareExportSeparator(options.blockSeparator.value_or("-")).value);
        } else {
            WriteBetWorkbook(output, SheetNameFor(combination.Name()), combination.Masks());
        }
    } catch (const Exception &error) {
        return CliFileFail(output, error.Message());
    }
    SummaryStream(output) << "bets=" << combination.Count() << std::endl;
    return 0;
}

const CliRegistration kExportRegistration({"export", "write a combination's bets as text or as a workbook",
                                           RunExport});

} // namespace
