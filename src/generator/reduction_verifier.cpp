#include "generator/reduction_verifier.h"

#include "generator/genera_comb.h"
#include "generator/generador.h"
#include "model/euromillon_apuestas.h"

#include <algorithm>

TReductionVerdict VerifyReduction(const TEuroMillonGeneraComb &settings, const std::vector<BetMask> &bets)
{
    TEuroMillonGeneraComb judge;
    judge.AssignSettings(settings);
    judge.Apuestas().AppendMasks(bets.data(), bets.size());
    const bool reduces = judge.ReduccionAplica();

    std::vector<BetMask> offered(bets);
    std::sort(offered.begin(), offered.end());
    std::vector<bool> matched(offered.size(), false);

    TReductionVerdict verdict;
    TEuroMillonGenerador walk(judge.Seleccion());
    for (walk.Primera(); !walk.Fin(); walk.Siguiente()) {
        const TEuroMillonApuesta &candidate = walk.Apuesta();
        if (!judge.CumpleCondiciones(candidate))
            continue;
        ++verdict.validas;
        const BetMask mask = candidate.ToMask();
        const auto found = std::lower_bound(offered.begin(), offered.end(), mask);
        const bool offeredItself = found != offered.end() && *found == mask;
        if (offeredItself)
            matched[static_cast<size_t>(found - offered.begin())] = true;
        const bool covered = reduces ? !judge.CumpleReduccion(candidate) : offeredItself;
        if (!covered && verdict.descubiertas++ == 0)
            verdict.primeraDescubierta = mask;
    }
    verdict.apuestasAjenas = std::count(matched.begin(), matched.end(), false);
    return verdict;
}
