#include "cli/cli_command.h"
#include "cli/cli_text_ids.h"

#include "draws/draw_files.h"
#include "draws/draw_import.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/text_lookup.h"

#include <iostream>

namespace {

int ImportDraws(const CliArguments &args)
{
    const std::vector<std::string> &csvs = args.Operands();
    std::string archive = args.Value("--archive").value_or(std::string());
    const TGameEdition edition = EditionInForce();
    if (archive.empty())
        archive = ArchivoSorteos(edition);

    TImportReport informe;
    try {
        informe = ImportDrawFiles(csvs, archive, edition);
    } catch (const Exception &error) {
        return CliFileFail(archive, error.Message()); // the archive could not be read or written
    }
    const TImportResult &result = informe.Resultado;
    std::cout << FormatText(GetText(kTxtCliArchive), {archive}) << "\n"
              << FormatText(GetText(kTxtCliRead), {informe.Leidos}) << "\n"
              << FormatText(GetText(kTxtCliAdded), {result.Anadidos}) << "\n"
              << FormatText(GetText(kTxtCliReplaced), {result.Reemplazados}) << "\n"
              << FormatText(GetText(kTxtCliSkipped), {result.Descartados}) << "\n"
              << FormatText(GetText(kTxtCliTodaysGame), {result.DelJuegoActual}) << "\n"
              << FormatText(GetText(kTxtCliLeftOut), {informe.Errores.size()}) << "\n";
    bool wholeFile = false;
    for (const TImportError &error : informe.Errores) {
        if (error.Linea > 0) {
            std::cout << FormatText(GetText(kTxtCliFileLine), {error.Archivo, error.Linea, error.Motivo})
                      << "\n";
        } else {
            std::cout << CliFileMessage(error.Archivo, error.Motivo) << "\n";
            wholeFile = true;
        }
    }
    return wholeFile ? kCliUsageError : 0;
}

const CliRegistration registration({
    .name = "import-draws",
    .summary = kTxtCliSummaryImportDraws,
    .usage = {kTxtCliUsageImportDraws},
    .options = {{"--archive", true}},
    .mostOperands = kAnyNumberOfOperands,
    .missingOperand = kTxtCliNoCsvFile,
    .run = ImportDraws,
});

} // namespace
