#pragma once

#include <cstdint>
#include <string>

class TParametres;

// One setting kept in the parameter store: its key and the value it has
// until the user changes it. Converts to its key wherever a key is asked.
template <typename T> struct TSettingKey {
    const char *Name;
    T Default;
    constexpr operator const char *() const { return Name; }
    operator std::string() const { return Name; }
};

// Every setting the program keeps between runs, each key spelt once here
// with its default.

// Desktop shell: view mode, language, ticket country, online help.
inline constexpr TSettingKey<bool> PRM_SHOWLIKE_Boleto{"PRM_SHOWLIKE_Boleto", true};
inline constexpr TSettingKey<const char *> PRM_LANGUAGE_DLL_FILENAME{"PRM_LANGUAGE_DLL_FILENAME", ""};
inline constexpr TSettingKey<const char *> PRM_COUNTRY_TICKET{"PRM_COUNTRY_TICKET", "ES"};
inline constexpr TSettingKey<const char *> PRM_WEBSITE_COMPRAR{
    "PRM_WEBSITE_COMPRAR", "https://github.com/qor-euromillon/qor-euromillon#readme"};
// The game played: "classic" or "current" (EditionKey's spelling).
inline constexpr TSettingKey<const char *> PRM_GAME_EDITION{"PRM_GAME_EDITION", "classic"};
// The folder of the last file chosen in any file dialog.
inline constexpr TSettingKey<const char *> PRM_LAST_FOLDER{"PRM_LAST_FOLDER", ""};

// Prizes window: the range of the check. The dates have no fixed default:
// 0 stands for the last draw day, which the window works out.
inline constexpr TSettingKey<double> PRM_PREMIOS_Desde{"PRM_PREMIOS_Desde", 0};
inline constexpr TSettingKey<double> PRM_PREMIOS_Hasta{"PRM_PREMIOS_Hasta", 0};
inline constexpr TSettingKey<bool> PRM_PREMIOS_HastaChecked{"PRM_PREMIOS_HastaChecked", false};
// The price of a bet of today's game, as typed ("2.50", "3,50"); empty: the
// price of the rules for each draw's date.
inline constexpr TSettingKey<const char *> PRM_PRECIO_APUESTA{"PRM_PRECIO_APUESTA", ""};

// Draw results download: the address of the results file (empty: the
// operator's own), the seconds without a byte from the server before a
// download is given up, whether the program looks for new draws once a day
// at start, and the day it last did.
inline constexpr TSettingKey<const char *> PRM_URL_SORTEOS{"PRM_URL_SORTEOS", ""};
inline constexpr TSettingKey<int32_t> PRM_SORTEOS_TIMEOUT{"PRM_SORTEOS_TIMEOUT", 30};
inline constexpr TSettingKey<bool> PRM_SORTEOS_AL_INICIAR{"PRM_SORTEOS_AL_INICIAR", false};
inline constexpr TSettingKey<double> PRM_SORTEOS_ULTIMA_BUSQUEDA{"PRM_SORTEOS_ULTIMA_BUSQUEDA", 0};

// Print window: automatic or saved ticket, template, country, rotation and
// offsets in tenths of a millimetre.
inline constexpr TSettingKey<bool> PRM_PRINTBOL_AUTOPRINT{"PRM_PRINTBOL_AUTOPRINT", true};
inline constexpr TSettingKey<const char *> PRM_PRINTBOL_FILE{"PRM_PRINTBOL_FILE", ""};
inline constexpr TSettingKey<int32_t> PRM_PRINTBOL_IPAIS{"PRM_PRINTBOL_IPAIS", 0};
inline constexpr TSettingKey<int32_t> PRM_PRINTBOL_IANGULO{"PRM_PRINTBOL_IANGULO", 1};
inline constexpr TSettingKey<int32_t> PRM_PRINTBOL_MM_DESFX{"PRM_PRINTBOL_MM_DESFX", 0};
inline constexpr TSettingKey<int32_t> PRM_PRINTBOL_MM_DESFY{"PRM_PRINTBOL_MM_DESFY", 0};

// Text export: the separators last chosen.
inline constexpr TSettingKey<const char *> PRM_NUMEROS_SEPARATOR{"PRM_NUMEROS_SEPARATOR", "."};
inline constexpr TSettingKey<const char *> PRM_BLOQUES_SEPARATOR{"PRM_BLOQUES_SEPARATOR", "-"};

// The stored value, or the key's default when the setting is absent or of
// another kind.
bool ReadSetting(TParametres &store, const TSettingKey<bool> &key);
int32_t ReadSetting(TParametres &store, const TSettingKey<int32_t> &key);
double ReadSetting(TParametres &store, const TSettingKey<double> &key, double dynamicDefault);
std::string ReadSetting(TParametres &store, const TSettingKey<const char *> &key);
