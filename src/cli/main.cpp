#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "model/exception.h"
#include "model/file_stream.h"
#include "model/game_rules.h"
#include "model/kept_copies.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>

namespace {

std::vector<CliCommand> &Registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

void PrintHelp()
{
    std::cout << "Usage: qor-euromillon-cli COMMAND [OPTIONS]\n\nCommands:\n";
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
    for (const CliCommand &command : commands)
        std::cout << "  " << command.name
                  << std::string(command.name.size() < 14 ? 14 - command.name.size() : 1, ' ')
                  << command.summary << "\n";
    std::cout << "\nEvery command takes --edition classic|current: the game its files and\n"
                 "selections follow. The commands that create files (generate, import,\n"
                 "import-draws) use classic, stars 1-9, by default; current is stars 1-12.\n"
                 "The commands that read a combination (show, check, export, print,\n"
                 "guarantee) follow the game the file names, and refuse a file of another\n"
                 "game than an --edition given.\n"
              << kEndOfOptionsHelp
              << "\nRun 'qor-euromillon-cli COMMAND --help' for the options of a command.\n";
}

// Copies of files whose save was cut short by a killed process: named on
// every start until the desktop program (or the user) has dealt with them.
void ReportKeptCopies()
{
    try {
        for (const TKeptCopy &kept : FindKeptCopies())
            std::cerr << "qor-euromillon-cli: a save of " << kept.TargetPath
                      << " did not finish; its previous content is kept in " << kept.CopyPath << std::endl;
    } catch (const std::exception &) {
        // An unreadable folder of copies must not stop the command.
    }
}

} // namespace

CliRegistration::CliRegistration(CliCommand command)
{
    Registry().push_back(std::move(command));
}

const std::vector<CliCommand> &CliCommands()
{
    return Registry();
}

bool IsStandardOutput(const std::string &path)
{
    return path == "-";
}

std::ostream &SummaryStream(const std::string &outputPath)
{
    return IsStandardOutput(outputPath) ? std::cerr : std::cout;
}

int CliFail(const std::string &message)
{
    std::cerr << "qor-euromillon-cli: " << message << std::endl;
    return kCliUsageError;
}

int CliFileFail(const std::string &path, const std::string &message)
{
    return CliFail(message.find(path) != std::string::npos ? message : path + ": " + message);
}

int main(int argc, char *argv[])
{
    IgnoreFileSizeSignal();
    ReportKeptCopies();
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string editionError;
    bool editionGiven = false;
    if (!TakeEditionOption(args, editionGiven, editionError))
        return CliFail(editionError);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return args.empty() ? kCliUsageError : 0;
    }
    for (const CliCommand &command : CliCommands()) {
        if (command.name != args[0])
            continue;
        std::vector<std::string> commandArgs(args.begin() + 1, args.end());
        const bool asksHelp =
            std::any_of(commandArgs.begin(), std::find(commandArgs.begin(), commandArgs.end(), "--"),
                        [](const std::string &argument) { return IsHelpOption(argument); });
        EndOptionsAtDoubleDash(commandArgs);
        if (!editionGiven && ReadsCombinationFile(command.name))
            FollowFileEdition(commandArgs);
        try {
            const int status = command.run(commandArgs);
            if (asksHelp && status == 0)
                std::cout << kEndOfOptionsHelp;
            return status;
        } catch (const Exception &error) {
            return CliFail(error.Message());
        } catch (const std::exception &error) {
            return CliFail(error.what());
        }
    }
    return CliFail("unknown command '" + args[0] + "' (try --help)");
}
