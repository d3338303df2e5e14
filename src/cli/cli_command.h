#pragma once

#include "model/exception.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// One option of a command: a flag ("--summary") or an option that takes the
// next argument as its value ("--archive FILE").
struct CliOption {
    std::string name{};
    bool takesValue = false;
    std::string alias{}; // another spelling: "-o" for "--output"
};

// What the opening every command shares found on its line: the options
// given, each by its CliOption name, and the operands (the file names).
class CliArguments {
public:
    const std::vector<std::string> &Operands() const { return operands_; }
    // The operand at index, empty when there are fewer.
    std::string Operand(size_t index) const;
    bool Has(const std::string &option) const;
    // The value of the last occurrence of the option, none when not given.
    std::optional<std::string> Value(const std::string &option) const;

    void AddOption(const std::string &option, const std::string &value) { given_.push_back({option, value}); }
    void AddOperand(const std::string &operand) { operands_.push_back(operand); }

private:
    std::vector<std::pair<std::string, std::string>> given_;
    std::vector<std::string> operands_;
};

inline constexpr int kAnyNumberOfOperands = -1;

// One subcommand of qor-euromillon-cli. Each command lives in its own file,
// states its help, its options and its run, and registers itself with a
// static CliRegistration; the opening they share (help on -h or --help,
// parsing, usage errors) is RunCliCommand's.
struct CliCommand {
    std::string name{};
    uint16_t summary = 0;          // text of its line in the general help
    std::vector<uint16_t> usage{}; // texts of its help, written one after the other
    std::vector<CliOption> options{};
    int leastOperands = 1;
    int mostOperands = 1;        // or kAnyNumberOfOperands
    uint16_t missingOperand = 0; // error when too few, with the command's name for %s
    bool usageWhenBare = false;  // no argument at all: the help, as a usage error
    // Receives what the opening parsed; returns the exit status.
    std::function<int(const CliArguments &args)> run{};
};

// Exit status for bad options, unreadable or malformed input.
inline constexpr int kCliUsageError = 2;

class CliRegistration {
public:
    explicit CliRegistration(CliCommand command);
};

const std::vector<CliCommand> &CliCommands();

// The opening every command shares, then the command's run: args are those
// after the command's name, the "--" already taken out (EndOptionsAtDoubleDash).
// Help asked anywhere among the options prints the command's help and ends
// with 0; an unknown option, a missing value or a wrong number of operands is
// a usage error.
int RunCliCommand(const CliCommand &command, const std::vector<std::string> &args);

// The command's help, as -h prints it.
std::string CliUsage(const CliCommand &command);

// An output path of "-" is standard output: the command's own summary line
// then goes to standard error, so that only the file's bytes reach the pipe.
bool IsStandardOutput(const std::string &path);
std::ostream &SummaryStream(const std::string &outputPath);

// Writes "qor-euromillon-cli: <message>" on standard error and returns
// kCliUsageError, for `return CliFail("...")`.
int CliFail(const std::string &message);

// An error about a file, naming the file once: "<path>: <message>", or the
// message as it stands when it already names it. The core's few fixed
// English texts ("Cannot open file ...", "Stream read error") are put in the
// language in force.
std::string CliFileMessage(const std::string &path, const std::string &message);

// CliFail(CliFileMessage(path, message)).
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
