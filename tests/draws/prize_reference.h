#pragma once

#include "model/prize_categories.h"

#include <array>
#include <cstdint>
#include <random>
#include <vector>

// The prize check written the plain way, number by number, to hold the fast
// mask-based one to.
struct TReferenceBet {
    std::array<int32_t, 5> Numeros{};
    std::array<int32_t, 2> Estrellas{};
};

struct TReferenceHit {
    int32_t Apuesta = 0;
    int32_t Sorteo = 0;
    int32_t Categoria = 0;
    bool operator==(const TReferenceHit &) const = default;
};

inline int ReferenceShared(const int32_t *a, size_t na, const int32_t *b, size_t nb)
{
    int shared = 0;
    for (size_t i = 0; i < na; ++i)
        for (size_t j = 0; j < nb; ++j)
            if (a[i] == b[j])
                ++shared;
    return shared;
}

inline std::vector<TReferenceHit> ReferencePrizeCheck(const std::vector<TReferenceBet> &bets,
                                                      const std::vector<TReferenceBet> &draws)
{
    std::vector<TReferenceHit> hits;
    for (size_t i = 0; i < bets.size(); ++i)
        for (size_t j = 0; j < draws.size(); ++j) {
            int n = ReferenceShared(bets[i].Numeros.data(), 5, draws[j].Numeros.data(), 5);
            int s = ReferenceShared(bets[i].Estrellas.data(), 2, draws[j].Estrellas.data(), 2);
            int c = CategoriaPremio(n, s);
            if (c > 0)
                hits.push_back({static_cast<int32_t>(i), static_cast<int32_t>(j), c});
        }
    return hits;
}

inline TReferenceBet RandomReferenceBet(std::mt19937 &random)
{
    TReferenceBet bet;
    std::array<int32_t, 50> numbers{};
    for (int i = 0; i < 50; ++i)
        numbers[static_cast<size_t>(i)] = i + 1;
    std::array<int32_t, 9> stars{1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (size_t i = 0; i < 5; ++i) {
        std::uniform_int_distribution<size_t> pick(i, 49);
        std::swap(numbers[i], numbers[pick(random)]);
        bet.Numeros[i] = numbers[i];
    }
    for (size_t i = 0; i < 2; ++i) {
        std::uniform_int_distribution<size_t> pick(i, 8);
        std::swap(stars[i], stars[pick(random)]);
        bet.Estrellas[i] = stars[i];
    }
    return bet;
}
