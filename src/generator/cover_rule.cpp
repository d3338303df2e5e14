#include "generator/cover_rule.h"

#include "generator/genera_comb.h"

bool TCoverRule::FromSettings(const TEuroMillonGeneraComb &settings, TCoverRule &rule)
{
    if (!settings.ReduccionAplica())
        return false;
    rule = TCoverRule{};
    rule.global = settings.TipoReduccion() == TEuroMillonGeneraComb::kReduccionGlobal;
    rule.total = settings.ReduccionGlobal();
    rule.numbers = settings.ReduccionB1();
    rule.stars = settings.ReduccionB2();
    return true;
}
