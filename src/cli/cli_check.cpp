#include "cli/cli_command.h"
#include "cli/cli_text_ids.h"

#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"
#include "model/format.h"
#include "model/text_lookup.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <utility>

namespace {

// The characters of a UTF-8 text, for columns of translated headers.
size_t Width(const std::string &text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string &text, size_t width)
{
    return Width(text) >= width ? text : std::string(width - Width(text), ' ') + text;
}

// Every bet of the combination in one draw, at each price the draws of the
// run had, newest first: "65.00 (26 bets at 2.50) in 1,007 draws; 52.00 ...".
std::string PreciosPorSorteo(const TPremiosEuroMillon &premios)
{
    const int64_t bets = premios.Apuestas() ? premios.Apuestas()->Count() : 0;
    if (premios.CountSorteos() == 0)
        return FormatText(GetText(kTxtCliBetsNoDraw), {FormatCurrency(premios.ImporteCombinacion()), bets});
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
        text += FormatText(GetText(bets == 1 ? kTxtCliOneBetAt : kTxtCliBetsAt),
                           {FormatCurrency(MultiplyCurrency(precio, bets)), bets, FormatCurrency(precio)});
        if (prices.size() > 1)
            text += FormatText(GetText(draws == 1 ? kTxtCliInOneDraw : kTxtCliInDraws), {draws});
    }
    return text;
}

// The totals per category, the money, and unless summary is asked every
// winning bet with its draw's day, category and prize.
void PrintCheck(const TPremiosEuroMillon &premios, const TEuroMillonApuestas &apuestas,
                const std::string &combination, const TSorteosEuroMillon &sorteos, bool summary)
{
    std::cout << FormatText(GetText(kTxtCliCheckCombination),
                            {apuestas.Name(), apuestas.Count(), combination})
              << "\n";
    std::cout << FormatText(GetText(kTxtCliCheckDraws), {sorteos.Count()});
    if (sorteos.Count() > 0)
        std::cout << FormatText(GetText(kTxtCliCheckDrawRange),
                                {FormatFechaIso(sorteos.Sorteo(sorteos.Count() - 1).FechaSorteo),
                                 FormatFechaIso(sorteos.Sorteo(0).FechaSorteo)});
    std::cout << "\n" << FormatText(GetText(kTxtCliCheckHits), {premios.CountPremiadas()}) << "\n\n";
    const std::string category = GetText(kTxtCliCategoryHeader);
    std::cout << category << std::string(Width(category) < 8 ? 8 - Width(category) : 0, ' ')
              << Padded(GetText(kTxtCliHitsHeader), 12) << Padded(GetText(kTxtCliTotalHeader), 17) << "\n";
    const int categorias = GameRules(apuestas.Edition()).CategoryCount;
    for (int c = 1; c <= categorias; ++c)
        std::cout << Padded(CategoriaTexto(c, categorias), 8)
                  << Padded(std::to_string(premios.NumPremiadas(c)), 12)
                  << Padded(FormatCurrency(premios.TotalCategoria(c)), 17) << "\n";
    std::cout << "\n"
              << FormatText(GetText(kTxtCliTotalPrizes), {FormatCurrency(premios.TotalPremios())}) << "\n";
    std::cout << FormatText(GetText(kTxtCliPricePerDraw), {PreciosPorSorteo(premios)}) << "\n";
    std::cout << FormatText(GetText(premios.CountSorteos() == 1 ? kTxtCliCostOfOneDraw : kTxtCliCostOfDraws),
                            {premios.CountSorteos(), FormatCurrency(premios.ImporteCombinacion())})
              << "\n";
    std::cout << FormatText(GetText(kTxtCliProfit), {FormatCurrency(premios.Beneficio())}) << "\n";
    const std::optional<Currency> percentage = premios.PorcentajeBeneficio();
    std::cout << FormatText(GetText(kTxtCliProfitPercentage),
                            {percentage ? FormatCurrency(*percentage) + " %" : std::string("-")})
              << "\n";

    if (!summary && premios.CountPremiadas() > 0) {
        std::cout << "\n" << GetText(kTxtCliWinningBets) << "\n";
        premios.ForEachPremiada([&](const TApuestaPremiada &hit) {
            std::cout << Padded(std::to_string(hit.IndiceApuesta + 1), 8) << "  "
                      << MaskToText(apuestas.Mask(hit.IndiceApuesta)) << "  "
                      << FormatFechaIso(hit.FechaSorteo) << "  "
                      << Padded(CategoriaTexto(hit.Categoria, categorias), 4)
                      << Padded(FormatCurrency(hit.Importe), 17) << "\n";
        });
    }
}

int Check(const CliArguments &args)
{
    const std::string combination = args.Operand(0);
    std::string archive = args.Value("--archive").value_or(std::string());
    double from = kMinFecha, to = kMaxFecha - 1;
    const bool summary = args.Has("--summary");
    if (const std::optional<std::string> price = args.Value("--price")) {
        const Currency precio = PrecioDeTexto(*price);
        if (precio <= 0)
            return CliFail(FormatText(GetText(kTxtCliNotAPrice), {*price}));
        SetPrecioApuestaActual(precio);
    }
    for (const auto &[option, day] : {std::pair{"--from", &from}, std::pair{"--to", &to}}) {
        const std::optional<std::string> value = args.Value(option);
        if (value && !ParseFechaIso(*value, *day))
            return CliFail(FormatText(GetText(kTxtCliNotADate), {*value}));
    }
    const TGameEdition edition = EditionInForce();
    if (archive.empty()) {
        PrepararArchivoSorteos(edition); // today's game's, from the shipped one when the user has none
        archive = ArchivoSorteos(edition);
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(archive, error))
        return CliFileFail(archive, GetText(kTxtCliNoDrawArchive));

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

const CliRegistration registration({
    .name = "check",
    .summary = kTxtCliSummaryCheck,
    .usage = {kTxtCliUsageCheck},
    .options = {{"--archive", true}, {"--from", true}, {"--to", true}, {"--price", true}, {"--summary"}},
    .missingOperand = kTxtCliNoCombinationFile,
    .run = Check,
});

} // namespace
