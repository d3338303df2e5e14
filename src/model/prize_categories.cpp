#include "model/prize_categories.h"

#include "model/exception.h"
#include "model/format.h"

#include <algorithm>

std::string CategoriaTexto(int categoria, int categoryCount)
{
    if (categoria < 1 || categoria > std::min(categoryCount, kMaxCategorias))
        return {};
    const TCategoriaPremio &row = CategoriasPremio[static_cast<size_t>(categoria - 1)];
    return std::to_string(row.Numeros) + "+" + std::to_string(row.Estrellas);
}

void CategoriaFueraDeRango(int categoria)
{
    throw EListError(FormatText("List index out of bounds (%d)", {categoria}));
}
