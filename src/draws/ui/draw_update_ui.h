#pragma once

#include "framework/setting_keys.h"
#include "model/game_rules.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TDrawUpdate;

// The desktop's side of the draw results download: the addresses and the
// timeout from the parameters, the progress dialog, the summary.

// PRM_URL_SORTEOS (the official address when empty or missing) and the
// places of the same file; PRM_SORTEOS_TIMEOUT in milliseconds.
QStringList DireccionesSorteosConfiguradas();
int TimeoutSorteosMs();

// Brings the edition's archive file up to date from the results file: a
// busy cursor at once, past a moment a progress dialog with Cancel. Then
// refreshed() runs (the caller reloads what shows the archive) and the
// summary is shown; a failure shows an error box naming each address tried
// and why, and leaves the archive as it was. Cancel ends it silently.
// True when the archive was saved.
bool ActualizarSorteosDesdeInternet(QWidget *parent, TGameEdition edition,
                                    const std::function<void()> &refreshed = {});

// Asks for the address of the results file (empty: the official one) and
// stores it in PRM_URL_SORTEOS, marked for saving.
void EditarDireccionSorteos(QWidget *parent);

// The start-up check: when PRM_SORTEOS_AL_INICIAR is on, the day's check was
// not made yet and the newest draw of the edition's archive is more than 4
// days old, starts the update in the background and returns it (a child of
// window, which deletes itself once done; report() gets the line to show).
// The archive is written only while no modal window is open. Otherwise
// returns null.
TDrawUpdate *BuscarSorteosAlIniciar(QWidget *window, TGameEdition edition,
                                    const std::function<void(const QString &)> &report);

// Tests: the delay before the progress dialog shows (1 s by default).
void SetDrawUpdateDialogDelay(int milliseconds);
