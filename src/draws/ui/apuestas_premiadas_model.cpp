#include "draws/ui/apuestas_premiadas_model.h"

#include "draws/prize_check.h"
#include "draws/ui/draw_texts.h"
#include "model/ticket_tables.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kColumns = 5;

} // namespace

TApuestasPremiadasModel::TApuestasPremiadasModel(const TPremiosEuroMillon &premios, QObject *parent)
    : QAbstractTableModel(parent), premios_(premios)
{
}

void TApuestasPremiadasModel::Reload()
{
    beginResetModel();
    // A view counts its rows in int; a bigger result shows its first rows.
    rows_ = static_cast<int>(std::min<int64_t>(premios_.CountPremiadas(), INT_MAX - 1));
    endResetModel();
}

void TApuestasPremiadasModel::SetHeaders(const QStringList &headers)
{
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

int TApuestasPremiadasModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(rows_, 1);
}

int TApuestasPremiadasModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant TApuestasPremiadasModel::data(const QModelIndex &index, int role) const
{
    // The checker may have been emptied since the last Reload.
    if (!index.isValid() || index.row() >= rows_ || index.row() >= premios_.CountPremiadas())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 || index.column() == 3 ? int(Qt::AlignCenter)
                                                          : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    TApuestaPremiada hit;
    premios_.GetPremiada(index.row(), hit);
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

QVariant TApuestasPremiadasModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
