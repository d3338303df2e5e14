// The published draw history (CSV).
#include "fuzz_harness.h"

#include "draws/draw_history_csv.h"

#include <sstream>

std::vector<std::string> FuzzSeeds()
{
    std::string header = "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;boule_4;"
                         "boule_5;etoile_1;etoile_2";
    std::string row = "2011035;VE;06/05/2011;28;16;20;22;11;9;4";
    std::string shortRow = "2004001;VE;20040213;16;29;32;36;41;7;9";
    for (int k = 1; k <= 12; ++k) {
        std::string rank = std::to_string(k);
        header += ";nombre_de_gagnant_au_rang" + rank + "_en_europe;rapport_du_rang" + rank;
        row += ";" + std::to_string(k * 10) + ";" + std::to_string(k) + ",5";
        shortRow += ";0;";
    }
    return {header + "\n" + row + "\n", header + "\r\n" + shortRow + "\r\n" + row + "\r\n"};
}

void FuzzOne(std::string_view data)
{
    std::istringstream input{std::string(data)};
    THistorialSorteos history = LeerHistorialCsv(input, "fuzz.csv");
    for (const TSorteoHistorial &draw : history.Sorteos) {
        FuzzCheck(draw.Numeros.front() >= 1 && draw.Numeros.back() <= 50, "a number outside 1 to 50");
        FuzzCheck(draw.Estrellas.front() >= 1 && draw.Estrellas.back() <= 9, "a star outside 1 to 9");
    }
}
