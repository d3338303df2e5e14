#include "cli/cli_command.h"

#include "model/exception.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

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
        std::cout << "  " << command.name << std::string(command.name.size() < 14 ? 14 - command.name.size() : 1, ' ')
                  << command.summary << "\n";
    std::cout << "\nRun 'qor-euromillon-cli COMMAND --help' for the options of a command.\n";
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

int CliFail(const std::string &message)
{
    std::cerr << "qor-euromillon-cli: " << message << std::endl;
    return kCliUsageError;
}

int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return args.empty() ? kCliUsageError : 0;
    }
    for (const CliCommand &command : CliCommands()) {
        if (command.name != args[0])
            continue;
        try {
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const Exception &error) {
            return CliFail(error.Message());
        } catch (const std::exception &error) {
            return CliFail(error.what());
        }
    }
    return CliFail("unknown command '" + args[0] + "' (try --help)");
}
