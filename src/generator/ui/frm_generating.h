#pragma once

#include "generator/ui/generator_widgets.h"
#include "model/notify_event.h"

#include <QDialog>
#include <QElapsedTimer>

class QProgressBar;
class QPushButton;
class TEuroMillonGeneraComb;

// The small modal window in which a generation runs. The run starts once the
// window is on screen and stays on the user-interface thread: every progress
// report (at most every 250 ms) shows the counters and lets the event loop
// serve pending events, which is how a click on Cancel arrives. The settings'
// own progress handler is restored after the run and called after each of
// this window's reports, so the window below follows the run too.
//
// Outcome: cancelled, or a run that keeps no bet (after the "NINGUNA APUESTA
// ES VÁLIDA" box), closes with Rejected; a run that keeps bets closes with
// Accepted at once, or when waiting for the user, after "Aceptar".
class TFRMGenerating : public QDialog {
    Q_OBJECT

public:
    explicit TFRMGenerating(QWidget *parent = nullptr);
    ~TFRMGenerating() override;

    // Stores the settings (not owned) and shows their counters as they stand.
    void Preparar(TEuroMillonGeneraComb &generacion);
    // After a successful run, wait for "Aceptar" instead of closing; on at creation.
    void SetEsperarAceptar(bool esperar) { esperarAceptar_ = esperar; }
    bool EsperarAceptar() const { return esperarAceptar_; }
    bool Procesando() const { return procesando_; }
    // The run has ended (its outcome decided).
    bool Finalizado() const { return finalizado_; }

    // The longest time, in milliseconds, the last run kept the event loop
    // waiting: between its start and the first report, between two reports,
    // and between the last report and its end.
    qint64 LongestGapMs() const { return longestGapMs_; }

protected:
    void showEvent(QShowEvent *event) override;
    // Escape presses the button; the window has no close box.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Procesar();
    void MostrarProgreso(void *sender);
    void bbCancelClick();
    void NoteEventLoopTurn();

    TEuroMillonGeneraComb *generacion_ = nullptr;
    TNotifyEvent progresoPrevio_;
    bool esperarAceptar_ = true;
    bool procesando_ = false;
    bool cancelarPedido_ = false;
    bool started_ = false;
    bool finalizado_ = false;
    QElapsedTimer sinceTurn_;
    qint64 longestGapMs_ = 0;

    QLabel *lblFinalizado = nullptr;
    QProgressBar *ProgressBar = nullptr;
    TGenerationCounterLabels counters_;
    QPushButton *bbCancel = nullptr;
};

// Empties the settings' kept bets, runs the generation in the progress
// window over owner and returns true when it closed with Accepted (bets kept
// and, when waiting, accepted). Otherwise the kept bets are emptied again.
bool EjecutarGeneracion(QWidget *owner, TEuroMillonGeneraComb &generacion, bool esperarAceptar);
