// The prizes window's draw commands: edit the draw of the first day, and
// import draw files and published histories into the archive.
#include "draws/ui/frm_euromillon_premios.h"

#include "draws/draw.h"
#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "draws/draw_import.h"
#include "draws/prize_check.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "draws/ui/winning_bets_model.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "draws/ui/draws_text_ids.h"
#include "model/format.h"

#include <QDateEdit>

#include <filesystem>

namespace {

// Draws of a classic import that belong to today's game.

// Bad lines listed in the import's message; the rest are counted.
constexpr size_t kErroresMostrados = 10;

QString Fmt(uint16_t id, std::initializer_list<FormatArg> args)
{
    return QString::fromStdString(FormatText(GetText(id), args));
}

QString InformeTexto(const TImportReport &informe, int total)
{
    QString text =
        Fmt(kTxtImportSummary, {informe.Leidos, informe.Resultado.Anadidos, informe.Resultado.Reemplazados});
    text += QLatin1Char('\n') + Fmt(kTxtImportTotal, {total});
    if (informe.Resultado.Descartados > 0)
        text += QLatin1Char('\n') + Fmt(kTxtImportSkipped, {informe.Resultado.Descartados});
    if (informe.Resultado.DelJuegoActual > 0)
        text += QLatin1Char('\n') + Fmt(kTxtCurrentGameDrawsSkipped, {informe.Resultado.DelJuegoActual});
    if (!informe.Errores.empty()) {
        text +=
            QStringLiteral("\n\n") + Fmt(kTxtImportErrors, {static_cast<long long>(informe.Errores.size())});
        for (size_t i = 0; i < informe.Errores.size() && i < kErroresMostrados; ++i) {
            const TImportError &error = informe.Errores[i];
            const std::string archivo = std::filesystem::path(error.Archivo).filename().string();
            text += QLatin1Char('\n');
            text += error.Linea > 0 ? Fmt(kTxtImportErrorLine, {archivo, error.Linea, error.Motivo})
                                    : QString::fromStdString(archivo + ": " + error.Motivo);
        }
        if (informe.Errores.size() > kErroresMostrados)
            text +=
                QLatin1Char('\n') + Fmt(kTxtImportMoreErrors,
                                        {static_cast<long long>(informe.Errores.size() - kErroresMostrados)});
    }
    return text;
}

} // namespace

void TFRMEuroMillonPremios::EditarSorteo()
{
    TFRMEuroMillonSorteo editor(this, edition_);
    // The totals on screen stay until the next run; the hits are gone.
    premios_->Clear();
    apPremiadasModel_->Reload();
    const double dia = FechaDeDate(dtpFechaSorteo->date());
    const int index = sorteos_->IndexOfFecha(dia);
    if (index >= 0)
        editor.Sorteo().SetInfo(sorteos_->Sorteo(index));
    editor.SetFecha(dia);
    if (editor.exec() != QDialog::Accepted)
        return;
    sorteos_->AddSorteo(editor.Sorteo());
    sorteos_->SaveToFile(ArchivoSorteos(edition_)); // creates the draws folder when missing
    CargarRango();
}

void TFRMEuroMillonPremios::ImportarSorteos()
{
    // Several files at once: the published history comes as six of them.
    const QStringList files =
        DialogService::OpenFileNames(this, Txt(kTxtDrawFileFilter), QStringLiteral("ems"));
    if (files.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString &file : files)
        paths.push_back(file.toStdString());
    const TImportReport informe = ImportDrawFiles(paths, ArchivoSorteos(edition_), edition_);
    sorteos_->Clear();
    sorteos_->LoadFromFile(ArchivoSorteos(edition_));
    CargarRango();
    DialogService::ShowMessage(this, InformeTexto(informe, sorteos_->Count()),
                               informe.Errores.empty() ? QMessageBox::Information : QMessageBox::Warning);
}
