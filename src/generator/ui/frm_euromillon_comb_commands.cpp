// The generator window's condition commands and its generation files.
#include "generator/ui/frm_euromillon_comb.h"

#include "framework/file_error_text.h"
#include "generator/genera_comb.h"
#include "generator/ui/frm_grupo_values.h"
#include "generator/ui/generator_text_ids.h"
#include "model/exception.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QFileInfo>
#include <QTabWidget>

bool TFRMEuroMillonComb::EditCondicion(TEuroMillonCondicionGrupo &condicion)
{
    TFRMGrupoValues editor(this);
    editor.SetEdition(generacion_->Edition());
    editor.SetSeleccionReferencia(&Boleto_->ShownBet());
    editor.CargarCondicion(condicion);
    if (editor.exec() != QDialog::Accepted)
        return false;
    condicion = editor.LeerCondicion();
    return true;
}

void TFRMEuroMillonComb::AddCondicion()
{
    if (generacion_->ApuestasPosibles() <= 0)
        throw Exception(GetText(kTxtSelectNumbersFirst));
    PageControl_->setCurrentWidget(tsCondicionesGrupos);
    TEuroMillonCondicionGrupo condicion = CondicionGrupoDefecto;
    if (!EditCondicion(condicion))
        return;
    generacion_->Condiciones().Add(condicion);
    estadisticasValidas_ = false;
    ConditionsChanged();
}

void TFRMEuroMillonComb::ModifyCondicion()
{
    const int index = CondicionActual();
    if (index < 0)
        return;
    TEuroMillonCondicionGrupo condicion = generacion_->Condiciones().Condicion(index);
    if (!EditCondicion(condicion))
        return;
    generacion_->Condiciones().SetCondicion(index, condicion);
    estadisticasValidas_ = false;
    ConditionsChanged();
}

void TFRMEuroMillonComb::DelCondicion()
{
    const int index = CondicionActual();
    if (index < 0)
        return;
    if (DialogService::Ask(this, Txt(kTxtConfirmDeleteCondition), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Warning) != QMessageBox::Yes)
        return;
    generacion_->Condiciones().Delete(index);
    estadisticasValidas_ = false;
    ConditionsChanged();
}

void TFRMEuroMillonComb::ToggleActiva()
{
    const int index = CondicionActual();
    if (index < 0 || index >= generacion_->Condiciones().Count())
        return;
    TEuroMillonCondicionGrupo condicion = generacion_->Condiciones().Condicion(index);
    condicion.Activa = !condicion.Activa;
    generacion_->Condiciones().SetCondicion(index, condicion);
    estadisticasValidas_ = false;
    ConditionsChanged();
}

void TFRMEuroMillonComb::LeerDeArchivo()
{
    const QString path =
        DialogService::OpenFileName(this, Txt(kTxtGenerationFileFilter), QStringLiteral("gem"));
    if (path.isEmpty())
        return;
    archivoGeneracion_ = path;
    try {
        ReadNamingFile(path.toStdString(), [&] { generacion_->LoadFromFile(path.toStdString()); });
    } catch (...) {
        // A damaged file leaves what it held so far: show that, then the error.
        estadisticasValidas_ = false;
        RefrescarDesdeGeneracion();
        throw;
    }
    estadisticasValidas_ = false;
    RefrescarDesdeGeneracion();
}

void TFRMEuroMillonComb::GuardarEnArchivo()
{
    // The file read or saved last in this window, else the combination's name.
    const QString path = DialogService::SaveFileName(this, Txt(kTxtGenerationFileFilter),
                                                     QStringLiteral("gem"), archivoGeneracion_);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)) {
        const QString question =
            Txt(kTxtFileExists) + QLatin1Char('\n') + path + QLatin1Char('\n') + Txt(kTxtSaveOverQuestion);
        if (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) !=
            QMessageBox::Yes)
            return;
    }
    generacion_->SaveToFile(path.toStdString());
    archivoGeneracion_ = path;
    DialogService::ShowMessage(this, Txt(kTxtGenerationFileSaved) + QLatin1Char('\n') + path,
                               QMessageBox::Information);
}
