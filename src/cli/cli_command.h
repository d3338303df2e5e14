#pragma once

#include "model/exception.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// One subcommand of qor-euromillon-cli. Each command lives in its own file
// and registers itself with a static CliRegistration.
struct CliCommand {
    std::string name;
    std::string summary; // one line for the general help
    // Receives the arguments after the command name; returns the exit status.
    std::function<int(const std::vector<std::string> &args)> run;
};

// Exit status for bad options, unreadable or malformed input.
inline constexpr int kCliUsageError = 2;

class CliRegistration {
public:
    explicit CliRegistration(CliCommand command);
};

const std::vector<CliCommand> &CliCommands();

// An output path of "-" is standard output: the command's own summary line
// then goes to standard error, so that only the file's bytes reach the pipe.
bool IsStandardOutput(const std::string &path);
std::ostream &SummaryStream(const std::string &outputPath);

// Writes "qor-euromillon-cli: <message>" on standard error and returns
// kCliUsageError, for `return CliFail("...")`.
int CliFail(const std::string &message);

// CliFail for an error about a file: the message names the file once,
// "<path>: <message>", or as it stands when it already names it.
int CliFileFail(const std::string &path, const std::string &message);

// Reads the file into object (a combination, a draw archive, a template,
// generation settings); false after CliFileFail when it cannot, so that
// the command returns kCliUsageError.
template <typename T> bool LoadOrReport(T &object, const std::string &path)
{
    try {
        object.LoadFromFile(path);
        return true;
    } catch (const Exception &error) {
        CliFileFail(path, error.Message());
        return false;
    }
}
