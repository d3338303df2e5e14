#include "widgets/background_work.h"

#include "framework/abort_error.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <exception>
#include <memory>
#include <thread>

namespace {

int dialogDelay = 1000;
int dialogsShown = 0;
constexpr int kProgressSteps = 1000;

} // namespace

void TWorkProgress::ThrowIfCancelled() const
{
    if (cancelled)
        throw EAbort();
}

void SetBackgroundDialogDelay(int milliseconds)
{
    dialogDelay = milliseconds;
}

int BackgroundDialogsShown()
{
    return dialogsShown;
}

void RunInBackground(QWidget *parent, const QString &label, const std::function<void(TWorkProgress &)> &work)
{
    TWorkProgress progress;
    std::atomic<bool> finished{false};
    std::exception_ptr error;
    std::thread worker([&] {
        try {
            work(progress);
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
    });

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> dialog;
    while (!finished) {
        if (!dialog && clock.elapsed() >= dialogDelay) {
            dialog =
                std::make_unique<QProgressDialog>(label, Txt(kTxtProgressCancel), 0, kProgressSteps, parent);
            dialog->setObjectName(QStringLiteral("BackgroundProgress"));
            dialog->setWindowTitle(DialogService::ApplicationTitle());
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->setAutoClose(false);
            dialog->setAutoReset(false);
            QObject::connect(dialog.get(), &QProgressDialog::canceled,
                             [&progress] { progress.cancelled = true; });
            dialog->show();
            ++dialogsShown;
        }
        if (dialog) {
            const int64_t total = progress.total;
            const int64_t done = progress.done;
            if (total > 0)
                dialog->setValue(
                    static_cast<int>(std::min<int64_t>(done * kProgressSteps / total, kProgressSteps)));
            if (dialog->wasCanceled())
                progress.cancelled = true;
            if (progress.cancelled)
                dialog->setLabelText(label + QStringLiteral("\n..."));
        }
        // Before the dialog stands between the user and the windows, only
        // painting and timers go on.
        QApplication::processEvents(dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, 30);
        QThread::msleep(10);
    }
    worker.join();
    dialog.reset();
    QApplication::restoreOverrideCursor();
    if (error)
        std::rethrow_exception(error);
}
