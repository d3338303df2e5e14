// qor-euromillon-cli import FILE.txt -o OUT.aem [--append] [--name NAME]:
// reads the bets of any text, as the import window does, into a combination file.

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "exchange/bet_text_reader.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

const char *kImportUsage = "Usage: qor-euromillon-cli import FILE.txt -o OUT.aem [--append] [--name NAME]\n"
                           "\n"
                           "Reads every line of FILE.txt holding five numbers (1-50) and two stars (1-9, or\n"
                           "1-12 with --edition current) as digits separated by any other characters; a ';'\n"
                           "starts a comment. The bets found are written to OUT.aem in their order; with\n"
                           "--append, OUT.aem must be of the same game.\n"
                           "\n"
                           "  -o OUT.aem   the combination file to write\n"
                           "  --append     add the bets to the end of the existing OUT.aem\n"
                           "  --name NAME  name of the combination (default: OUT's file name, or the\n"
                           "               existing name with --append)\n"
                           "\n"
                           "Prints lines=L blank=B bets=V comments=C errors=E. Nothing is written when\n"
                           "the text holds no bet.\n";

struct ImportOptions {
    std::optional<std::string> input;
    std::optional<std::string> output;
    std::optional<std::string> name;
    bool append = false;
};

std::string ParseOptions(const std::vector<std::string> &args, ImportOptions &options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &option = args[i];
        if (option == "--append") {
            options.append = true;
        } else if (option == "-o" || option == "--output" || option == "--name") {
            if (i + 1 >= args.size())
                return "option '" + option + "' needs a value";
            (option == "--name" ? options.name : options.output) = args[++i];
        } else if (option.starts_with("-") || options.input) {
            return "'" + option + "' is not known (try 'import --help')";
        } else {
            options.input = option;
        }
    }
    if (!options.input || options.input->empty())
        return "no text file given (try 'import --help')";
    if (!options.output || options.output->empty())
        return "no output file given (-o OUT.aem)";
    return {};
}

int RunImport(const std::vector<std::string> &args)
{
    if (args.size() == 1 && IsHelpOption(args[0])) {
        std::cout << kImportUsage;
        return 0;
    }
    ImportOptions options;
    if (std::string error = ParseOptions(args, options); !error.empty())
        return CliFail(error);

    // The game of --edition: a file of the other game is refused (45801).
    TEuroMillonApuestas combination(EditionInForce());
    if (options.append) {
        if (!LoadOrReport(combination, *options.output))
            return kCliUsageError;
    } else {
        combination.SetName(std::filesystem::path(*options.output).stem().string());
    }
    if (options.name)
        combination.SetName(*options.name);

    TBetTextCounts counts;
    try {
        counts = ImportBetTextFile(*options.input, combination);
    } catch (const Exception &error) {
        return CliFileFail(*options.input, error.Message());
    }
    if (counts.Of(TLineClass::Bet) == 0)
        return CliFail(*options.input + ": no bet found in " + std::to_string(counts.lines) +
                       " lines; nothing written");
    try {
        combination.SaveToFile(*options.output);
    } catch (const Exception &error) {
        return CliFileFail(*options.output, error.Message());
    }
    std::printf("lines=%" PRId64 " blank=%" PRId64 " bets=%" PRId64 " comments=%" PRId64 " errors=%" PRId64
                "\n",
                counts.lines, counts.Of(TLineClass::Blank), counts.Of(TLineClass::Bet),
                counts.Of(TLineClass::Comment), counts.Of(TLineClass::Error));
    return 0;
}

const CliRegistration kImportRegistration({"import", "read the bets of a text file into a combination file",
                                           RunImport});

} // namespace
