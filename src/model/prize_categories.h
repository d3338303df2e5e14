#pragma once

#include <array>
#include <cstdint>
#include <string>

// The prize categories, numbered from 1, each defined by how many of the five
// drawn numbers and of the two drawn stars a bet hits. The order is the
// game's ranking, not numbers first: 2+2 ranks above 3+0, 1+2 above 2+1. The
// classic game has the first twelve; today's game adds 2+0 as the 13th.
inline constexpr int kNumCategorias = 12;
inline constexpr int kMaxCategorias = 13;

struct TCategoriaPremio {
    int Numeros = 0;
    int Estrellas = 0;
};

// Row c-1 holds category c.
inline constexpr std::array<TCategoriaPremio, kMaxCategorias> CategoriasPremio{{
    {5, 2},
    {5, 1},
    {5, 0},
    {4, 2},
    {4, 1},
    {4, 0},
    {3, 2},
    {3, 1},
    {2, 2},
    {3, 0},
    {1, 2},
    {2, 1},
    {2, 0},
}};

// The category whose row has exactly these counts, searched from 1 to
// categoryCount (12 in the classic game, 13 today); -1 when no row matches
// (1+1, 0+2 and the like win nothing; so does 2+0 in the classic game).
constexpr int CategoriaPremio(int numerosAcertados, int estrellasAcertadas,
                              int categoryCount = kNumCategorias)
{
    for (int c = 1; c <= categoryCount; ++c) {
        const TCategoriaPremio &row = CategoriasPremio[static_cast<size_t>(c - 1)];
        if (row.Numeros == numerosAcertados && row.Estrellas == estrellasAcertadas)
            return c;
    }
    return -1;
}

// "5+2", "3+0": how a category is shown to the user. Empty for a number
// outside 1 to categoryCount.
std::string CategoriaTexto(int categoria, int categoryCount = kNumCategorias);

// A fixed array indexed by category 1 to N, as the draw record and the prize
// check index their tables. Raises EListError for an index outside 1 to N.
template <typename T, int N = kNumCategorias> struct TPorCategoria {
    std::array<T, N> Valores{};

    T &operator[](int categoria) { return Valores[Slot(categoria)]; }
    const T &operator[](int categoria) const { return Valores[Slot(categoria)]; }
    bool operator==(const TPorCategoria &) const = default;

private:
    static size_t Slot(int categoria);
};

[[noreturn]] void CategoriaFueraDeRango(int categoria);

template <typename T, int N> size_t TPorCategoria<T, N>::Slot(int categoria)
{
    if (categoria < 1 || categoria > N)
        CategoriaFueraDeRango(categoria);
    return static_cast<size_t>(categoria - 1);
}
