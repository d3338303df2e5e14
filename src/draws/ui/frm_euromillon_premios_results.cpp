// The prizes window's run and the pages that show its results.
#include "draws/ui/frm_euromillon_premios.h"

#include "draws/draw_archive.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "draws/prize_range.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/prize_grid.h"
#include "draws/ui/profit_chart.h"
#include "draws/ui/winning_bets_model.h"
#include "framework/parametres.h"
#include "framework/setting_keys.h"
#include "model/euromillon_apuestas.h"
#include "widgets/background_work.h"
#include "widgets/dialog_service.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include "draws/ui/draws_text_ids.h"
#include "model/format.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QTableWidget>

#include <utility>
#include <vector>

namespace {

} // namespace

// Every bet in one draw, at each price the draws of the last run had.
QString TFRMEuroMillonPremios::CostePorSorteo() const
{
    const int64_t bets = premios_->Apuestas() ? premios_->Apuestas()->Count() : 0;
    std::vector<std::pair<Currency, int>> prices;
    for (int j = 0; j < premios_->CountSorteos(); ++j) {
        const Currency precio = premios_->PrecioSorteo(j);
        if (prices.empty() || prices.back().first != precio)
            prices.push_back({precio, 0});
        ++prices.back().second;
    }
    if (prices.empty())
        return QString();
    std::string list;
    for (const auto &[precio, draws] : prices) {
        if (!list.empty())
            list += "; ";
        const std::string cost = TextoImporte(MultiplyCurrency(precio, bets)).toStdString();
        list += prices.size() > 1 ? FormatText(GetText(kTxtCostOverDraws), {cost, draws}) : cost;
    }
    return QString::fromStdString(FormatText(GetText(kTxtCostPerDraw), {list}));
}

void TFRMEuroMillonPremios::SetApuestas(const TEuroMillonApuestas *apuestas)
{
    premios_->SetApuestas(apuestas);
    MostrarResultados();
}

void TFRMEuroMillonPremios::Procesar()
{
    TParametres &prm = Parametres();
    if (edition_ == TGameEdition::Current)
        SetPrecioApuestaActual(
            prm.Exists(PRM_PRECIO_APUESTA) ? PrecioDeTexto(ReadSetting(prm, PRM_PRECIO_APUESTA)) : 0);
    // The run goes on a checker of its own: Cancel (or an error) leaves
    // the results on screen and in premios_ as they were.
    TPremiosEuroMillon run;
    run.SetApuestas(premios_->Apuestas());
    RunInBackground(this, Txt(kTxtCheckingPrizes), [&](TWorkProgress &progress) {
        run.Procesar(*sorteosRango_, [&progress](int64_t done, int64_t total) {
            progress.Report(done, total);
            progress.ThrowIfCancelled();
        });
        progress.ThrowIfCancelled(); // a Cancel pressed at the very end counts too
    });
    *premios_ = std::move(run);
    MostrarResultados();
    if (premios_->TotalPremios() > 0)
        DialogService::ShowMessage(this, Txt(kTxtCongratulations) + QLatin1Char('\n') + Txt(kTxtPrizesWorth) +
                                             QLatin1Char('\n') + TextoImporte(premios_->TotalPremios()));
    else
        DialogService::ShowMessage(this, Txt(kTxtNoPrizesInDraw));

    prm.SetValor(PRM_PREMIOS_Desde, Variant::DateTime(FechaDeDate(dtpFechaSorteo->date())));
    prm.SetValor(PRM_PREMIOS_Hasta, Variant::DateTime(FechaDeDate(dtpFechaSorteoFinal->date())));
    prm.SetValor(PRM_PREMIOS_HastaChecked, Variant(cbHastaEl->isChecked()));
    prm.SetSaveList({PRM_PREMIOS_Desde, PRM_PREMIOS_Hasta, PRM_PREMIOS_HastaChecked}, true);
}

void TFRMEuroMillonPremios::MostrarResultados()
{
    const bool unSorteo = sorteosRango_->Count() == 1;
    for (int r = 1; r <= categorias_; ++r) {
        SetPrizeGridCell(sgPremios, r - 1, 0, QString::fromStdString(CategoriaTexto(r, categorias_)));
        SetPrizeGridCell(sgPremios, r - 1, 1,
                         unSorteo ? TextoImporte(sorteosRango_->Sorteo(0).PremioCategoria[r])
                                  : QStringLiteral("------"));
        SetPrizeGridCell(sgPremios, r - 1, 2, TextoEntero(premios_->NumPremiadas(r)));
        SetPrizeGridCell(sgPremios, r - 1, 3, TextoImporte(premios_->TotalCategoria(r)));
    }
    apPremiadasModel_->Reload();
    grafico_->Mostrar(CurvaBeneficio(*premios_));
    MostrarTotales();
}

void TFRMEuroMillonPremios::MostrarTotales()
{
    Currency beneficio = 0;
    if (premios_->Apuestas()) {
        lblImporteCombinacion->setText(TextoImporte(premios_->ImporteCombinacion()));
        lblImporteCombinacion->setToolTip(CostePorSorteo());
        lblTotalPremios->setText(TextoImporte(premios_->TotalPremios()));
        lblSorteosProcesados->setText(CountText(sorteosRango_->Count()));
        // Over the draws of the last run, each one paid for; before any run
        // (or after a draw was edited) nothing was played yet.
        if (premios_->CountSorteos() > 0) {
            const TRangeProfit rango = BeneficioRango(*premios_);
            beneficio = rango.Beneficio;
            lblBeneficio->setText(TextoImporte(rango.Beneficio));
            lblBeneficioTpc->setText(rango.Porcentaje ? TextoPorcentaje(*rango.Porcentaje) : QString());
            // The cost label shows one draw's price; the profit counts every draw.
            lblBeneficio->setToolTip(QString::fromStdString(
                FormatText(GetText(kTxtCostOfDraws), {CountText(premios_->CountSorteos()).toStdString(),
                                                      TextoImporte(rango.Coste).toStdString()})));
        } else {
            lblBeneficio->setText(QStringLiteral("-"));
            lblBeneficioTpc->setText(QStringLiteral("-"));
        }
    } else {
        lblBeneficio->setText(QStringLiteral("-"));
        lblBeneficioTpc->setText(QStringLiteral("-"));
    }
    lblBeneficio->setStyleSheet(beneficio >= 0 ? QStringLiteral("color: rgb(0, 128, 0);")
                                               : QStringLiteral("color: rgb(255, 0, 0);"));
}
