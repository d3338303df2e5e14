// The published draw history (CSV), read for both games: the classic game
// keeps twelve ranks and skips stars above 9; today's game takes rank 13 from
// May 2011 and the stars the date allows.
#include "fuzz_harness.h"

#include "draws/draw_history_csv.h"
#include "draws/draw_rules.h"

#include <sstream>

std::vector<std::string> FuzzSeeds()
{
    std::string header =
        "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;boule_4;"
        "boule_5;etoile_1;etoile_2";
    std::string row = "2011035;VE;06/05/2011;28;16;20;22;11;9;4";
    std::string shortRow = "2004001;VE;20040213;16;29;32;36;41;7;9";
    for (int k = 1; k <= 12; ++k) {
        std::string rank = std::to_string(k);
        header += ";nombre_de_gagnant_au_rang" + rank + "_en_europe;rapport_du_rang" + rank;
        row += ";" + std::to_string(k * 10) + ";" + std::to_string(k) + ",5";
        shortRow += ";0;";
    }
    // A file of today's game: a byte order mark, 13 ranks with French counts,
    // an ISO-8859-1 column name, decimal points and commas, star 12.
    std::string header13 =
        "\xEF\xBB\xBF"
        "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;"
        "num\xE9ro_de_tirage_dans_le_cycle;boule_1;boule_2;boule_3;boule_4;boule_5;etoile_1;etoile_2";
    std::string row13 = "26040;MARDI;19/05/2026;8;12;20;45;38;2;5;2";
    std::string old13 = "11036;VENDREDI;06/05/11;;28;16;20;22;11;9;4";
    for (int k = 1; k <= 13; ++k) {
        std::string rank = std::to_string(k);
        header13 += ";nombre_de_gagnant_au_rang" + rank +
                    "_Euro_Millions_en_france;nombre_de_gagnant_au_rang" + rank +
                    "_Euro_Millions_en_europe;rapport_du_rang" + rank + "_Euro_Millions";
        row13 += ";" + std::to_string(k) + ";" + std::to_string(k * 10) + (k % 2 ? ";4,3" : ";93.4");
        old13 += ";" + std::to_string(k * 20) + ";" + std::to_string(k * 10) + ";" + rank + ",5";
    }
    return {header + "\n" + row + "\n", header + "\r\n" + shortRow + "\r\n" + row + "\r\n",
            header13 + ";\n" + row13 + ";\n" + old13 + ";\n"};
}

namespace {

void FuzzEdition(std::string_view data, TGameEdition edition)
{
    std::istringstream input{std::string(data)};
    TDrawHistory history = ReadHistoryCsv(input, "fuzz.csv", edition);
    for (const THistoryDraw &draw : history.Sorteos) {
        FuzzCheck(draw.Numeros.front() >= 1 && draw.Numeros.back() <= 50, "a number outside 1 to 50");
        FuzzCheck(draw.Estrellas.front() >= 1 &&
                      draw.Estrellas.back() <= EstrellaMaximaSorteo(edition, draw.Fecha),
                  "a star the draw's day did not have");
        if (CategoriasSorteo(edition, draw.Fecha) < kMaxCategorias)
            FuzzCheck(draw.Acertantes[13] == 0 && draw.Premios[13] == 0, "2+0 in a draw without it");
    }
}

} // namespace

void FuzzOne(std::string_view data)
{
    // The classic reading's documented errors do not spare today's reader
    // the input.
    try {
        FuzzEdition(data, TGameEdition::Classic);
    } catch (const Exception &) {
    }
    FuzzEdition(data, TGameEdition::Current);
}
