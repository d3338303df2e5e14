#include "shell/ui/bet_check.h"

#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/euromillon_apuesta.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "shell/ui/shell_text_ids.h"

namespace {
}

void CheckCompleteBet(const TEuroMillonApuesta &bet)
{
    if (bet.Block(1).Count() != 5)
        throw Exception(FormatText(GetText(kTxtMissingNumbers), {5}));
    if (bet.Block(2).Count() != 2)
        throw Exception(FormatText(GetText(kTxtMissingStars), {2}));
}

bool IsCompleteBet(BetMask bet)
{
    return CountNumbers(bet) == 5 && CountStars(bet) == 2;
}

void CheckSameEdition(const TEuroMillonApuestas &source, const TEuroMillonApuestas &target)
{
    RequireSameGame(source.Edition(), target.Edition());
}
