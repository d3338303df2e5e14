#include "generator/ui/optimizer_controls.h"

#include "generator/genera_comb.h"
#include "generator/reduction_optimizer.h"
#include "generator/ui/generator_text_ids.h"
#include "model/euromillon_apuestas.h"
#include "model/format.h"
#include "model/update_bracket.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>

#include <iterator>

TOptimizerControls::TOptimizerControls(TEuroMillonGeneraComb &settings, QWidget *parent)
    : QWidget(parent), settings_(settings)
{
    setObjectName(QStringLiteral("pnlOptimizar"));
    cbOptimizar = new QCheckBox(this);
    cbOptimizar->setObjectName(QStringLiteral("cbOptimizar"));
    lTiempo = new QLabel(this);
    lTiempo->setObjectName(QStringLiteral("lTiempoOptimizar"));
    cbTiempo = new QComboBox(this);
    cbTiempo->setObjectName(QStringLiteral("cbTiempoOptimizar"));
    cbTiempo->addItems({QString(), QString(), QString()});
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(cbOptimizar);
    row->addSpacing(12);
    row->addWidget(lTiempo);
    row->addWidget(cbTiempo);
    row->addStretch();
    connect(cbOptimizar, &QCheckBox::toggled, this, [this] { Store(); });
    connect(cbTiempo, &QComboBox::currentIndexChanged, this, [this] { Store(); });
    ApplyTexts();
    Refresh();
}

void TOptimizerControls::ApplyTexts()
{
    cbOptimizar->setText(Txt(kTxtOptimizeReduction));
    cbOptimizar->setToolTip(Txt(kTxtOptimizeReductionHint));
    lTiempo->setText(Txt(kTxtOptimizeSearchTime));
    for (int i = 0; i < 3; ++i)
        cbTiempo->setItemText(i, Txt(static_cast<uint16_t>(kTxtOptimizeTime10s + i)));
}

void TOptimizerControls::Refresh()
{
    refreshing_ = true;
    const int32_t seconds = settings_.OptimizarSegundos();
    cbOptimizar->setChecked(seconds > 0);
    int index = 0;
    for (int i = 0; i < static_cast<int>(std::size(kTiemposOptimizacion)); ++i)
        if (kTiemposOptimizacion[i] <= seconds)
            index = i;
    cbTiempo->setCurrentIndex(index);
    cbTiempo->setEnabled(seconds > 0);
    refreshing_ = false;
}

void TOptimizerControls::Store()
{
    if (refreshing_)
        return;
    const int index = std::max(0, cbTiempo->currentIndex());
    settings_.SetOptimizarSegundos(cbOptimizar->isChecked() ? kTiemposOptimizacion[index] : 0);
    cbTiempo->setEnabled(cbOptimizar->isChecked());
}

bool OptimizeKeptBets(QWidget *owner, TEuroMillonGeneraComb &settings)
{
    const int32_t seconds = settings.OptimizarSegundos();
    if (seconds <= 0 || settings.Apuestas().Count() == 0)
        return false;
    QProgressDialog dialog(Txt(kTxtOptimizing), Txt(kTxtProgressCancel), 0, seconds * 10, owner);
    dialog.setObjectName(QStringLiteral("OptimizeProgress"));
    dialog.setWindowTitle(DialogService::ApplicationTitle());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.show();

    TOptimizeOptions options;
    options.seconds = seconds;
    // Called on this thread about every 250 ms: the window stays alive.
    options.onProgress = [&dialog](const TOptimizeProgress &progress) {
        dialog.setLabelText(Txt(kTxtOptimizing) + QLatin1Char('\n') +
                            QString::fromStdString(FormatText(GetText(kTxtOptimizeBestSoFar),
                                                              {progress.best, progress.greedy})));
        dialog.setValue(static_cast<int>(progress.seconds * 10));
        QApplication::processEvents();
        return dialog.wasCanceled();
    };
    const TOptimizeResult result = OptimizeReduction(settings, settings.Apuestas().Masks(), options);
    dialog.close();
    if (result.status == TOptimizeStatus::kTooLarge) {
        DialogService::ShowMessage(owner, Txt(kTxtOptimizeTooLarge));
        return false;
    }
    if (result.status != TOptimizeStatus::kOptimized && result.status != TOptimizeStatus::kGreedyKept)
        return false;
    // One change: the kept bets give way to the result, the name stays.
    TEuroMillonApuestas &kept = settings.Apuestas();
    WithinUpdate(kept, [&] {
        kept.DeleteRange(0, kept.Count() - 1);
        kept.AppendMasks(result.bets.data(), result.bets.size());
    });
    return true;
}
