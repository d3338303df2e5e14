#pragma once

#include <QApplication>
#include <QCursor>

// Shows the busy cursor over the whole program while it lives: long work on
// the user-interface thread (appending millions of bets) says so at once.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};
