#include "draws/ui/draw_update_ui.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "draws/draw_update.h"
#include "draws/net/draw_download.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/draws_text_ids.h"
#include "framework/parametres.h"
#include "model/format.h"
#include "widgets/busy_cursor.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QApplication>
#include <QDate>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <filesystem>

namespace {

constexpr size_t kErroresMostrados = 10;

int dialogDelay = 1000;

QString Fmt(uint16_t id, std::initializer_list<FormatArg> args)
{
    return QString::fromStdString(FormatText(GetText(id), args));
}

QString Resumen(const TDrawUpdate &update)
{
    const TImportReport &informe = update.Informe();
    QString text = Fmt(kTxtDownloadedFrom, {update.Address().toStdString()}) + QLatin1Char('\n');
    text += Fmt(kTxtUpdateSummary, {informe.Resultado.Anadidos, informe.Resultado.Reemplazados,
                                    RefusedCount(informe), update.Total()});
    if (!informe.Errores.empty()) {
        text +=
            QStringLiteral("\n\n") + Fmt(kTxtImportErrors, {static_cast<long long>(informe.Errores.size())});
        for (size_t i = 0; i < informe.Errores.size() && i < kErroresMostrados; ++i) {
            const TImportError &error = informe.Errores[i];
            text += QLatin1Char('\n');
            text += error.Linea > 0 ? Fmt(kTxtImportErrorLine, {error.Archivo, error.Linea, error.Motivo})
                                    : QString::fromStdString(error.Archivo + ": " + error.Motivo);
        }
    }
    return text;
}

double Hoy()
{
    return FechaDeDate(QDate::currentDate());
}

} // namespace

void SetDrawUpdateDialogDelay(int milliseconds)
{
    dialogDelay = milliseconds;
}

QStringList DireccionesSorteosConfiguradas()
{
    return TDrawUpdate::Addresses(
        QString::fromStdString(Parametres().ReadString(PRM_URL_SORTEOS, std::string())));
}

int TimeoutSorteosMs()
{
    const int seconds = Parametres().ReadInteger(PRM_SORTEOS_TIMEOUT, kSorteosTimeoutSegundos);
    return (seconds > 0 ? seconds : kSorteosTimeoutSegundos) * 1000;
}

bool ActualizarSorteosDesdeInternet(QWidget *parent, TGameEdition edition,
                                    const std::function<void()> &refreshed)
{
    PrepararArchivoSorteos(edition); // today's game starts from the shipped archive
    TDrawUpdate update(ArchivoSorteos(edition), edition);
    update.SetTimeout(TimeoutSorteosMs());
    bool ok = false;
    {
        TBusyCursor busy;
        QEventLoop loop;
        QObject::connect(&update, &TDrawUpdate::Finished, &loop, [&loop, &ok](bool done) {
            ok = done;
            loop.quit();
        });
        update.Start(DireccionesSorteosConfiguradas());
        // Until the dialog shows, the user's input waits, so that no command
        // re-enters this one.
        if (update.Running()) {
            QTimer::singleShot(dialogDelay, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (update.Running()) {
            QProgressDialog dialog(Fmt(kTxtDownloading, {update.Address().toStdString()}),
                                   Txt(kTxtProgressCancel), 0, 0, parent);
            dialog.setObjectName(QStringLiteral("DrawUpdateProgress"));
            dialog.setWindowTitle(DialogService::ApplicationTitle());
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.setMinimumDuration(0);
            dialog.setAutoClose(false);
            dialog.setAutoReset(false);
            QObject::connect(&dialog, &QProgressDialog::canceled, &update, &TDrawUpdate::Cancel);
            QObject::connect(&update, &TDrawUpdate::Started, &dialog, [&dialog](const QString &address) {
                dialog.setLabelText(Fmt(kTxtDownloading, {address.toStdString()}));
                dialog.setRange(0, 0);
            });
            QObject::connect(&update, &TDrawUpdate::Progress, &dialog,
                             [&dialog](qint64 received, qint64 total) {
                                 if (total > 0) { // in KB: the file is far below 2 GB
                                     dialog.setRange(0, static_cast<int>(total / 1024) + 1);
                                     dialog.setValue(static_cast<int>(received / 1024));
                                 }
                             });
            dialog.show();
            if (update.Running())
                loop.exec();
        }
    }
    if (update.Cancelled())
        return false;
    if (!ok) {
        DialogService::ShowError(parent,
                                 Txt(kTxtDrawsNotUpdated) + QStringLiteral("\n\n") + update.Message());
        return false;
    }
    if (refreshed)
        refreshed();
    DialogService::ShowMessage(parent, Resumen(update),
                               update.Informe().Errores.empty() ? QMessageBox::Information
                                                                : QMessageBox::Warning);
    return true;
}

void EditarDireccionSorteos(QWidget *parent)
{
    QString address = QString::fromStdString(Parametres().ReadString(PRM_URL_SORTEOS, std::string()));
    if (address.isEmpty())
        address = QString::fromLatin1(kUrlSorteos);
    if (!DialogService::InputText(parent, PlainTxt(kTxtDrawAddress).remove(QStringLiteral("...")),
                                  Txt(kTxtDrawAddressPrompt), address))
        return;
    address = address.trimmed();
    if (address == QLatin1String(kUrlSorteos))
        address.clear();
    Parametres().SetValor(PRM_URL_SORTEOS, Variant(address.toStdString()));
    Parametres().SetSave(PRM_URL_SORTEOS, true);
}

TDrawUpdate *BuscarSorteosAlIniciar(QWidget *window, TGameEdition edition,
                                    const std::function<void(const QString &)> &report)
{
    TParametres &prm = Parametres();
    if (!prm.ReadBoolean(PRM_SORTEOS_AL_INICIAR, false))
        return nullptr;
    const double hoy = Hoy();
    if (prm.Exists(PRM_SORTEOS_ULTIMA_BUSQUEDA) && prm.ReadDateTime(PRM_SORTEOS_ULTIMA_BUSQUEDA, 0) >= hoy)
        return nullptr;
    double ultimo = 0;
    try {
        PrepararArchivoSorteos(edition);
        TSorteosEuroMillon sorteos(edition);
        sorteos.LoadFromFile(ArchivoSorteos(edition));
        if (sorteos.Count() > 0)
            ultimo = sorteos.Sorteo(0).FechaSorteo;
    } catch (const std::exception &error) { // the prizes window will say it
        report(Fmt(kTxtDrawsNotLookedFor, {std::string(error.what())}));
        return nullptr;
    }
    if (!SorteosAtrasados(ultimo, hoy))
        return nullptr;
    prm.SetValor(PRM_SORTEOS_ULTIMA_BUSQUEDA, Variant::DateTime(hoy));
    prm.SetSave(PRM_SORTEOS_ULTIMA_BUSQUEDA, true);

    auto *update = new TDrawUpdate(ArchivoSorteos(edition), edition, window);
    update->SetTimeout(TimeoutSorteosMs());
    // A modal window (the prizes window) may hold the archive and save it.
    update->SetMayWrite([] { return QApplication::activeModalWidget() == nullptr; });
    QObject::connect(update, &TDrawUpdate::Finished, window, [update, report](bool ok) {
        if (ok)
            report(Fmt(kTxtDrawsUpdated, {update->Informe().Resultado.Anadidos, update->Total()}));
        else if (!update->Cancelled())
            report(Fmt(
                kTxtDrawsNotLookedFor,
                {QString(update->Message()).replace(QLatin1Char('\n'), QStringLiteral("; ")).toStdString()}));
        update->deleteLater();
    });
    update->Start(DireccionesSorteosConfiguradas());
    return update;
}
