#include "draws/ui/winning_bets_model.h"

#include "draws/ui/draw_texts.h"
#include "model/ticket_tables.h"

#include <algorithm>

namespace {

constexpr int kColumns = 5;

} // namespace

TWinningBetsModel::TWinningBetsModel(const TPremiosEuroMillon &premios, QObject *parent)
    : QAbstractTableModel(parent)
{
    fuente_.Count = [&premios] { return premios.CountPremiadas(); };
    fuente_.Page = [&premios](int64_t first, size_t count) { return premios.GetPremiadas(first, count); };
}

void TWinningBetsModel::SetFuente(TFuentePremiadas fuente)
{
    fuente_ = std::move(fuente);
    Reload();
}

void TWinningBetsModel::Reload()
{
    beginResetModel();
    total_ = fuente_.Count();
    pagina_ = 0;
    CargarPagina();
    endResetModel();
    emit PaginaCambiada();
}

int64_t TWinningBetsModel::Paginas() const
{
    return std::max<int64_t>(1, (total_ + kFilasPorPagina - 1) / kFilasPorPagina);
}

void TWinningBetsModel::SetPagina(int64_t pagina)
{
    pagina = std::clamp<int64_t>(pagina, 0, Paginas() - 1);
    if (pagina == pagina_)
        return;
    beginResetModel();
    pagina_ = pagina;
    CargarPagina();
    endResetModel();
    emit PaginaCambiada();
}

void TWinningBetsModel::CargarPagina()
{
    filas_.clear();
    const int64_t first = PrimeraFila();
    if (first < total_)
        filas_ = fuente_.Page(first, static_cast<size_t>(std::min<int64_t>(kFilasPorPagina, total_ - first)));
}

void TWinningBetsModel::SetHeaders(const QStringList &headers)
{
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

int TWinningBetsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(FilasEnPagina(), 1);
}

int TWinningBetsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant TWinningBetsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= FilasEnPagina())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 || index.column() == 3 ? int(Qt::AlignCenter)
                                                          : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    const TApuestaPremiada &hit = filas_[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return DateDeFecha(hit.FechaSorteo).toString(QStringLiteral("dd/MM/yy"));
    case 1:
        return QString::number(hit.IndiceApuesta + 1);
    case 2:
        return QString::number(TicketOfBet(hit.IndiceApuesta + 1));
    case 3:
        return QString::fromStdString(CategoriaTexto(hit.Categoria, kMaxCategorias));
    default:
        return TextoImporte(hit.Importe);
    }
}

QVariant TWinningBetsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
