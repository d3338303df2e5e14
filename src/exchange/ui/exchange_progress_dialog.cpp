#include "exchange/ui/exchange_progress_dialog.h"

#include "exchange/ui/exchange_text_ids.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "framework/abort_error.h"

#include <QApplication>

namespace {

// Progress is shown in steps of a thousandth, so that totals past the range
// of int fit the dialog.
constexpr int kSteps = 1000;

} // namespace

TExchangeProgressDialog::TExchangeProgressDialog(QWidget *parent, const QString &label)
    : dialog_(label, Txt(kTxtProgressCancel), 0, kSteps, parent)
{
    dialog_.setObjectName(QStringLiteral("ExchangeProgress"));
    dialog_.setWindowTitle(DialogService::ApplicationTitle());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(1000);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TExchangeProgressDialog::~TExchangeProgressDialog()
{
    QApplication::restoreOverrideCursor();
}

TExchangeProgress TExchangeProgressDialog::Callback()
{
    return [this](uint64_t done, uint64_t total) {
        const uint64_t step = total ? done * kSteps / total : 0;
        dialog_.setValue(static_cast<int>(std::min<uint64_t>(step, kSteps)));
        QApplication::processEvents();
        if (dialog_.wasCanceled())
            throw EAbort();
    };
}
