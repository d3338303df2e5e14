#pragma once

#include <functional>
#include <string_view>

// The languages the program speaks: Spanish by its built-in texts, English
// and French by their language files beside the program.
enum class TUserLanguage { Spanish, English, French };

inline constexpr const char *kEnglishLanguageFile = "QOREuroMillonv3_english.lng";
inline constexpr const char *kFrenchLanguageFile = "QOREuroMillonv3_french.lng";

// Answers an environment variable's value, null when it is not set.
using TEnvironmentLookup = std::function<const char *(const char *name)>;

// The language of the messages, chosen from the environment as gettext
// chooses it. The locale is the first of LC_ALL, LC_MESSAGES and LANG that
// is set and not empty. Unless that locale is C or POSIX (or none is set),
// LANGUAGE, a colon-separated list, is tried first, entry by entry: the
// first entry the program speaks decides, and a list it does not speak at
// all gives English, as gettext falls back to the program's own texts.
// Without LANGUAGE the locale decides. "es", "fr" and "en" with any
// territory, codeset or modifier ("fr_BE.UTF-8@euro") are Spanish, French
// and English; anything else is English.
TUserLanguage LanguageFromEnvironment(const TEnvironmentLookup &variable);

// The language of one locale or LANGUAGE entry into language; false, with
// language unchanged, for a language the program does not speak.
bool LanguageOfLocale(std::string_view locale, TUserLanguage &language);

// The name of the language file beside the program; empty for Spanish, whose
// texts are built in.
std::string_view LanguageFileName(TUserLanguage language);
