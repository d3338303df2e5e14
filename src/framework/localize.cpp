#include "framework/localize.h"

#include "framework/builtin_texts.h"
#include "framework/language_table.h"

TLocalize::TLocalize() = default;
TLocalize::~TLocalize() = default;

std::string TLocalize::GetText(uint16_t id) const
{
    // No fall-back: a loaded language that lacks the identifier gives the
    // empty text, so a missing translation shows instead of hiding.
    if (loaded_) {
        const std::string *text = library_->Find(id);
        return text ? *text : std::string();
    }
    return std::string(BuiltinText(id));
}

bool TLocalize::LoadLanguage(const std::string &path)
{
    UnloadLanguage();
    library_ = TLanguageTable::LoadFile(path);
    loaded_ = library_ != nullptr;
    return loaded_;
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
