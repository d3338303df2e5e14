#pragma once

#include <QStringList>

class TFRMMainMDI;

// The combination files named on the desktop program's command line (a
// double-click on a .aem file in the file manager starts the program with
// its path). Each one opens in its own combination window; one that cannot
// be opened gives the usual error box and the next one is tried.
// Returns how many were opened.
int OpenCommandLineFiles(TFRMMainMDI &mainWindow, const QStringList &paths);

// The file paths among the program's arguments (the first one, the
// program itself, left out); a file:// address becomes its local path.
QStringList CommandLineFilePaths(const QStringList &arguments);
