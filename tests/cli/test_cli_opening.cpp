// The opening every command shares: help among the options, unknown options,
// options without their value and a wrong number of files, each the same way.
#include "cli_test_fixture.h"

#include <string_view>

namespace {

struct CommandCase {
    const char *name;
    const char *valueOption; // an option that takes a value
    const char *operands;    // enough operands for the command
    const char *missing;     // the error without them, empty when it needs none
};

const CommandCase kCommands[] = {
    {"show", nullptr, "a.aem", "no combination file given (try 'show --help')"},
    {"check", "--archive", "a.aem", "no combination file given (try 'check --help')"},
    {"export", "--text", "a.aem", "no combination file given (try 'export --help')"},
    {"import", "-o", "a.txt", "no text file given (try 'import --help')"},
    {"import-draws", "--archive", "a.csv", "no CSV file given (try 'import-draws --help')"},
    {"generate", "--numbers", "", ""},
    {"guarantee", "--stars", "a.aem", "no combination file given (try 'guarantee --help')"},
    {"print", "--pdf", "a.aem", "no combination file given (try 'print --help')"},
    {"check-language", nullptr, "a.lng", "no language file given (try 'check-language --help')"},
};

} // namespace

class CliOpeningTest : public CliTest {};

TEST_F(CliOpeningTest, EveryCommandOpensTheSameWay)
{
    for (const CommandCase &c : kCommands) {
        if (std::string_view(c.name) == "print" && !CliHasPrint())
            continue;
        const std::string name = c.name;
        const std::string operands = c.operands;

        // Help anywhere among the options wins over any error.
        for (const std::string &arguments :
             {name + " --help", name + " " + operands + " -h", name + " --nada " + operands + " --help"}) {
            const CliResult help = Run(arguments);
            EXPECT_EQ(help.status, 0) << arguments << ": " << help.err;
            EXPECT_TRUE(help.out.starts_with("Usage: qor-euromillon-cli " + name)) << arguments;
            EXPECT_NE(help.out.find("-- ends the options"), std::string::npos) << arguments;
            EXPECT_EQ(help.err, "") << arguments;
        }

        const struct {
            std::string arguments, error;
        } errors[] = {
            {name + " " + operands + " --nada", "unknown option '--nada' (try '" + name + " --help')"},
            {name + " " + operands + " sobra.aem" + (operands.empty() ? "" : " " + operands),
             "'sobra.aem': one argument too many (try '" + name + " --help')"},
            {c.valueOption ? name + " " + operands + " " + c.valueOption : std::string(),
             c.valueOption ? "option '" + std::string(c.valueOption) + "' needs a value" : std::string()},
            {*c.missing ? name + " ''" : std::string(), c.missing}, // an empty name is no file
        };
        for (const auto &error : errors) {
            const bool anyNumberOfFiles = name == "import-draws" || name == "check-language";
            if (error.arguments.empty() ||
                (anyNumberOfFiles && error.error.find("too many") != std::string::npos))
                continue;
            const CliResult result = Run(error.arguments);
            EXPECT_EQ(result.status, 2) << error.arguments;
            EXPECT_EQ(result.err, "qor-euromillon-cli: " + error.error + "\n") << error.arguments;
            EXPECT_EQ(result.out, "") << error.arguments;
        }
    }
}
