#include "cli/cli_command.h"

#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli check FILE.aem [--archive FILE.emx] [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
    "       [--price AMOUNT]\n"
    "Checks every bet of a combination against the draws of a date range (both\n"
    "days included; the whole archive by default) of a draw archive (the\n"
    "program's own of the edition when --archive is not given), and prints the\n"
    "hits and the prizes per category, the total, the cost of one draw, the\n"
    "profit, and every winning bet with the draw's date and category.\n"
    "Classic game: 12 categories, 2.00 a bet. Current game (--edition current):\n"
    "13 categories (2+0 from 10 May 2011), 2.00 a bet before 24 September 2016\n"
    "and 2.50 from then on (--price AMOUNT for another price from then on).\n";

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
        if (arg == "--archive" || arg == "--from" || arg == "--to" || arg == "--price") {
            if (++i == args.size())
                return CliFail(arg + " needs a value");
            if (arg == "--archive") {
                archive = args[i];
            } else if (arg == "--price") {
                const Currency precio = PrecioDeTexto(args[i]);
                if (precio <= 0)
                    return CliFail("'" + args[i] + "' is not a price");
                SetPrecioApuestaActual(precio);
            }
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
    const TGameEdition edition = EditionInForce();
    if (archive.empty()) {
        PrepararArchivoSorteos(edition); // today's game's, from the shipped one when the user has none
        archive = ArchivoSorteos(edition);
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(archive, error))
        return CliFail("no draw archive at " + archive);

    TEuroMillonApuestas apuestas(edition);
    apuestas.LoadFromFile(combination);
    TSorteosEuroMillon sorteos(edition);
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
    const int categorias = GameRules(edition).CategoryCount;
    for (int c = 1; c <= categorias; ++c)
        std::cout << Padded(CategoriaTexto(c, categorias), 8) << Padded(std::to_string(premios.NumPremiadas(c)), 12)
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
                      << "  " << Padded(CategoriaTexto(hit.Categoria, categorias), 4) << Padded(FormatCurrency(hit.Importe), 17)
                      << "\n";
        }
    }
    return 0;
}

const CliRegistration registration({"check", "check a combination against the draws of a date range", Check});

} // namespace
