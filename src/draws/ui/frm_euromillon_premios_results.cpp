// The prizes window's run and the pages that show its results.
#include "draws/ui/frm_euromillon_premios.h"

#include "draws/draw_archive.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "draws/prize_range.h"
#include "draws/ui/apuestas_premiadas_model.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/grafico_beneficio.h"
#include "draws/ui/prize_grid.h"
#include "framework/parametres.h"
#include "framework/setting_keys.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "model/format.h"

#include <QApplication>
#include <QDateEdit>
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

void TFRMEuroMillonPremios::SetApuestas(const TEuroMillonApuestas *apuestas)
{
    premios_->SetApuestas(apuestas);
    MostrarResultados();
}

void TFRMEuroMillonPremios::Procesar()
{
    TParametres &prm = Parametres();
    if (edition_ == TGameEdition::Current)
        SetPrecioApuestaActual(prm.Exists(PRM_PRECIO_APUESTA) ? PrecioDeTexto(ReadSetting(prm, PRM_PRECIO_APUESTA)) : 0);
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        premios_->Procesar(*sorteosRango_);
        MostrarResultados();
    }
    if (premios_->TotalPremios() > 0)
        DialogService::ShowMessage(this, Txt(41885) + QLatin1Char('\n') + Txt(41886) + QLatin1Char('\n') +
                                             TextoImporte(premios_->TotalPremios()));
    else
        DialogService::ShowMessage(this, Txt(41888));

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
                         unSorteo ? TextoImporte(sorteosRango_->Sorteo(0).PremioCategoria[r]) : QStringLiteral("------"));
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
        lblTotalPremios->setText(TextoImporte(premios_->TotalPremios()));
        lblSorteosProcesados->setText(QString::number(sorteosRango_->Count()));
        // Over the draws of the last run, each one paid for; before any run
        // (or after a draw was edited) nothing was played yet.
        if (premios_->CountSorteos() > 0) {
            const TBeneficioRango rango = BeneficioRango(*premios_);
            beneficio = rango.Beneficio;
            lblBeneficio->setText(TextoImporte(rango.Beneficio));
            lblBeneficioTpc->setText(rango.Porcentaje ? TextoPorcentaje(*rango.Porcentaje) : QString());
            // The cost label shows one draw's price; the profit counts every draw.
            lblBeneficio->setToolTip(QString::fromStdString(
                FormatText(GetText(45228), {premios_->CountSorteos(), TextoImporte(rango.Coste).toStdString()})));
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
