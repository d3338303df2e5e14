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
#include <optional>
#include <utility>

namespace {

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli check FILE.aem [--archive FILE.emx] [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
    "       [--price AMOUNT] [--summary]\n"
    "Checks every bet of a combination against the draws of a date range (both\n"
    "days included; the whole archive by default) of a draw archive (the\n"
    "program's own of the edition when --archive is not given), and prints the\n"
    "hits and the prizes per category, the total, the price of playing every\n"
    "bet in one draw, the cost of every draw checked (each at its own price),\n"
    "the profit (prizes less that cost) and its percentage of the cost, and\n"
    "every winning bet with the draw's date and category (not with --summary).\n"
    "Classic game: 12 categories, 2.00 a bet. Current game (--edition current):\n"
    "13 categories (2+0 from 10 May 2011), 2.00 a bet before 24 September 2016\n"
    "and 2.50 from then on (--price AMOUNT for another price from then on).\n";

std::string Padded(const std::string &text, size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Every bet of the combination in one draw, at each price the draws of the
// run had, newest first: "65.00 (26 bets at 2.50) in 1,007 draws; 52.00 ...".
std::string PreciosPorSorteo(const TPremiosEuroMillon &premios)
{
    const int64_t bets = premios.Apuestas() ? premios.Apuestas()->Count() : 0;
    if (premios.CountSorteos() == 0)
        return FormatCurrency(premios.ImporteCombinacion()) + " (" + std::to_string(bets) +
               " bets, no draw checked)";
    std::vector<std::pair<Currency, int>> prices; // price of a bet, draws at it
    for (int j = 0; j < premios.CountSorteos(); ++j) {
        const Currency precio = premios.PrecioSorteo(j);
        if (prices.empty() || prices.back().first != precio)
            prices.push_back({precio, 0});
        ++prices.back().second;
    }
    std::string text;
    for (const auto &[precio, draws] : prices) {
        if (!text.empty())
            text += "; ";
        text += FormatCurrency(MultiplyCurrency(precio, bets)) + " (" + std::to_string(bets) +
                (bets == 1 ? " bet at " : " bets at ") + FormatCurrency(precio) + ")";
        if (prices.size() > 1)
            text += " in " + std::to_string(draws) + (draws == 1 ? " draw" : " draws");
    }
    return text;
}

// The totals per category, the money, and unless summary is asked every
// winning bet with its draw's day, category and prize.
void PrintCheck(const TPremiosEuroMillon &premios, const TEuroMillonApuestas &apuestas,
                const std::string &combination, const TSorteosEuroMillon &sorteos, bool summary)
{
    std::cout << "Combination: " << apuestas.Name() << " (" << apuestas.Count() << " bets, " << combination
              << ")\n";
    std::cout << "Draws: " << sorteos.Count();
    if (sorteos.Count() > 0)
        std::cout << " (" << FormatFechaIso(sorteos.Sorteo(sorteos.Count() - 1).FechaSorteo) << " to "
                  << FormatFechaIso(sorteos.Sorteo(0).FechaSorteo) << ")";
    std::cout << "\nHits: " << premios.CountPremiadas() << "\n\n";
    std::cout << "Category        Hits            Total\n";
    const int categorias = GameRules(apuestas.Edition()).CategoryCount;
    for (int c = 1; c <= categorias; ++c)
        std::cout << Padded(CategoriaTexto(c, categorias), 8)
                  << Padded(std::to_string(premios.NumPremiadas(c)), 12)
                  << Padded(FormatCurrency(premios.TotalCategoria(c)), 17) << "\n";
    std::cout << "\nTotal prizes: " << FormatCurrency(premios.TotalPremios()) << "\n";
    std::cout << "Price per draw: " << PreciosPorSorteo(premios) << "\n";
    std::cout << "Cost of " << premios.CountSorteos()
              << (premios.CountSorteos() == 1 ? " draw: " : " draws: ")
              << FormatCurrency(premios.ImporteCombinacion()) << "\n";
    std::cout << "Profit: " << FormatCurrency(premios.Beneficio()) << "\n";
    const std::optional<Currency> percentage = premios.PorcentajeBeneficio();
    std::cout << "Profit percentage: " << (percentage ? FormatCurrency(*percentage) + " %" : std::string("-"))
              << "\n";

    if (!summary && premios.CountPremiadas() > 0) {
        std::cout << "\nWinning bets:\n";
        premios.ForEachPremiada([&](const TApuestaPremiada &hit) {
            std::cout << Padded(std::to_string(hit.IndiceApuesta + 1), 8) << "  "
                      << MaskToText(apuestas.Mask(hit.IndiceApuesta)) << "  "
                      << FormatFechaIso(hit.FechaSorteo) << "  "
                      << Padded(CategoriaTexto(hit.Categoria, categorias), 4)
                      << Padded(FormatCurrency(hit.Importe), 17) << "\n";
        });
    }
}

int Check(const std::vector<std::string> &args)
{
    std::string combination, archive;
    double from = kMinFecha, to = kMaxFecha - 1;
    bool summary = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--summary") {
            summary = true;
            continue;
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
            } else if (!ParseFechaIso(args[i], arg == "--from" ? from : to))
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
    if (!LoadOrReport(apuestas, combination))
        return kCliUsageError;
    TSorteosEuroMillon sorteos(edition);
    if (!LoadOrReport(sorteos, archive))
        return kCliUsageError;
    sorteos.KeepRange(from, to);

    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);

    PrintCheck(premios, apuestas, combination, sorteos, summary);
    return 0;
}

const CliRegistration registration({"check", "check a combination against the draws of a date range", Check});

} // namespace
