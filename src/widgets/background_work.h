#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

class QWidget;

// How far a piece of background work got, and whether the user cancelled it.
// Written by the worker, read by the user-interface thread.
struct TWorkProgress {
    std::atomic<int64_t> done{0};
    std::atomic<int64_t> total{0};
    std::atomic<bool> cancelled{false};

    void Report(int64_t doneNow, int64_t totalNow)
    {
        total = totalNow;
        done = doneNow;
    }
    // Raises the silent abort once the user cancelled.
    void ThrowIfCancelled() const;
};

// Runs work on a worker thread while windows keep painting: a busy cursor at
// once and, when the work takes longer than a second, a modal progress dialog
// labelled with the text and offering Cancel. Until the dialog shows, user
// input waits, so that nothing re-enters the caller. Returns once the work
// ended; an error it raised is raised again here.
void RunInBackground(QWidget *parent, const QString &label, const std::function<void(TWorkProgress &)> &work);

// Tests shorten the delay before the dialog shows and count the dialogs shown.
void SetBackgroundDialogDelay(int milliseconds);
int BackgroundDialogsShown();
