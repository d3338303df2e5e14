#include "cli/cli_command.h"

#include "draws/draw_files.h"
#include "draws/draw_history_import.h"
#include "model/exception.h"

#include <iostream>

namespace {

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli import-draws FILE.csv... [--archive FILE.emx]\n"
    "Merges the draws of published draw histories (the French operator's CSV\n"
    "files, read in the order given) into a draw archive of the edition, the\n"
    "program's own when --archive is not given. A draw of a day the archive\n"
    "holds replaces it. Classic game: draws whose stars do not fit 1 to 9 are\n"
    "skipped. Current game: 13 categories from 10 May 2011.\n";

int ImportDraws(const std::vector<std::string> &args)
{
    std::vector<std::string> csvs;
    std::string archive;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (args[i] == "--archive") {
            if (++i == args.size())
                return CliFail("--archive needs a file name");
            archive = args[i];
        } else if (!args[i].empty() && args[i][0] == '-') {
            return CliFail("unknown option '" + args[i] + "'");
        } else {
            csvs.push_back(args[i]);
        }
    }
    if (csvs.empty())
        return CliFail("no CSV file given (see import-draws --help)");
    const TGameEdition edition = EditionInForce();
    if (archive.empty())
        archive = ArchivoSorteos(edition);

    TResultadoImportacion result;
    try {
        result = ImportarHistorialesCsv(csvs, archive, edition);
    } catch (const EWriteError &error) {
        return CliFail(archive + ": " + error.Message()); // the archive could not be written
    }
    std::cout << "Archive: " << archive << "\n"
              << "Added: " << result.Anadidos << "\n"
              << "Replaced: " << result.Reemplazados << "\n"
              << "Skipped: " << result.Descartados << "\n";
    return 0;
}

const CliRegistration registration({"import-draws", "merge published draw histories (CSV) into a draw archive",
                                    ImportDraws});

} // namespace
