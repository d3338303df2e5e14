#include "cli/cli_command.h"

#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/prize_check.h"
#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli check FILE.aem [--archive FILE.emx] [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
    "Checks every bet of a combination against the draws of a date range (both\n"
    "days included; the whole archive by default) of a draw archive (the\n"
    "program's own when --archive is not given), and prints the hits and the\n"
    "prizes per category, the total, the cost at 2.00 a bet, the profit, and\n"
    "every winning bet with the draw's date and category.\n";

std::string Padded(const std::string &text, size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

int Check(const std::vector<std::string> &args)
{
    std::string combination, archive;
    double from = kMinFecha, to = kMaxFecha - 1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--archive" || arg == "--from" || arg == "--to") {
            if (++i == args.size())
                return CliFail(arg + " needs a value");
            if (arg == "--archive")
                archive = args[i];
            else if (!ParseFechaIso(args[i], arg == "--from" ? from : to))
                return CliFail("'" + args[i] + "' is not a date of the form YYYY-MM-DD");
        } else if (!arg.empty() && arg[0] == '-') {
            return CliFail("unknown option '" + arg + "'");
        } else if (combination.empty()) {
            combination = arg;
        } else {
            return CliFail("only one combination file may be given");
        }
    }
    if (combination.empty())
        return CliFail("no combination file given (see check --help)");
    if (archive.empty())
        archive = ArchivoSorteos();
    std::error_code error;
    if (!std::filesystem::is_regular_file(archive, error))
        return CliFail("no draw archive at " + archive);

    TEuroMillonApuestas apuestas;
    apuestas.LoadFromFile(combination);
    TSorteosEuroMillon sorteos;
    sorteos.LoadFromFile(archive);
    sorteos.KeepRange(from, to);

    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);

    std::cout << "Combination: " << apuestas.Name() << " (" << apuestas.Count() << " bets, " << combination << ")\n";
    std::cout << "Draws: " << sorteos.Count();
    if (sorteos.Count() > 0)
        std::cout << " (" << FormatFechaIso(sorteos.Sorteo(sorteos.Count() - 1).FechaSorteo) << " to "
                  << FormatFechaIso(sorteos.Sorteo(0).FechaSorteo) << ")";
    std::cout << "\nHits: " << premios.CountPremiadas() << "\n\n";
    std::cout << "Category        Hits            Total\n";
    for (int c = 1; c <= kNumCategorias; ++c)
        std::cout << Padded(CategoriaTexto(c), 8) << Padded(std::to_string(premios.NumPremiadas(c)), 12)
                  << Padded(FormatCurrency(premios.TotalCategoria(c)), 17) << "\n";
    std::cout << "\nTotal prizes: " << FormatCurrency(premios.TotalPremios()) << "\n";
    std::cout << "Cost: " << FormatCurrency(premios.ImporteCombinacion()) << "\n";
    std::cout << "Profit: " << FormatCurrency(premios.Beneficio()) << "\n";

    if (premios.CountPremiadas() > 0) {
        std::cout << "\nWinning bets:\n";
        TApuestaPremiada hit;
        for (int64_t i = 0; i < premios.CountPremiadas(); ++i) {
            premios.GetPremiada(i, hit);
            std::cout << Padded(std::to_string(hit.IndiceApuesta + 1), 8) << "  "
                      << MaskToText(apuestas.Mask(hit.IndiceApuesta)) << "  " << FormatFechaIso(hit.FechaSorteo)
                      << "  " << Padded(CategoriaTexto(hit.Categoria), 4) << Padded(FormatCurrency(hit.Importe), 17)
                      << "\n";
        }
    }
    return 0;
}

const CliRegistration registration({"check", "check a combination against the draws of a date range", Check});

} // namespace
