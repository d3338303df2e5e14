#include "generator/ui/frm_generating.h"

#include "generator/genera_comb.h"
#include "generator/ui/generator_text_ids.h"
#include "model/euromillon_apuestas.h"
#include "widgets/command_guard.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

TFRMGenerating::TFRMGenerating(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMGenerating"));
    setWindowTitle(Txt(kTxtGenerating));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    lblFinalizado = NewNamedLabel(this, "lblFinalizado", true);
    lblFinalizado->setText(Txt(kTxtProcessComplete));
    lblFinalizado->setAlignment(Qt::AlignCenter);
    QFont big = lblFinalizado->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    lblFinalizado->setFont(big);
    QPalette palette = lblFinalizado->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    lblFinalizado->setPalette(palette);
    lblFinalizado->hide();
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setTextVisible(false);
    ProgressBar->setMinimumWidth(360);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    counters_ = AddGenerationCounters(this, grid, 0);
    grid->setColumnStretch(0, 1);

    bbCancel = new QPushButton(Txt(kTxtButtonCancel), this);
    bbCancel->setObjectName(QStringLiteral("bbCancel"));
    bbCancel->setDefault(true);
    bbCancel->setAutoDefault(true);
    connect(bbCancel, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { bbCancelClick(); }); });

    // The label and the bar share one place: the bar during the run, the
    // label after it.
    auto *status = new QGridLayout;
    status->addWidget(ProgressBar, 0, 0);
    status->addWidget(lblFinalizado, 0, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbCancel);
    buttons->addStretch();
    auto *root = new QVBoxLayout(this);
    root->addLayout(status);
    root->addSpacing(8);
    root->addLayout(grid);
    root->addSpacing(8);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

TFRMGenerating::~TFRMGenerating()
{
    // A window destroyed in the middle of a run must not stay the handler.
    if (generacion_ && procesando_)
        generacion_->OnProgress = progresoPrevio_;
}

void TFRMGenerating::Preparar(TEuroMillonGeneraComb &generacion)
{
    generacion_ = &generacion;
    cancelarPedido_ = false;
    ProgressBar->setRange(0, static_cast<int>(std::max<int64_t>(generacion.ApuestasPosibles(), 1)));
    ProgressBar->setValue(0);
    ShowGenerationCounters(generacion, counters_);
}

void TFRMGenerating::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The run starts once the window is on screen, from the event loop.
    if (!started_ && generacion_) {
        started_ = true;
        QTimer::singleShot(0, this, [this] { Procesar(); });
    }
}

void TFRMGenerating::reject()
{
    bbCancel->click();
}

void TFRMGenerating::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void TFRMGenerating::Procesar()
{
    if (procesando_)
        return;
    TEuroMillonGeneraComb &generacion = *generacion_;
    bbCancel->setText(Txt(kTxtButtonCancel));
    lblFinalizado->hide();
    procesando_ = true;
    progresoPrevio_ = generacion.OnProgress;
    generacion.OnProgress = [this](void *sender) { MostrarProgreso(sender); };
    ProgressBar->setRange(0, static_cast<int>(std::max<int64_t>(generacion.ApuestasPosibles(), 1)));
    ProgressBar->setValue(0);
    ProgressBar->show();

    longestGapMs_ = 0;
    QApplication::processEvents();
    sinceTurn_.start();
    int32_t kept = 0;
    const bool ran = RunCommand(this, [&] { kept = generacion.Generar(); });
    NoteEventLoopTurn();

    ProgressBar->setValue(0);
    ProgressBar->hide();
    generacion.OnProgress = progresoPrevio_;
    lblFinalizado->show();
    bbCancel->setText(Txt(kTxtButtonOk));
    procesando_ = false;
    finalizado_ = true;

    // A run that failed part way is never offered as a result.
    if (!ran || generacion.Cancelado()) {
        done(Rejected);
    } else if (kept > 0) {
        QApplication::beep();
        if (!esperarAceptar_)
            done(Accepted);
    } else {
        DialogService::ShowMessage(this, Txt(kTxtError) + QLatin1Char('\n') + PlainLines(Txt(kTxtNoValidBet)),
                                   QMessageBox::Warning);
        done(Rejected);
    }
}

void TFRMGenerating::MostrarProgreso(void *sender)
{
    TEuroMillonGeneraComb &generacion = *generacion_;
    ProgressBar->setValue(generacion.Generadas());
    ShowGenerationCounters(generacion, counters_);
    NoteEventLoopTurn();
    QApplication::processEvents();
    sinceTurn_.restart();
    if (cancelarPedido_)
        generacion.SetCancelado(true);
    if (progresoPrevio_)
        progresoPrevio_(sender);
}

void TFRMGenerating::NoteEventLoopTurn()
{
    longestGapMs_ = std::max(longestGapMs_, sinceTurn_.elapsed());
}

void TFRMGenerating::bbCancelClick()
{
    if (!started_)
        return; // the run has not begun: nothing to cancel or accept yet
    if (!procesando_) {
        done(Accepted);
        return;
    }
    if (cancelarPedido_)
        return;
    cancelarPedido_ =
        DialogService::Ask(this, Txt(kTxtConfirmCancelProcess), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Information) == QMessageBox::Yes;
}

bool EjecutarGeneracion(QWidget *owner, TEuroMillonGeneraComb &generacion, bool esperarAceptar)
{
    generacion.Apuestas().Clear();
    bool accepted = false;
    {
        TFRMGenerating window(owner);
        window.SetEsperarAceptar(esperarAceptar);
        window.Preparar(generacion);
        accepted = window.exec() == QDialog::Accepted;
    }
    if (!accepted)
        generacion.Apuestas().Clear();
    return accepted;
}
