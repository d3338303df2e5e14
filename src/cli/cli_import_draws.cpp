#include "cli/cli_command.h"

#include "draws/draw_files.h"
#include "draws/draw_import.h"
#include "model/exception.h"

#include <iostream>

namespace {

constexpr const char *kUsage = "Usage: qor-euromillon-cli import-draws FILE.csv... [--archive FILE.emx]\n"
                               "Merges the draws of published draw histories (the French operator's CSV\n"
                               "files, read in the order given) and of draw files (*.ems) into a draw\n"
                               "archive of the edition, the program's own when --archive is not given, as\n"
                               "the prizes window's import does. A draw of a day the archive holds\n"
                               "replaces it. A line that cannot be read, is dated before 13 February 2004\n"
                               "or repeats the day of an earlier line of its file (the first is kept) is\n"
                               "left out and listed. Classic game: draws after 6 May 2011 belong to\n"
                               "today's game and draws whose stars do not fit 1 to 9 are skipped, each\n"
                               "counted apart. Current game: 13 categories from 10 May 2011.\n"
                               "Exit status 2 when a whole file was left out.\n";

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

    TImportReport informe;
    try {
        informe = ImportDrawFiles(csvs, archive, edition);
    } catch (const EWriteError &error) {
        return CliFileFail(archive, error.Message()); // the archive could not be written
    }
    const TImportResult &result = informe.Resultado;
    std::cout << "Archive: " << archive << "\n"
              << "Read: " << informe.Leidos << "\n"
              << "Added: " << result.Anadidos << "\n"
              << "Replaced: " << result.Reemplazados << "\n"
              << "Skipped: " << result.Descartados << "\n"
              << "Today's game: " << result.DelJuegoActual << "\n"
              << "Left out: " << informe.Errores.size() << "\n";
    bool wholeFile = false;
    for (const TImportError &error : informe.Errores) {
        if (error.Linea > 0) {
            std::cout << error.Archivo << ", line " << error.Linea << ": " << error.Motivo << "\n";
        } else {
            std::cout << error.Archivo << ": " << error.Motivo << "\n";
            wholeFile = true;
        }
    }
    return wholeFile ? kCliUsageError : 0;
}

const CliRegistration registration({"import-draws",
                                    "merge published draw histories (CSV) into a draw archive", ImportDraws});

} // namespace
