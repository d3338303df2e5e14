#include "framework/user_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Environment = std::map<std::string, std::string>;

TUserLanguage Choose(const Environment &environment)
{
    return LanguageFromEnvironment([&](const char *name) -> const char * {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

} // namespace

TEST(UserLanguage, ChosenFromTheEnvironmentAsGettextChoosesIt)
{
    constexpr TUserLanguage es = TUserLanguage::Spanish, en = TUserLanguage::English,
                            fr = TUserLanguage::French;
    const struct {
        Environment environment;
        TUserLanguage expected;
    } cases[] = {
        {{}, en},
        {{{"LANG", "C"}}, en},
        {{{"LANG", "POSIX"}}, en},
        {{{"LANG", ""}}, en},
        {{{"LANG", "C.UTF-8"}}, en},
        {{{"LANG", "es_ES.UTF-8"}}, es},
        {{{"LANG", "es"}}, es},
        {{{"LANG", "fr_FR.UTF-8"}}, fr},
        {{{"LANG", "fr_BE@euro"}}, fr},
        {{{"LANG", "en_GB.UTF-8"}}, en},
        {{{"LANG", "de_DE.UTF-8"}}, en},
        {{{"LANG", "est_EE"}}, en}, // Estonian, not Spanish
        {{{"LANG", "ES_es"}}, es},
        // LC_ALL over LC_MESSAGES over LANG; an empty one does not count.
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "en_US.UTF-8"}}, fr},
        {{{"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, es},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "fr_FR.UTF-8"}}, fr},
        {{{"LC_ALL", "C"}, {"LANG", "es_ES.UTF-8"}}, en},
        // LANGUAGE comes first, entry by entry, unless the locale is C.
        {{{"LANGUAGE", "fr"}, {"LANG", "es_ES.UTF-8"}}, fr},
        {{{"LANGUAGE", "de:it:es_AR"}, {"LANG", "fr_FR.UTF-8"}}, es},
        {{{"LANGUAGE", "::fr:es"}, {"LANG", "en_US.UTF-8"}}, fr},
        {{{"LANGUAGE", "de:it"}, {"LANG", "fr_FR.UTF-8"}}, en},
        {{{"LANGUAGE", ""}, {"LANG", "fr_FR.UTF-8"}}, fr},
        {{{"LANGUAGE", "es"}, {"LANG", "C"}}, en},
        {{{"LANGUAGE", "es"}, {"LC_ALL", "POSIX"}, {"LANG", "fr_FR.UTF-8"}}, en},
        {{{"LANGUAGE", "es"}}, en},
        {{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, fr},
    };
    for (const auto &c : cases) {
        std::string description;
        for (const auto &[name, value] : c.environment)
            description += name + "=" + value + " ";
        EXPECT_EQ(Choose(c.environment), c.expected) << description;
    }
}

TEST(UserLanguage, EnglishAndFrenchHaveLanguageFilesAndSpanishIsBuiltIn)
{
    EXPECT_EQ(LanguageFileName(TUserLanguage::Spanish), "");
    EXPECT_EQ(LanguageFileName(TUserLanguage::English), "QOREuroMillonv3_english.lng");
    EXPECT_EQ(LanguageFileName(TUserLanguage::French), "QOREuroMillonv3_french.lng");
}
