#include "generator/ui/conditions_model.h"

#include "generator/genera_comb.h"
#include "generator/ui/generator_text_ids.h"
#include "generator/ui/generator_widgets.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

TConditionsModel::TConditionsModel(TEuroMillonGeneraComb &generacion, const bool &estadisticasValidas,
                                   QObject *parent)
    : QAbstractTableModel(parent), generacion_(generacion), estadisticasValidas_(estadisticasValidas)
{
}

void TConditionsModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

int TConditionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : generacion_.Condiciones().Count();
}

int TConditionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString TConditionsModel::Text(int row, int column) const
{
    const TEuroMillonCondicionGrupos &condiciones = generacion_.Condiciones();
    switch (column) {
    case 0:
        return QString::number(condiciones.Condicion(row).Bloque);
    case 1:
        return QString::fromStdString(condiciones.NombreCondicion(row));
    case 2:
        return CountText(condiciones.Cumplen(row));
    default: {
        // In floating point: a count times 100 overflows 32 bits.
        const double posibles = static_cast<double>(generacion_.ApuestasPosibles());
        if (posibles <= 0)
            return QString();
        return FormatPercent(condiciones.Cumplen(row) * 100.0 / posibles, 1);
    }
    }
}

QVariant TConditionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int column = index.column();
    const bool counter = column >= 2;
    const bool activa = generacion_.Condiciones().Condicion(index.row()).Activa;
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), column);
    case Qt::TextAlignmentRole:
        if (column == 0 || (counter && !estadisticasValidas_))
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignVCenter | (counter ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::ForegroundRole:
        if (counter && !estadisticasValidas_)
            return QColor(128, 128, 128);
        if (!activa)
            return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        return column == 1 ? QColor(0, 0, 128) : QColor(Qt::black);
    case Qt::BackgroundRole:
        return QColor(Qt::white);
    case Qt::FontRole:
        if (!activa) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant TConditionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 3)
        return {};
    if (role == Qt::DisplayRole) {
        static constexpr uint16_t kTitles[4] = {kTxtConditionColumnBlock, kTxtConditionColumnName,
                                                kTxtConditionColumnMatches, kTxtConditionColumnMatchPct};
        return Txt(kTitles[section]);
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}
