#include "cli/cli_command.h"
#include "cli/cli_text_ids.h"

#include "framework/language_check.h"
#include "framework/language_table.h"
#include "model/format.h"
#include "model/text_lookup.h"

#include <iostream>

// Checks language files before they ship: each must be a string table holding
// exactly the program's identifiers, with texts shaped like the Spanish ones.
// The problems are named in English, for the translators' tools.
static int CheckLanguageFiles(const CliArguments &args)
{
    int status = 0;
    for (const std::string &path : args.Operands()) {
        std::string fault;
        const auto table = TLanguageTable::LoadFile(path, &fault);
        if (!table) {
            std::cout << path << ": " << FormatText(GetText(kTxtCliNotALanguageFile), {fault}) << "\n";
            status = kCliUsageError;
            continue;
        }
        const auto problems = CheckLanguageTable(*table);
        for (const TLanguageProblem &problem : problems)
            std::cout << path << ": " << problem.id << ": " << problem.description << "\n";
        if (problems.empty())
            std::cout << path << ": " << FormatText(GetText(kTxtCliLanguageFileFit), {table->Count()})
                      << "\n";
        else if (status == 0)
            status = 1;
    }
    return status;
}

static const CliRegistration kCheckLanguage({
    .name = "check-language",
    .summary = kTxtCliSummaryCheckLanguage,
    .usage = {kTxtCliUsageCheckLanguage},
    .mostOperands = kAnyNumberOfOperands,
    .missingOperand = kTxtCliNoLanguageFile,
    .usageWhenBare = true,
    .run = CheckLanguageFiles,
});
