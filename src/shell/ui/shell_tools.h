#pragma once

#include <functional>
#include <memory>

class QWidget;
class TEuroMillonApuestas;
class TEuroMillonGeneraComb;
class TFRMMainMDI;

// The modal windows that work on a combination, reached from the shell's
// menus. Each subsystem plugs its window in at start-up; an empty entry
// leaves its command without effect.
struct TShellTools {
    // The new-combination wizard, shown modally over the main window.
    std::function<void(TFRMMainMDI &main)> newCombinationWizard;
    // The generator window; when it closed with OK, its settings holding the
    // kept bets (handed over whole, as they may be 76 million); null otherwise.
    std::function<std::unique_ptr<TEuroMillonGeneraComb>(QWidget *owner)> generator;
    std::function<void(QWidget *owner, TEuroMillonApuestas &combination)> prizes;
    // What the combination guarantees over a selection of numbers and stars.
    std::function<void(QWidget *owner, TEuroMillonApuestas &combination)> guarantee;
    std::function<void(QWidget *owner, TEuroMillonApuestas &combination)> printTickets;
    std::function<void(QWidget *owner, TEuroMillonApuestas &combination)> printListing;
    std::function<void(QWidget *owner, TEuroMillonApuestas &combination)> importBets;
    std::function<void(QWidget *owner, TEuroMillonApuestas &combination)> exportBets;
};

TShellTools &ShellTools();

// Fills ShellTools() with the windows of every subsystem; called by the main
// window before it builds its commands, harmless when called again.
void InstallShellTools();
