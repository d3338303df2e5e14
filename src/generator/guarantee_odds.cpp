#include "generator/guarantee_odds.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "model/exception.h"

#include <filesystem>

TAveragePrizes AveragePrizes(const TSorteosEuroMillon &archive)
{
    // A sum over thousands of draws of prizes up to hundreds of millions
    // stays far inside 128 bits.
    std::array<__int128, kMaxCategorias> sums{};
    TAveragePrizes prizes;
    for (int index = 0; index < archive.Count(); ++index) {
        const TSorteoEuroMillonInfo &draw = archive.Sorteo(index);
        for (int categoria = 1; categoria <= kMaxCategorias; ++categoria)
            if (draw.Acertantes[categoria] > 0 && draw.PremioCategoria[categoria] > 0) {
                sums[static_cast<size_t>(categoria - 1)] += draw.PremioCategoria[categoria];
                ++prizes.Draws[static_cast<size_t>(categoria - 1)];
            }
    }
    for (size_t c = 0; c < sums.size(); ++c)
        if (prizes.Draws[c] > 0)
            prizes.Average[c] = static_cast<Currency>((sums[c] + prizes.Draws[c] / 2) / prizes.Draws[c]);
    return prizes;
}

TAveragePrizes AveragePrizesOfArchive(TGameEdition edition)
{
    try {
        PrepararArchivoSorteos(edition);
        const std::string path = ArchivoSorteos(edition);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return {};
        TSorteosEuroMillon archive(edition);
        archive.LoadFromFile(path);
        return AveragePrizes(archive);
    } catch (const Exception &) {
        return {};
    }
}

Currency ExpectedPrizes(const TGuaranteeOdds &odds, const TAveragePrizes &prizes)
{
    if (odds.Best.Draws == 0)
        return 0;
    __int128 sum = 0;
    for (int c = 0; c < odds.Best.Categories && c < kMaxCategorias; ++c)
        sum += static_cast<__int128>(odds.BetWins[static_cast<size_t>(c)]) *
               prizes.Average[static_cast<size_t>(c)];
    const __int128 draws = odds.Best.Draws;
    return static_cast<Currency>(sum >= 0 ? (sum + draws / 2) / draws : -((-sum + draws / 2) / draws));
}

Currency CostOfOneDraw(int64_t bets, TGameEdition edition)
{
    const Currency price = edition == TGameEdition::Current ? PrecioApuestaActual() : PrecioApuesta;
    return MultiplyCurrency(price, bets);
}

std::string PlainAmount(Currency amount)
{
    std::string text = FormatCurrency(amount);
    std::erase(text, ',');
    return text;
}
