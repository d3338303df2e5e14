#include "generator/guarantee_report.h"

#include "generator/subset_rank.h"
#include "model/prize_categories.h"

int TGuaranteeTable::Guaranteed() const
{
    if (Draws == 0)
        return 0;
    for (int categoria = SinPremio(); categoria >= 1; --categoria)
        if (PerCategory[static_cast<size_t>(categoria - 1)] > 0)
            return categoria;
    return 0;
}

int64_t TGuaranteeTable::Count(int categoria) const
{
    if (categoria < 1 || categoria > SinPremio())
        return 0;
    return PerCategory[static_cast<size_t>(categoria - 1)];
}

double TGuaranteeTable::Percent(int categoria) const
{
    if (Draws == 0)
        return 0.0;
    return static_cast<double>(Count(categoria)) * 100.0 / static_cast<double>(Draws);
}

double TGuaranteeOdds::OneIn(int categoria) const
{
    const int64_t count = Best.Count(categoria);
    return count == 0 ? 0.0 : static_cast<double>(Best.Draws) / static_cast<double>(count);
}

double TGuaranteeOdds::AnyPrize() const
{
    if (Best.Draws == 0)
        return 0.0;
    return static_cast<double>(Best.Draws - Best.Count(Best.SinPremio())) / static_cast<double>(Best.Draws);
}

double TGuaranteeOdds::ExpectedWinningBets() const
{
    if (Best.Draws == 0)
        return 0.0;
    int64_t wins = 0;
    for (int64_t count : BetWins)
        wins += count;
    return static_cast<double>(wins) / static_cast<double>(Best.Draws);
}

std::string GuaranteeCategoryText(int categoria, int categories)
{
    return categoria == categories + 1 ? std::string("none") : CategoriaTexto(categoria, categories);
}

BetMask SelectionOfBets(const std::vector<BetMask> &bets)
{
    BetMask selection = 0;
    for (BetMask bet : bets)
        selection |= bet;
    return selection & (kNumberBits | kAnyStarBits);
}

int64_t GuaranteeDrawCount(BetMask selection)
{
    return static_cast<int64_t>(kBinomial(CountNumbers(selection), 5) * kBinomial(CountStars(selection), 2));
}

int64_t GuaranteeDrawCount(BetMask selection, int hits)
{
    if (hits < 0 || hits > 5)
        return 0;
    const int numbers = CountNumbers(selection);
    return static_cast<int64_t>(kBinomial(numbers, hits) * kBinomial(50 - numbers, 5 - hits) *
                                kBinomial(CountStars(selection), 2));
}
