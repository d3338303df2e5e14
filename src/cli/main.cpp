#include "cli/cli_command.h"
#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"
#include "framework/file_error_text.h"

#include "model/exception.h"
#include "model/file_stream.h"
#include "model/format.h"
#include "model/game_rules.h"
#include "model/kept_copies.h"
#include "model/text_lookup.h"

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
    std::cout << GetText(kTxtCliHelpHead);
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
    for (const CliCommand &command : commands)
        std::cout << "  " << command.name
                  << std::string(command.name.size() < 14 ? 14 - command.name.size() : 1, ' ')
                  << GetText(command.summary) << "\n";
    std::cout << GetText(kTxtCliHelpEditions) << GetText(kTxtCliHelpEndOfOptions) << GetText(kTxtCliHelpTail);
}

// Copies of files whose save was cut short by a killed process: named on
// every start until the desktop program (or the user) has dealt with them.
void ReportKeptCopies()
{
    try {
        for (const TKeptCopy &kept : FindKeptCopies())
            std::cerr << "qor-euromillon-cli: "
                      << FormatText(GetText(kTxtCliKeptCopy), {kept.TargetPath, kept.CopyPath}) << std::endl;
    } catch (const std::exception &) {
        // An unreadable folder of copies must not stop the command.
    }
}

const CliOption *FindOption(const CliCommand &command, const std::string &argument)
{
    for (const CliOption &option : command.options)
        if (argument == option.name || (!option.alias.empty() && argument == option.alias))
            return &option;
    return nullptr;
}

// Parses the arguments by the command's options; help asked among them wins
// over any error. Returns the usage error, empty when there is none.
std::string ParseArguments(const CliCommand &command, const std::vector<std::string> &args,
                           CliArguments &parsed, bool &asksHelp)
{
    std::string error;
    auto failOnce = [&error](const std::string &message) {
        if (error.empty())
            error = message;
    };
    asksHelp = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &argument = args[i];
        if (IsHelpOption(argument)) {
            asksHelp = true;
        } else if (const CliOption *option = FindOption(command, argument)) {
            if (!option->takesValue) {
                parsed.AddOption(option->name, std::string());
            } else if (i + 1 < args.size()) {
                parsed.AddOption(option->name, args[++i]);
            } else {
                failOnce(FormatText(GetText(kTxtCliOptionNeedsValue), {argument}));
            }
        } else if (argument.size() > 1 &&
                   argument.starts_with("-")) { // "-" alone is standard input or output
            failOnce(FormatText(GetText(kTxtCliUnknownOption), {argument, command.name}));
        } else if (command.mostOperands != kAnyNumberOfOperands &&
                   static_cast<int>(parsed.Operands().size()) >= command.mostOperands) {
            failOnce(FormatText(GetText(kTxtCliOneArgumentTooMany), {argument, command.name}));
        } else {
            parsed.AddOperand(argument);
        }
    }
    const bool tooFew = static_cast<int>(parsed.Operands().size()) < command.leastOperands ||
                        (!parsed.Operands().empty() && parsed.Operands()[0].empty());
    if (tooFew)
        failOnce(FormatText(GetText(command.missingOperand), {command.name}));
    return error;
}

} // namespace

std::string CliArguments::Operand(size_t index) const
{
    return index < operands_.size() ? operands_[index] : std::string();
}

bool CliArguments::Has(const std::string &option) const
{
    return Value(option).has_value();
}

std::optional<std::string> CliArguments::Value(const std::string &option) const
{
    for (auto given = given_.rbegin(); given != given_.rend(); ++given)
        if (given->first == option)
            return given->second;
    return std::nullopt;
}

CliRegistration::CliRegistration(CliCommand command)
{
    Registry().push_back(std::move(command));
}

const std::vector<CliCommand> &CliCommands()
{
    return Registry();
}

std::string CliUsage(const CliCommand &command)
{
    std::string usage;
    for (uint16_t id : command.usage)
        usage += GetText(id);
    return usage;
}

int RunCliCommand(const CliCommand &command, const std::vector<std::string> &args)
{
    if (args.empty() && command.usageWhenBare) {
        std::cout << CliUsage(command);
        return kCliUsageError;
    }
    CliArguments parsed;
    bool asksHelp = false;
    const std::string error = ParseArguments(command, args, parsed, asksHelp);
    if (asksHelp) {
        std::cout << CliUsage(command) << GetText(kTxtCliHelpEndOfOptions);
        return 0;
    }
    if (!error.empty())
        return CliFail(error);
    return command.run(parsed);
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

std::string CliFileMessage(const std::string &path, const std::string &message)
{
    return FileErrorText(path, message);
}

int CliFileFail(const std::string &path, const std::string &message)
{
    return CliFail(CliFileMessage(path, message));
}

int main(int argc, char *argv[])
{
    IgnoreFileSizeSignal();
    PutCliLanguageInForce();
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
        EndOptionsAtDoubleDash(commandArgs);
        if (!editionGiven && ReadsCombinationFile(command.name))
            FollowFileEdition(commandArgs);
        try {
            return RunCliCommand(command, commandArgs);
        } catch (const Exception &error) {
            return CliFail(error.Message());
        } catch (const std::exception &error) {
            return CliFail(error.what());
        }
    }
    return CliFail(FormatText(GetText(kTxtCliUnknownCommand), {args[0]}));
}
