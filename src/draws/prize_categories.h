#pragma once

#include <array>
#include <cstdint>
#include <string>

// The twelve prize categories, numbered 1 to 12, each defined by how many of
// the five drawn numbers and of the two drawn stars a bet hits. The order is
// the game's ranking, not numbers first: 2+2 ranks above 3+0, 1+2 above 2+1.
inline constexpr int kNumCategorias = 12;

struct TCategoriaPremio {
    int Numeros = 0;
    int Estrellas = 0;
};

// Row c-1 holds category c.
inline constexpr std::array<TCategoriaPremio, kNumCategorias> CategoriasPremio{{
    {5, 2}, {5, 1}, {5, 0}, {4, 2}, {4, 1}, {4, 0},
    {3, 2}, {3, 1}, {2, 2}, {3, 0}, {1, 2}, {2, 1},
}};

// The category whose row has exactly these counts, searched from 1 to 12;
// -1 when no row matches (2+0, 1+1, 0+2 and the like win nothing).
constexpr int CategoriaPremio(int numerosAcertados, int estrellasAcertadas)
{
    for (int c = 1; c <= kNumCategorias; ++c) {
        const TCategoriaPremio &row = CategoriasPremio[static_cast<size_t>(c - 1)];
        if (row.Numeros == numerosAcertados && row.Estrellas == estrellasAcertadas)
            return c;
    }
    return -1;
}

// "5+2", "3+0": how a category is shown to the user. Empty for a number
// outside 1 to 12.
std::string CategoriaTexto(int categoria);

// A fixed array indexed by category 1 to 12, as the draw record and the prize
// check index their tables. Raises EListError for an index outside 1 to 12.
template <typename T> struct TPorCategoria {
    std::array<T, kNumCategorias> Valores{};

    T &operator[](int categoria) { return Valores[Slot(categoria)]; }
    const T &operator[](int categoria) const { return Valores[Slot(categoria)]; }
    bool operator==(const TPorCategoria &) const = default;

private:
    static size_t Slot(int categoria);
};

[[noreturn]] void CategoriaFueraDeRango(int categoria);

template <typename T> size_t TPorCategoria<T>::Slot(int categoria)
{
    if (categoria < 1 || categoria > kNumCategorias)
        CategoriaFueraDeRango(categoria);
    return static_cast<size_t>(categoria - 1);
}
