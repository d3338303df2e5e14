#include "framework/user_language.h"

#include <string>

namespace {

const char *Variable(const TEnvironmentLookup &variable, const char *name)
{
    const char *value = variable(name);
    return value && *value ? value : nullptr;
}

} // namespace

bool LanguageOfLocale(std::string_view locale, TUserLanguage &language)
{
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    std::string lower;
    for (char c : code)
        lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "es")
        language = TUserLanguage::Spanish;
    else if (lower == "en")
        language = TUserLanguage::English;
    else if (lower == "fr")
        language = TUserLanguage::French;
    else
        return false;
    return true;
}

TUserLanguage LanguageFromEnvironment(const TEnvironmentLookup &variable)
{
    const char *locale = nullptr;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if ((locale = Variable(variable, name)) != nullptr)
            break;
    const std::string_view localeName = locale ? locale : "C";
    TUserLanguage language = TUserLanguage::English;
    // The C locale asks for the program's own texts, whatever LANGUAGE says.
    if (localeName == "C" || localeName == "POSIX")
        return language;
    if (const char *list = Variable(variable, "LANGUAGE")) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const size_t colon = rest.find(':');
            if (LanguageOfLocale(rest.substr(0, colon), language))
                return language;
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
        return TUserLanguage::English;
    }
    LanguageOfLocale(localeName, language);
    return language;
}

std::string_view LanguageFileName(TUserLanguage language)
{
    switch (language) {
    case TUserLanguage::English:
        return kEnglishLanguageFile;
    case TUserLanguage::French:
        return kFrenchLanguageFile;
    case TUserLanguage::Spanish:
        break;
    }
    return {};
}
