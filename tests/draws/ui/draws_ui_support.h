#pragma once

#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/draw_info.h"
#include "draws/prize_scan.h"
#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "widgets/dialog_service.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <random>
#include <vector>

// Helpers of the draw windows' tests; the program folder is a
// ShellTestFolder, so ArchivoSorteos() lies in it.

inline double Day(int year, int month, int day)
{
    double fecha = 0;
    EncodeFecha(year, month, day, fecha);
    return fecha;
}

// The separators the expected texts are written with.
inline void UseEnglishNumbers()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

inline TSorteoEuroMillonInfo Draw(double fecha, TEuroMillonNumeros numeros, TEuroMillonNumeros estrellas,
                                  Currency premio1 = 0)
{
    TSorteoEuroMillonInfo info;
    info.FechaSorteo = fecha;
    info.ApuestaGanadora.Numeros = std::move(numeros);
    info.ApuestaGanadora.Estrellas = std::move(estrellas);
    for (int c = 1; c <= kNumCategorias; ++c)
        info.PremioCategoria[c] = CurrencyFromUnits(c);
    info.PremioCategoria[1] = premio1;
    return info;
}

inline void WriteArchive(const std::vector<TSorteoEuroMillonInfo> &draws)
{
    TSorteosEuroMillon sorteos;
    for (const TSorteoEuroMillonInfo &info : draws)
        sorteos.AddSorteo(info);
    sorteos.SaveToFile(ArchivoSorteos());
}

inline int ArchivedCount()
{
    TSorteosEuroMillon sorteos;
    sorteos.LoadFromFile(ArchivoSorteos());
    return sorteos.Count();
}

inline BetMask Bet(std::vector<int32_t> numbers, std::vector<int32_t> stars)
{
    return SimpleBetMask(numbers, stars);
}

// count bets that win nothing against 1 2 3 4 5 + 1 2, except those put at
// the given positions, which hit it with 5 + 2.
inline void FillCombination(TEuroMillonApuestas &apuestas, int count, std::vector<int> winners = {})
{
    std::vector<BetMask> masks;
    for (int k = 0; k < count; ++k)
        masks.push_back(Bet({40, 41, 42, 43, 44 + k % 6}, {8, 9}));
    for (int position : winners)
        masks[static_cast<size_t>(position)] = Bet({1, 2, 3, 4, 5}, {1, 2});
    apuestas.AppendMasks(masks.data(), masks.size());
}

// A player's fifty bets spread over the ticket of a game with the given
// highest star, the same for a seed.
inline void FillPlayerBets(TEuroMillonApuestas &apuestas, uint32_t seed, int32_t highestStar)
{
    std::mt19937 random(seed);
    std::vector<BetMask> masks;
    while (masks.size() < 50) {
        std::vector<int32_t> numbers, stars;
        while (numbers.size() < 5) {
            const int32_t n = static_cast<int32_t>(random() % 50) + 1;
            if (std::find(numbers.begin(), numbers.end(), n) == numbers.end())
                numbers.push_back(n);
        }
        while (stars.size() < 2) {
            const int32_t s = static_cast<int32_t>(random() % static_cast<uint32_t>(highestStar)) + 1;
            if (std::find(stars.begin(), stars.end(), s) == stars.end())
                stars.push_back(s);
        }
        masks.push_back(SimpleBetMask(numbers, stars, highestStar));
    }
    apuestas.AppendMasks(masks.data(), masks.size());
}

inline int ErrorBoxes()
{
    int count = 0;
    for (const DialogService::ShownBox &box : DialogService::ShownBoxes())
        if (box.kind == DialogService::Kind::Error)
            ++count;
    return count;
}
