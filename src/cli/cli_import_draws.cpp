#include "cli/cli_command.h"

#include "draws/draw_files.h"
#include "draws/draw_history_import.h"

#include <iostream>

namespace {

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli import-draws FILE.csv [--archive FILE.emx]\n"
    "Merges the draws of a published draw history (the French operator's CSV\n"
    "files) into a draw archive, the program's own when --archive is not given.\n"
    "A draw of a day the archive holds replaces it; draws whose stars do not fit\n"
    "1 to 9 are skipped.\n";

int ImportDraws(const std::vector<std::string> &args)
{
    std::string csv;
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
        } else if (csv.empty()) {
            csv = args[i];
        } else {
            return CliFail("only one CSV file may be given");
        }
    }
    if (csv.empty())
        return CliFail("no CSV file given (see import-draws --help)");
    if (archive.empty())
        archive = ArchivoSorteos();

    TResultadoImportacion result = ImportarHistorialCsv(csv, archive);
    std::cout << "Archive: " << archive << "\n"
              << "Added: " << result.Anadidos << "\n"
              << "Replaced: " << result.Reemplazados << "\n"
              << "Skipped: " << result.Descartados << "\n";
    return 0;
}

const CliRegistration registration({"import-draws", "merge a published draw history (CSV) into a draw archive",
                                    ImportDraws});

} // namespace
