#include "cli/cli_command.h"

#include "framework/language_check.h"
#include "framework/language_table.h"

#include <iostream>

// Checks language files before they ship: each must be a string table holding
// exactly the program's identifiers, with texts shaped like the Spanish ones.
static int CheckLanguageFiles(const std::vector<std::string> &args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << "Usage: qor-euromillon-cli check-language FILE.lng...\n"
                     "Exit status 0 when every file is fit, 1 when one has problems,\n"
                     "2 when one cannot be read as a language file.\n";
        return args.empty() ? kCliUsageError : 0;
    }
    int status = 0;
    for (const std::string &path : args) {
        std::string fault;
        const auto table = TLanguageTable::LoadFile(path, &fault);
        if (!table) {
            std::cout << path << ": not a language file: " << fault << "\n";
            status = kCliUsageError;
            continue;
        }
        const auto problems = CheckLanguageTable(*table);
        for (const TLanguageProblem &problem : problems)
            std::cout << path << ": " << problem.id << ": " << problem.description << "\n";
        if (problems.empty())
            std::cout << path << ": " << table->Count() << " texts, fit\n";
        else if (status == 0)
            status = 1;
    }
    return status;
}

static const CliRegistration kCheckLanguage({"check-language",
                                             "check language files against the program's texts",
                                             CheckLanguageFiles});
