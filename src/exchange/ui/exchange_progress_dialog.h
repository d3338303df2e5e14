#pragma once

#include "exchange/exchange_progress.h"

#include <QProgressDialog>

// The progress of a long import or export: a busy cursor at once for the
// object's lifetime, and a progress window that appears only when the work
// lasts more than a second, keeps the windows responsive while it runs, and
// turns the user's Cancel into the silent abort (EAbort).
class TExchangeProgressDialog {
public:
    TExchangeProgressDialog(QWidget *parent, const QString &label);
    ~TExchangeProgressDialog();
    TExchangeProgressDialog(const TExchangeProgressDialog &) = delete;
    TExchangeProgressDialog &operator=(const TExchangeProgressDialog &) = delete;

    // The callback to hand to the core; valid while this object lives.
    TExchangeProgress Callback();

private:
    QProgressDialog dialog_;
};
