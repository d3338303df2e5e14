#pragma once

#include <string>

// Lines of a published draw history as the operator writes it: the column
// names, and a row of a day with its numbers and stars (winners k * 10 and
// prize k,5 in rank k).
inline std::string Header()
{
    std::string header =
        "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;boule_4;"
        "boule_5;etoile_1;etoile_2";
    for (int k = 1; k <= 12; ++k) {
        std::string rank = std::to_string(k);
        header += ";nombre_de_gagnant_au_rang" + rank + "_en_france;nombre_de_gagnant_au_rang" + rank +
                  "_en_europe;rapport_du_rang" + rank;
    }
    return header + ";\n";
}

inline std::string Row(const std::string &date, const std::string &balls, const std::string &stars)
{
    std::string row = "2004001;VE;" + date + ";" + balls + ";" + stars;
    for (int k = 1; k <= 12; ++k)
        row += ";1;" + std::to_string(k * 10) + ";" + std::to_string(k) + ",5";
    return row + ";\n";
}
