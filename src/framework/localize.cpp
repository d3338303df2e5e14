#include "framework/localize.h"

// Placeholder until the text tables land: every identifier gives the empty text.
class TLanguageTable {};

TLocalize::TLocalize() = default;
TLocalize::~TLocalize() = default;

std::string TLocalize::GetText(uint16_t) const
{
    return {};
}

bool TLocalize::LoadLanguage(const std::string &)
{
    library_.reset();
    loaded_ = false;
    return false;
}

void TLocalize::UnloadLanguage()
{
    library_.reset();
    loaded_ = false;
}

TLocalize &Localizer()
{
    static TLocalize localizer;
    return localizer;
}

std::string GetText(uint16_t id)
{
    return Localizer().GetText(id);
}
