#pragma once

// The guarantee report computed as plainly as possible: every draw of the
// selection, walked by the generator's own enumerator, against every bet.
// The fast analyser must give exactly what this gives.

#include "generator/generador.h"
#include "generator/guarantee_report.h"
#include "model/bet_mask.h"
#include "model/prize_categories.h"

#include <vector>

namespace reference_guarantee {

inline int BestCategory(const std::vector<BetMask> &bets, BetMask draw, int categories = kNumCategorias)
{
    int best = categories + 1;
    for (BetMask bet : bets) {
        const int categoria = CategoriaPremio(SharedNumbers(bet, draw), SharedStars(bet, draw), categories);
        if (categoria > 0 && categoria < best)
            best = categoria;
    }
    return best;
}

inline void Count(TGuaranteeTable &table, int categoria)
{
    ++table.Draws;
    ++table.PerCategory[static_cast<size_t>(categoria - 1)];
}

// Every set of `size` values of `values` (given ascending), as masks.
inline void Subsets(const std::vector<BetMask> &values, size_t size, size_t from, BetMask chosen,
                    std::vector<BetMask> &out)
{
    if (size == 0) {
        out.push_back(chosen);
        return;
    }
    for (size_t i = from; i + size <= values.size(); ++i)
        Subsets(values, size - 1, i + 1, chosen | values[i], out);
}

inline std::vector<BetMask> Subsets(BetMask set, size_t size)
{
    std::vector<BetMask> values;
    for (BetMask rest = set; rest != 0; rest &= rest - 1)
        values.push_back(rest & (~rest + 1));
    std::vector<BetMask> out;
    Subsets(values, size, 0, 0, out);
    return out;
}

} // namespace reference_guarantee

inline TGuaranteeReport ReferenceGuarantee(const std::vector<BetMask> &bets, BetMask selection = 0,
                                           TGameEdition edition = TGameEdition::Classic)
{
    using namespace reference_guarantee;
    const TGameRules &rules = GameRules(edition);
    const int categories = rules.CategoryCount;
    if (selection == 0)
        for (BetMask bet : bets)
            selection |= bet;
    selection &= kNumberBits | rules.StarBits;
    TGuaranteeReport report;
    report.Selection = selection;
    report.All.Categories = categories;

    TEuroMillonApuestaMult origin(edition);
    origin.FromMask(selection);
    TEuroMillonGenerador walk(origin);
    std::vector<std::pair<BetMask, int>> draws;
    for (walk.Primera(); !walk.Fin(); walk.Siguiente()) {
        const BetMask draw = walk.Apuesta().ToMask();
        draws.emplace_back(draw, BestCategory(bets, draw, categories));
        Count(report.All, draws.back().second);
    }
    const int worst = report.All.Guaranteed();
    for (const auto &[draw, categoria] : draws)
        if (categoria == worst && report.Holes.size() < kMaxGuaranteeHoles)
            report.Holes.push_back(draw);

    if (CountNumbers(selection) > 5) {
        const std::vector<BetMask> pairs = Subsets(selection & rules.StarBits, 2);
        for (int hits = 5; hits >= 3; --hits) {
            TGuaranteeByHits byHits{hits, {}};
            byHits.Table.Categories = categories;
            for (BetMask inside : Subsets(selection & kNumberBits, static_cast<size_t>(hits)))
                for (BetMask outside : Subsets(~selection & kNumberBits, static_cast<size_t>(5 - hits)))
                    for (BetMask pair : pairs)
                        Count(byHits.Table, BestCategory(bets, inside | outside | pair, categories));
            report.ByHits.push_back(byHits);
        }
    }
    return report;
}
