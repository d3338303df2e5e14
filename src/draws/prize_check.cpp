#include "draws/prize_check.h"

#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_rules.h"
#include "model/euromillon_apuestas.h"
#include "model/format.h"

void TPremiosEuroMillon::SetApuestas(const TEuroMillonApuestas *apuestas)
{
    if (apuestas == apuestas_)
        return;
    apuestas_ = apuestas;
    Clear();
}

void TPremiosEuroMillon::Clear()
{
    scan_.Clear();
    fechas_.clear();
    premios_.clear();
    precios_.clear();
    numPremiadas_ = {};
    totalCategoria_ = {};
    totalPremios_ = 0;
    coste_ = 0;
}

void TPremiosEuroMillon::Procesar(const TSorteosEuroMillon &sorteos, const TPrizeScan::TProgress &progress)
{
    Clear();
    edition_ = sorteos.Edition();
    if (!apuestas_ || sorteos.Count() == 0)
        return;

    const int highestStar = GameRules(edition_).HighestStar;
    std::vector<BetMask> draws;
    std::vector<uint8_t> categorias;
    draws.reserve(static_cast<size_t>(sorteos.Count()));
    for (int j = 0; j < sorteos.Count(); ++j) {
        const TSorteoEuroMillonInfo &sorteo = sorteos.Sorteo(j);
        draws.push_back(
            SimpleBetMask(sorteo.ApuestaGanadora.Numeros, sorteo.ApuestaGanadora.Estrellas, highestStar));
        categorias.push_back(static_cast<uint8_t>(CategoriasSorteo(edition_, sorteo.FechaSorteo)));
        fechas_.push_back(sorteo.FechaSorteo);
        premios_.push_back(sorteo.PremioCategoria);
        precios_.push_back(PrecioApuestaSorteo(edition_, sorteo.FechaSorteo));
    }
    try {
        scan_.Run(apuestas_->Masks(), draws, categorias, 0, progress);
        for (size_t j = 0; j < draws.size(); ++j)
            for (int c = 1; c <= kMaxCategorias; ++c) {
                auto hits = static_cast<int64_t>(scan_.HitsOf(j, c));
                if (hits == 0)
                    continue;
                numPremiadas_[c] += hits;
                totalCategoria_[c] = AddCurrency(totalCategoria_[c], MultiplyCurrency(premios_[j][c], hits));
            }
        for (int c = 1; c <= kMaxCategorias; ++c)
            totalPremios_ = AddCurrency(totalPremios_, totalCategoria_[c]);
        for (Currency precio : precios_)
            coste_ = AddCurrency(coste_, MultiplyCurrency(precio, apuestas_->Count()));
    } catch (...) {
        Clear();
        throw;
    }
}

void TPremiosEuroMillon::GetPremiada(int64_t index, TApuestaPremiada &premiada) const
{
    if (index < 0 || index >= CountPremiadas())
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(index)}));
    premiada = Premiada(scan_.Hit(static_cast<uint64_t>(index)));
}

TApuestaPremiada TPremiosEuroMillon::Premiada(const TPrizeScan::THit &hit) const
{
    TApuestaPremiada premiada;
    premiada.IndiceApuesta = hit.Apuesta;
    premiada.FechaSorteo = fechas_[static_cast<size_t>(hit.Sorteo)];
    premiada.Categoria = hit.Categoria;
    premiada.Importe = premios_[static_cast<size_t>(hit.Sorteo)][hit.Categoria];
    return premiada;
}

std::vector<TApuestaPremiada> TPremiosEuroMillon::GetPremiadas(int64_t first, size_t count) const
{
    if (first < 0 || first > CountPremiadas())
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(first)}));
    std::vector<TApuestaPremiada> page;
    for (const TPrizeScan::THit &hit : scan_.Hits(static_cast<uint64_t>(first), count))
        page.push_back(Premiada(hit));
    return page;
}

void TPremiosEuroMillon::ForEachPremiada(const std::function<void(const TApuestaPremiada &)> &visit) const
{
    scan_.ForEachHit([&](const TPrizeScan::THit &hit) { visit(Premiada(hit)); });
}

double TPremiosEuroMillon::FechaSorteo(int sorteo) const
{
    if (sorteo < 0 || sorteo >= CountSorteos())
        throw EListError(FormatText("List index out of bounds (%d)", {sorteo}));
    return fechas_[static_cast<size_t>(sorteo)];
}

Currency TPremiosEuroMillon::TotalSorteo(int sorteo) const
{
    FechaSorteo(sorteo); // the index check
    const auto j = static_cast<size_t>(sorteo);
    Currency total = 0;
    for (int c = 1; c <= kMaxCategorias; ++c)
        total =
            AddCurrency(total, MultiplyCurrency(premios_[j][c], static_cast<int64_t>(scan_.HitsOf(j, c))));
    return total;
}

Currency TPremiosEuroMillon::PrecioSorteo(int sorteo) const
{
    FechaSorteo(sorteo); // the index check
    return precios_[static_cast<size_t>(sorteo)];
}

Currency TPremiosEuroMillon::CosteSorteo(int sorteo) const
{
    return MultiplyCurrency(PrecioSorteo(sorteo), apuestas_ ? apuestas_->Count() : 0);
}

Currency TPremiosEuroMillon::ImporteCombinacion() const
{
    if (!precios_.empty())
        return coste_;
    Currency precio = PrecioApuesta;
    if (edition_ == TGameEdition::Current)
        precio = PrecioApuestaSorteo(edition_, kMaxFecha - 1);
    return MultiplyCurrency(precio, apuestas_ ? apuestas_->Count() : 0);
}

Currency TPremiosEuroMillon::Beneficio() const
{
    Currency result = 0;
    if (__builtin_sub_overflow(totalPremios_, ImporteCombinacion(), &result))
        throw EIntOverflow("Integer overflow");
    return result;
}

std::optional<Currency> TPremiosEuroMillon::PorcentajeBeneficio() const
{
    const Currency cost = ImporteCombinacion();
    if (cost == 0)
        return std::nullopt;
    // The same figure as Beneficio * 100 / cost, without its overflow.
    return PercentageAbove(totalPremios_, cost);
}
