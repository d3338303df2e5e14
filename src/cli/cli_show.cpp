// qor-euromillon-cli show FILE.aem: the combination's name, then every bet in
// its text form, one per line.

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"
#include "model/separators.h"

#include <cstdio>
#include <iostream>

namespace {

const char *kShowUsage = "Usage: qor-euromillon-cli show FILE.aem\n"
                         "\n"
                         "Prints the combination's name on the first line, its control characters\n"
                         "escaped (a line break as \\n, a backslash as \\\\), then each bet as\n"
                         "03.15.27.41.50-02.09, one per line. The file is read in the game it names\n"
                         "(stars 1-12 for today's game); an --edition of another game refuses it.\n";

int RunShow(const std::vector<std::string> &args)
{
    if (args.size() == 1 && IsHelpOption(args[0])) {
        std::cout << kShowUsage;
        return 0;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return CliFail("show takes one combination file (try 'show --help')");
    const std::string &path = args[0];
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

const CliRegistration kShowRegistration({"show", "print a combination file's name and bets", RunShow});

} // namespace
