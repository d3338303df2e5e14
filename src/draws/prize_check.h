#pragma once

#include "draws/currency.h"
#include "draws/prize_scan.h"
#include "model/game_rules.h"
#include "model/prize_categories.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TEuroMillonApuestas;
class TSorteosEuroMillon;

// One winning pair of bet and draw.
struct TApuestaPremiada {
    int32_t IndiceApuesta = 0; // position of the bet in the combination
    double FechaSorteo = 0;    // the draw's day
    int32_t Categoria = 0;     // 1 to 13
    Currency Importe = 0;      // the draw's prize for one winner of that category

    bool operator==(const TApuestaPremiada &) const = default;
};

// Price of one bet in the classic game (today's game: PrecioApuestaSorteo).
inline constexpr Currency PrecioApuesta = CurrencyFromUnits(2);

// Checks every bet of a combination against every draw of an archive and
// keeps the hits with the amounts the draws' prize tables give. The
// combination is only read, and not owned. The archive's edition says the
// categories of each draw (2+0 pays in the draws of today's game from 10 May
// 2011) and the price of a bet in it.
class TPremiosEuroMillon {
public:
    TPremiosEuroMillon() = default;
    TPremiosEuroMillon(const TPremiosEuroMillon &) = delete;
    TPremiosEuroMillon &operator=(const TPremiosEuroMillon &) = delete;
    // A run made on another checker takes the place of this one's results
    // (the prizes window runs on a scratch checker, so that a cancelled run
    // leaves the results shown as they were).
    TPremiosEuroMillon(TPremiosEuroMillon &&) noexcept = default;
    TPremiosEuroMillon &operator=(TPremiosEuroMillon &&) noexcept = default;

    // Another combination (or none) empties the results; the same one keeps them.
    void SetApuestas(const TEuroMillonApuestas *apuestas);
    const TEuroMillonApuestas *Apuestas() const { return apuestas_; }
    // Empties the results; the combination stays.
    void Clear();

    // Empties the results, then checks every bet against every draw. Hits
    // are listed bet by bet and, within a bet, from the newest draw to the
    // oldest; a draw whose prize table is 0 still yields its hits. Without a
    // combination or draws the results stay empty. Raises EIntOverflow when a
    // total does not fit (the results are then empty). The run keeps counts
    // only: its memory does not grow with the hits, which are found again
    // from the combination when asked for; the combination must therefore
    // stay unchanged while the results are read. progress, when given, is
    // called now and then with the bets done and the bets in all, and may
    // raise to stop the run (the results are then empty).
    void Procesar(const TSorteosEuroMillon &sorteos, const TPrizeScan::TProgress &progress = {});

    Currency TotalPremios() const { return totalPremios_; }
    int64_t NumPremiadas(int categoria) const { return numPremiadas_[categoria]; }
    Currency TotalCategoria(int categoria) const { return totalCategoria_[categoria]; }
    int64_t CountPremiadas() const { return static_cast<int64_t>(scan_.Count()); }
    // Raises EListError for an index outside 0..CountPremiadas-1.
    void GetPremiada(int64_t index, TApuestaPremiada &premiada) const;
    // Up to count hits from index first on (fewer at the end). Raises
    // EListError for a first beyond CountPremiadas.
    std::vector<TApuestaPremiada> GetPremiadas(int64_t first, size_t count) const;
    // Every hit in order, without keeping them.
    void ForEachPremiada(const std::function<void(const TApuestaPremiada &)> &visit) const;

    // The draws of the last run, in the archive's order (newest first), and
    // what the combination won in each.
    int CountSorteos() const { return static_cast<int>(fechas_.size()); }
    // Raise EListError for an index outside 0..CountSorteos-1.
    double FechaSorteo(int sorteo) const;
    Currency TotalSorteo(int sorteo) const;

    // The price of a bet in a draw of the last run, and the bets times it.
    // Raise EListError for an index outside 0..CountSorteos-1.
    Currency PrecioSorteo(int sorteo) const;
    Currency CosteSorteo(int sorteo) const;

    // What playing the combination cost: every bet in every draw of the last
    // run, each draw at its own price. Before a run (or after Clear), the
    // cost of one draw at the edition's price today.
    Currency ImporteCombinacion() const;
    // TotalPremios less the cost.
    Currency Beneficio() const;
    // Beneficio * 100 / cost (that is TotalPremios * 100 / cost - 100), to
    // 1/10000; none when the cost is 0.
    std::optional<Currency> PorcentajeBeneficio() const;

private:
    TApuestaPremiada Premiada(const TPrizeScan::THit &hit) const;

    const TEuroMillonApuestas *apuestas_ = nullptr;
    TPrizeScan scan_;
    std::vector<double> fechas_;                                   // of the draws checked
    std::vector<TPorCategoria<Currency, kMaxCategorias>> premios_; // of the draws checked
    std::vector<Currency> precios_;                                // of a bet, per draw checked
    TGameEdition edition_ = TGameEdition::Classic;                 // of the last run
    TPorCategoria<int64_t, kMaxCategorias> numPremiadas_;
    TPorCategoria<Currency, kMaxCategorias> totalCategoria_;
    Currency totalPremios_ = 0;
    Currency coste_ = 0; // of the draws of the last run
};
