// The main window's commands of the draw results download.
#include "shell/ui/frm_main_mdi.h"

#include "draws/ui/draw_update_ui.h"
#include "shell/ui/shell_settings.h"
#include "widgets/command_guard.h"

#include <QAction>
#include <QStatusBar>

void TFRMMainMDI::CreateDrawActions()
{
    auto newAction = [this](const char *name) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    ActActualizarSorteos = newAction("ActActualizarSorteos");
    connect(ActActualizarSorteos, &QAction::triggered, this,
            [this] { RunCommand(this, [this] { UpdateDraws(); }); });
    ActBuscarSorteosAlIniciar = newAction("ActBuscarSorteosAlIniciar");
    ActBuscarSorteosAlIniciar->setCheckable(true);
    connect(ActBuscarSorteosAlIniciar, &QAction::toggled, this,
            [](bool on) { WriteSetting(PRM_SORTEOS_AL_INICIAR, on, true); });
    ActDireccionSorteos = newAction("ActDireccionSorteos");
    connect(ActDireccionSorteos, &QAction::triggered, this,
            [this] { RunCommand(this, [this] { EditarDireccionSorteos(this); }); });
}

void TFRMMainMDI::UpdateDraws()
{
    ActualizarSorteosDesdeInternet(this, EditionInForce());
}

void TFRMMainMDI::StartDrawCheck()
{
    {
        const QSignalBlocker quiet(ActBuscarSorteosAlIniciar);
        ActBuscarSorteosAlIniciar->setChecked(ReadSettingBool(PRM_SORTEOS_AL_INICIAR, false));
    }
    BuscarSorteosAlIniciar(this, EditionInForce(),
                           [this](const QString &line) { statusBar()->showMessage(line); });
}
