#pragma once

#include "draws/prize_check.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <functional>
#include <vector>

// Where the winning bets come from: how many there are, and a page of them
// from a position on.
struct TFuentePremiadas {
    std::function<int64_t()> Count;
    std::function<std::vector<TApuestaPremiada>(int64_t first, size_t count)> Page;
};

// The winning bets of the checker's last run, one page of rows at a time in
// the checker's order: a run over the whole game gives over a billion hits,
// more rows than a view can count, so the model holds one page, found again
// by the checker when the page is turned. Columns: date (dd/mm/yy), bet
// number (from 1), ticket, category, prize. Without hits the table shows one
// empty row.
class TWinningBetsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kFilasPorPagina = 1000;

    TWinningBetsModel(const TPremiosEuroMillon &premios, QObject *parent);

    // The rows come from elsewhere than the checker (a test's rows from counts).
    void SetFuente(TFuentePremiadas fuente);
    // The results changed: counts them again and shows the first page.
    void Reload();
    // The header texts, columns 0 to 4.
    void SetHeaders(const QStringList &headers);

    int64_t TotalFilas() const { return total_; }
    // At least 1; the page shown, from 0.
    int64_t Paginas() const;
    int64_t Pagina() const { return pagina_; }
    // Shows that page, kept within 0..Paginas-1.
    void SetPagina(int64_t pagina);
    // Position among all winning bets of the first row shown.
    int64_t PrimeraFila() const { return pagina_ * kFilasPorPagina; }
    int FilasEnPagina() const { return static_cast<int>(filas_.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void PaginaCambiada();

private:
    void CargarPagina();

    TFuentePremiadas fuente_;
    QStringList headers_;
    int64_t total_ = 0;
    int64_t pagina_ = 0;
    std::vector<TApuestaPremiada> filas_; // of the page shown
};
